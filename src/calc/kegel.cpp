#include "calc/kegel.h"

#include <cmath>

namespace zorpi {

void calcKegel(ConnectionRecord& r) {
  r.C = 1 / r.X;
  r.DF = r.D - 0.5 * (r.L * r.C);
  r.rho = std::atan(r.my);
  r.alpha = std::atan(r.C / 2);
  r.d = r.D - r.L * r.C;
  r.p = r.FV / (kPi * r.DF * r.L * std::tan(r.rho + r.alpha));
  r.FF = kPi * r.DF * r.L * r.my * r.p;
  r.TV = kNmPerNmmDiameter * (r.DF * r.FF);
  r.Q = r.DF / r.DA;
  r.pAzul = (1 - r.Q * r.Q) * r.ReA / (r.Sp * kSqrt3);
  r.pIzul = 2 * r.ReI / (r.Sp * kSqrt3);
}

bool isSelfLocking(const ConnectionRecord& r) {
  return r.rho > r.alpha;
}

}  // namespace zorpi
