#include "calc/allowable_pressure.h"

namespace zorpi {

namespace {

// Load factors by kind of loading 1..5: keys, splines and serrations, then polygons.
constexpr double kKeyFactors[] = {0.8, 0.7, 0.6, 0.45, 0.25};
constexpr double kPolygonFactors[] = {1.1, 1.0, 0.75, 0.6, 0.45};

}  // namespace

double loadFactor(const ConnectionRecord& r) {
  if (r.typ == Kegel || r.typ == Klemm) {
    return 1;
  }
  if (!isFormFit(r.typ) || r.beanArt < EinseitigRuhend || r.beanArt > WechselndStark) {
    return 0;
  }
  const double* factors = r.typ == Polygon ? kPolygonFactors : kKeyFactors;
  return factors[r.beanArt - 1];
}

void setAllowablePressure(ConnectionRecord& r) {
  const double factor = loadFactor(r);
  if (factor != 0) {
    r.pzul = factor * r.p0;
  }
}

}  // namespace zorpi
