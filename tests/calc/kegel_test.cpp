#include "calc/kegel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/allowable_pressure.h"
#include "support/g_text.h"

namespace zorpi {
namespace {

using testing::gText;

TEST(Kegel, DefaultExampleGivesAllFigures) {
  ConnectionRecord r = createDefaultRecord();
  setAllowablePressure(r);
  calcKegel(r);
  EXPECT_EQ(gText(kDegreesPerRadian * r.rho), "6.2773");
  EXPECT_EQ(gText(2 * r.alpha * kDegreesPerRadian), "5.72481");
  EXPECT_TRUE(isSelfLocking(r));
  EXPECT_EQ(gText(r.d), "53");
  EXPECT_EQ(gText(r.DF), "56.5");
  EXPECT_EQ(gText(r.FF), "65978.9");
  EXPECT_EQ(gText(r.TV), "1863.9");
  EXPECT_EQ(gText(r.pAzul), "152.76");
  EXPECT_EQ(gText(r.pIzul), "264.619");
  EXPECT_EQ(gText(r.p), "48.2743");
  EXPECT_EQ(gText(r.pzul), "150");
  EXPECT_DOUBLE_EQ(r.C, 0.1);
  EXPECT_DOUBLE_EQ(r.Q, 56.5 / 150);
}

TEST(Kegel, SmallDiameterOverwritesSharedShaftDiameter) {
  ConnectionRecord r = createDefaultRecord();
  r.d = 40;  // a parallel key's shaft diameter
  calcKegel(r);
  EXPECT_EQ(r.d, 53);
}

TEST(Kegel, ZeroRatioGivesIeeeValues) {
  ConnectionRecord r = createDefaultRecord();
  r.X = 0;
  calcKegel(r);
  EXPECT_TRUE(std::isinf(r.C));
  EXPECT_TRUE(std::isinf(r.DF));
  EXPECT_LT(r.DF, 0);
  EXPECT_TRUE(std::isinf(r.d));
  EXPECT_LT(r.d, 0);
  EXPECT_TRUE(std::isnan(r.FF));
}

TEST(Kegel, SelfLockingIsStrictlyGreater) {
  ConnectionRecord r = createDefaultRecord();
  r.my = 0.05;
  calcKegel(r);
  EXPECT_EQ(r.rho, r.alpha);
  EXPECT_FALSE(isSelfLocking(r)) << "equal angles are not self-locking";

  r.my = 0.04;
  calcKegel(r);
  EXPECT_FALSE(isSelfLocking(r));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  r.rho = nan;
  r.alpha = 0.01;
  EXPECT_FALSE(isSelfLocking(r));
  r.rho = 1;
  r.alpha = nan;
  EXPECT_FALSE(isSelfLocking(r));
}

}  // namespace
}  // namespace zorpi
