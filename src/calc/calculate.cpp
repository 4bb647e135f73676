#include "calc/calculate.h"

#include "calc/allowable_pressure.h"
#include "calc/form_fit.h"
#include "calc/kegel.h"
#include "calc/klemm.h"

namespace zorpi {

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
      break;
  }
}

}  // namespace zorpi
