#include "calc/form_fit.h"

namespace zorpi {

namespace {

constexpr double kNmToNmm = 1000;
// The P3G profile carries on about 2.36 times d1 times e1 of flank per unit of length.
constexpr double kP3gAreaFactor = 2.36;
constexpr double kProfileCorrection = 0.05;

}  // namespace

void calcPassfeder(ConnectionRecord& r) {
  if (r.i == 1) {
    r.ki = 1.0;
  } else if (r.i == 2) {
    r.ki = 1.5;
  }
  r.rm = 0.5 * r.d;
  r.p = kNmToNmm * r.T / ((r.h - r.t1) * r.rm * r.lt * r.ki);
}

void calcKeilwelle(ConnectionRecord& r) {
  if (r.variante == 1) {
    r.phi = 0.75;
  } else if (r.variante == 2) {
    r.phi = 0.9;
  }
  r.rm = 0.25 * (r.d2 + r.d1);
  r.h = 0.5 * (r.d2 - r.d1);
  r.p = kNmToNmm * r.T / (r.h * r.rm * r.lt * static_cast<double>(r.i) * r.phi);
}

void calcZahnwelle(ConnectionRecord& r) {
  if (r.variante == 1) {
    r.phi = 0.5;
  } else if (r.variante == 2) {
    r.phi = 0.75;
  }
  r.rm = 0.25 * (r.d2 + r.d3);
  r.h = 0.5 * (r.d3 - r.d2);
  r.p = kNmToNmm * r.T / (r.h * r.rm * r.lt * static_cast<double>(r.z) * r.phi);
}

void calcPolygon(ConnectionRecord& r) {
  if (r.polygonTyp == 1) {
    r.p =
        kNmToNmm * r.T / ((kP3gAreaFactor * r.d1 * r.e1 + kProfileCorrection * r.d1 * r.d1) * r.lt);
  } else if (r.polygonTyp == 2) {
    r.dm = 2 * r.e + r.d2;
    r.p = kNmToNmm * r.T / ((r.dm * kPi * r.er + kProfileCorrection * r.dm * r.dm) * r.lt);
  }
}

}  // namespace zorpi
