#include "calc/form_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/g_text.h"

namespace zorpi {
namespace {

using testing::gText;

ConnectionRecord passfeder(std::int32_t keys) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Passfeder;
  r.T = 100;
  r.d = 40;
  r.h = 8;
  r.t1 = 5;
  r.lt = 50;
  r.i = keys;
  return r;
}

TEST(Passfeder, OneAndTwoKeys) {
  ConnectionRecord r = passfeder(1);
  calcPassfeder(r);
  EXPECT_EQ(r.rm, 20);
  EXPECT_EQ(r.ki, 1.0);
  EXPECT_EQ(gText(r.p), "33.3333");

  r = passfeder(2);
  calcPassfeder(r);
  EXPECT_EQ(r.ki, 1.5);
  EXPECT_EQ(gText(r.p), "22.2222");
}

TEST(Passfeder, OtherKeyCountKeepsEffectiveCount) {
  ConnectionRecord r = passfeder(3);
  calcPassfeder(r);  // first calculation of the run: ki still 0
  EXPECT_EQ(r.ki, 0);
  EXPECT_TRUE(std::isinf(r.p));
  EXPECT_GT(r.p, 0);

  r.i = 2;
  calcPassfeder(r);
  r.i = 5;
  calcPassfeder(r);
  EXPECT_EQ(r.ki, 1.5);
  EXPECT_EQ(gText(r.p), "22.2222");
}

TEST(Keilwelle, InnerCentringWritesFlankHeight) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Keilwelle;
  r.d1 = 46;
  r.d2 = 50;
  r.lt = 40;
  r.i = 8;
  r.variante = 1;
  r.T = 500;
  r.h = 8;  // an entered key height is overwritten
  calcKeilwelle(r);
  EXPECT_EQ(r.rm, 24);
  EXPECT_EQ(r.h, 2);
  EXPECT_EQ(r.phi, 0.75);
  EXPECT_EQ(gText(r.p), "43.4028");

  r.variante = 2;
  calcKeilwelle(r);
  EXPECT_EQ(r.phi, 0.9);
  EXPECT_NEAR(r.p, 500000.0 / (2 * 24 * 40 * 8 * 0.9), 1e-12);

  r.variante = 0;
  calcKeilwelle(r);
  EXPECT_EQ(r.phi, 0.9) << "an unknown variant keeps the load share";
}

TEST(Zahnwelle, LoadShareAndFlankHeight) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Zahnwelle;
  r.d2 = 46;
  r.d3 = 50;
  r.lt = 40;
  r.z = 20;
  r.T = 500;
  r.variante = 1;
  calcZahnwelle(r);
  EXPECT_EQ(r.phi, 0.5);
  EXPECT_EQ(r.rm, 24);
  EXPECT_EQ(r.h, 2);
  EXPECT_NEAR(r.p, 500000.0 / (2 * 24 * 40 * 20 * 0.5), 1e-12);

  r.variante = 2;
  calcZahnwelle(r);
  EXPECT_EQ(r.phi, 0.75);
  EXPECT_NEAR(r.p, 500000.0 / (2 * 24 * 40 * 20 * 0.75), 1e-12);
}

TEST(Zahnwelle, SmallerOuterDiameterGivesNegativePressure) {
  ConnectionRecord r = createDefaultRecord();
  r.d2 = 50;
  r.d3 = 46;
  r.lt = 40;
  r.z = 20;
  r.T = 500;
  r.variante = 2;
  calcZahnwelle(r);
  EXPECT_EQ(r.h, -2);
  EXPECT_LT(r.p, 0);
  EXPECT_TRUE(std::isfinite(r.p));
}

TEST(Polygon, P3GAndP4C) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Polygon;
  r.T = 200;
  r.lt = 30;
  r.d1 = 40;
  r.e1 = 2;
  r.polygonTyp = 1;
  calcPolygon(r);
  EXPECT_EQ(gText(r.p), "24.8016");

  // P4C worked by hand: dm = 2*2 + 40 = 44; area = 44*3.141593*5 + 0.05*44*44 = 787.95046;
  // p = 200000 / (787.95046 * 30) = 8.460768798...
  r.polygonTyp = 2;
  r.e = 2;
  r.d2 = 40;
  r.er = 5;
  calcPolygon(r);
  EXPECT_EQ(r.dm, 44);
  EXPECT_NEAR(r.p, 8.460768798417, 1e-9);
  EXPECT_EQ(gText(r.p), "8.46077");
}

TEST(Polygon, NoProfileComputesNothing) {
  ConnectionRecord r = createDefaultRecord();
  r.T = 200;
  r.lt = 30;
  r.p = 12.5;
  r.dm = 3;
  r.polygonTyp = 0;
  calcPolygon(r);
  EXPECT_EQ(r.p, 12.5);
  EXPECT_EQ(r.dm, 3);
}

}  // namespace
}  // namespace zorpi
