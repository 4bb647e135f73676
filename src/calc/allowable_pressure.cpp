#include "calc/allowable_pressure.h"

namespace zorpi {

namespace {

// Load factors by kind of loading 1..5: keys, splines and serrations, then polygons.
constexpr double kKeyFactors[] = {0.8, 0.7, 0.6, 0.45, 0.25};
constexpr double kPolygonFactors[] = {1.1, 1.0, 0.75, 0.6, 0.45};

}  // namespace

void setAllowablePressure(ConnectionRecord& record) {
  if (record.typ == Kegel || record.typ == Klemm) {
    record.pzul = record.p0;
    return;
  }
  if (record.beanArt < EinseitigRuhend || record.beanArt > WechselndStark) {
    return;
  }
  const double* factors = record.typ == Polygon ? kPolygonFactors : kKeyFactors;
  record.pzul = factors[record.beanArt - 1] * record.p0;
}

}  // namespace zorpi
