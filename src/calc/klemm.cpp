#include "calc/klemm.h"

namespace zorpi {

void calcKlemm(ConnectionRecord& r) {
  if (r.variante == 1) {  // split hub
    r.kp = 1.2;
    r.kb = 0.2;
  } else if (r.variante == 2) {  // slotted hub
    r.kp = 1.5;
    r.kb = 0.3;
  }
  r.p = r.FV * r.kp * static_cast<double>(r.i) / (r.l * r.d);
  r.FF = kPi * r.d * r.l * r.my * r.p;
  r.TV = kNmPerNmmDiameter * (r.d * r.FF);
  r.W = r.a * r.l * r.a / 6;
  r.SigB = r.FV * r.kb * static_cast<double>(r.m) * r.ls / r.W;
}

}  // namespace zorpi
