#include "calc/klemm.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/g_text.h"

namespace zorpi {
namespace {

using testing::gText;

ConnectionRecord klemm(std::int32_t variante) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Klemm;
  r.variante = variante;
  r.FV = 10000;
  r.i = 2;
  r.m = 1;
  r.l = 40;
  r.d = 30;
  r.my = 0.15;
  r.a = 20;
  r.ls = 25;
  return r;
}

TEST(Klemm, SplitAndSlottedHub) {
  ConnectionRecord r = klemm(1);
  calcKlemm(r);
  EXPECT_EQ(r.kp, 1.2);
  EXPECT_EQ(r.kb, 0.2);
  EXPECT_EQ(gText(r.p), "20");
  EXPECT_EQ(gText(r.FF), "11309.7");
  EXPECT_EQ(gText(r.TV), "169.646");
  EXPECT_EQ(gText(r.W), "2666.67");
  EXPECT_EQ(gText(r.SigB), "18.75");

  r = klemm(2);
  calcKlemm(r);
  EXPECT_EQ(gText(r.p), "25");
  EXPECT_EQ(gText(r.SigB), "28.125");
}

TEST(Klemm, VariantLeftBySplineMeansSlottedHub) {
  ConnectionRecord r = klemm(0);
  r.variante = 2;  // as an earlier spline dialogue left it
  calcKlemm(r);
  EXPECT_EQ(r.kp, 1.5);
  EXPECT_EQ(r.kb, 0.3);
}

TEST(Klemm, UnchosenVariantAtStartGivesNotANumber) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Klemm;
  calcKlemm(r);
  EXPECT_TRUE(std::isnan(r.p));
  EXPECT_TRUE(std::isnan(r.SigB));
  EXPECT_TRUE(std::isnan(r.FF));
  EXPECT_TRUE(std::isnan(r.TV));
  EXPECT_EQ(r.kp, 0);
  EXPECT_EQ(r.kb, 0);
}

TEST(Klemm, UnknownVariantKeepsEarlierFactors) {
  ConnectionRecord r = klemm(1);
  calcKlemm(r);
  r.variante = 7;
  calcKlemm(r);
  EXPECT_EQ(r.kp, 1.2);
  EXPECT_EQ(gText(r.p), "20");
}

}  // namespace
}  // namespace zorpi
