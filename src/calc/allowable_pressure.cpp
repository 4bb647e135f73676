#include "calc/allowable_pressure.h"

namespace zorpi {

namespace {

// Load factors by kind of loading 1..5: keys, splines and serrations, then polygons.
constexpr double kKeyFactors[] = {0.8, 0.7, 0.6, 0.45, 0.25};
constexpr double kPolygonFactors[] = {1.1, 1.0, 0.75, 0.6, 0.45};

}  // namespace

void setAllowablePressure(ConnectionRecord& r) {
  if (r.typ == Kegel || r.typ == Klemm) {
    r.pzul = r.p0;
    return;
  }
  if (r.beanArt < EinseitigRuhend || r.beanArt > WechselndStark) {
    return;
  }
  const double* factors = r.typ == Polygon ? kPolygonFactors : kKeyFactors;
  r.pzul = factors[r.beanArt - 1] * r.p0;
}

}  // namespace zorpi
