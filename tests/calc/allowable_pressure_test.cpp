#include "calc/allowable_pressure.h"

#include <gtest/gtest.h>

#include "calc/kegel.h"

namespace zorpi {
namespace {

struct FactorCase {
  std::int32_t typ;
  std::int32_t beanArt;
  double factor;
};

// The program's factors are the method's; the formula check holds doc/help.md to them.
TEST(AllowablePressure, FactorTableForFormFitTypes) {
  const FactorCase cases[] = {
      {1, 1, 0.8}, {1, 2, 0.7}, {1, 3, 0.6},  {1, 4, 0.45}, {1, 5, 0.25},
      {2, 1, 0.8}, {2, 2, 0.7}, {2, 3, 0.6},  {2, 4, 0.45}, {2, 5, 0.25},
      {3, 1, 0.8}, {3, 2, 0.7}, {3, 3, 0.6},  {3, 4, 0.45}, {3, 5, 0.25},
      {4, 1, 1.1}, {4, 2, 1.0}, {4, 3, 0.75}, {4, 4, 0.6},  {4, 5, 0.45},
  };
  for (const FactorCase& c : cases) {
    ConnectionRecord r = createDefaultRecord();
    r.typ = c.typ;
    r.beanArt = c.beanArt;
    r.p0 = 150;
    setAllowablePressure(r);
    EXPECT_DOUBLE_EQ(r.pzul, c.factor * 150) << "typ " << c.typ << " beanArt " << c.beanArt;
  }
}

TEST(AllowablePressure, WorkedFiguresForBasePressure150) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Passfeder;
  r.beanArt = EinseitigRuhend;
  setAllowablePressure(r);
  EXPECT_EQ(r.pzul, 120);
  r.beanArt = WechselndStark;
  setAllowablePressure(r);
  EXPECT_EQ(r.pzul, 37.5);
  r.typ = Polygon;
  r.beanArt = EinseitigRuhend;
  setAllowablePressure(r);
  EXPECT_EQ(r.pzul, 165);
  r.beanArt = EinseitigLeicht;
  setAllowablePressure(r);
  EXPECT_EQ(r.pzul, 150);
}

TEST(AllowablePressure, FrictionTypesTakeBasePressureWhateverTheLoading) {
  for (std::int32_t typ : {Kegel, Klemm}) {
    for (std::int32_t beanArt : {0, 1, 5, 9}) {
      ConnectionRecord r = createDefaultRecord();
      r.typ = typ;
      r.beanArt = beanArt;
      r.p0 = 87.5;
      setAllowablePressure(r);
      EXPECT_EQ(r.pzul, 87.5) << "typ " << typ << " beanArt " << beanArt;
    }
  }
}

TEST(AllowablePressure, LoadingNotChosenKeepsEarlierValue) {
  ConnectionRecord r = createDefaultRecord();
  r.typ = Passfeder;
  setAllowablePressure(r);
  EXPECT_EQ(r.pzul, 0) << "first calculation of the run";

  // A taper calculation leaves p0 behind, which a key without loading then keeps.
  r.typ = Kegel;
  setAllowablePressure(r);
  calcKegel(r);
  r.typ = Passfeder;
  r.p0 = 99;
  for (std::int32_t beanArt : {0, 6, -1}) {
    r.beanArt = beanArt;
    setAllowablePressure(r);
    EXPECT_EQ(r.pzul, 150) << "beanArt " << beanArt;
  }
}

}  // namespace
}  // namespace zorpi
