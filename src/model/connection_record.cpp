#include "model/connection_record.h"

namespace zorpi {

ConnectionRecord createDefaultRecord() {
  ConnectionRecord record{};
  record.typ = Kegel;
  record.p0 = 150;
  record.DA = 150;
  record.Sp = 1.2;
  record.ReA = 370;
  record.ReI = 275;
  record.X = 10;
  record.D = 60;
  record.L = 70;
  record.FV = 96500;
  record.my = 0.11;
  return record;
}

}  // namespace zorpi
