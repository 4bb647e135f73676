#include "calc/calculate.h"

#include <gtest/gtest.h>

namespace zorpi {
namespace {

// The parallel key of the library's example: set up from the taper example, as a user would.
ConnectionRecord parallelKey() {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Passfeder;
  r.T = 250;
  r.p0 = 100;
  r.beanArt = EinseitigLeicht;
  r.d = 40;
  r.lt = 50;
  r.h = 8;
  r.t1 = 5;
  r.i = 1;
  return r;
}

// calculate sets pzul for the type in typ first, then runs that type's calculation.
TEST(Calculate, SetsPzulThenCalculatesTheTypeInTyp) {
  ConnectionRecord key = parallelKey();
  calculate(key);
  EXPECT_NEAR(key.p, 83.3333, 5e-5);
  EXPECT_DOUBLE_EQ(key.pzul, 70);

  ConnectionRecord taper = createDefaultRecord();
  calculate(taper);
  EXPECT_NEAR(taper.TV, 1863.9, 0.05);
  EXPECT_EQ(taper.pzul, 150);

  ConnectionRecord none = parallelKey();
  none.typ = 7;
  calculate(none);
  EXPECT_EQ(none.p, 0) << "no type, no calculation";
}

}  // namespace
}  // namespace zorpi
