#include "calc/calculate.h"

#include <initializer_list>
#include <limits>

#include "calc/allowable_pressure.h"
#include "calc/form_fit.h"
#include "calc/kegel.h"
#include "calc/klemm.h"

namespace zorpi {

namespace {

// No type works anything out: what would be its results is not a number.
void calculateNothing(ConnectionRecord& r) {
  const double none = std::numeric_limits<double>::quiet_NaN();
  for (double* value : {&r.p, &r.pzul, &r.rm, &r.ki, &r.phi, &r.dm, &r.C, &r.DF, &r.rho, &r.alpha,
                        &r.FF, &r.TV, &r.Q, &r.pAzul, &r.pIzul, &r.kp, &r.kb, &r.W, &r.SigB}) {
    *value = none;
  }
}

}  // namespace

void calculate(ConnectionRecord& r) {
  setAllowablePressure(r);
  switch (r.typ) {
    case Passfeder:
      calcPassfeder(r);
      break;
    case Keilwelle:
      calcKeilwelle(r);
      break;
    case Zahnwelle:
      calcZahnwelle(r);
      break;
    case Polygon:
      calcPolygon(r);
      break;
    case Kegel:
      calcKegel(r);
      break;
    case Klemm:
      calcKlemm(r);
      break;
    default:
      calculateNothing(r);
      break;
  }
}

}  // namespace zorpi
