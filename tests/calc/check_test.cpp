#include "calc/check.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zorpi {
namespace {

// Inputs each calculation can take: the parallel key of the library's example, a spline, a
// serration and a clamp.
ConnectionRecord parallelKey() {
  ConnectionRecord r;
  r.typ = Passfeder, r.T = 250, r.p0 = 100, r.beanArt = EinseitigLeicht;
  r.d = 40, r.lt = 50, r.h = 8, r.t1 = 5, r.i = 1;
  return r;
}
ConnectionRecord spline() {
  ConnectionRecord r = parallelKey();
  r.typ = Keilwelle, r.d1 = 46, r.d2 = 50, r.i = 8, r.variante = 1;
  return r;
}
ConnectionRecord serration() {
  ConnectionRecord r = parallelKey();
  r.typ = Zahnwelle, r.d2 = 46, r.d3 = 50, r.z = 20, r.variante = 2;
  return r;
}
ConnectionRecord clamp() {
  ConnectionRecord r = parallelKey();
  r.typ = Klemm, r.l = 40, r.ls = 25, r.a = 20, r.FV = 10000, r.my = 0.15, r.m = 1;
  r.variante = 1;
  return r;
}

struct CheckCase {
  const char* name;
  void (*change)(ConnectionRecord&);
  const char* fields;  // the fields named, in order, each followed by a blank
};

TEST(Check, NamesWhatTheCalculationCannotTake) {
  const CheckCase cases[] = {
      {"parallel key", [](ConnectionRecord&) {}, ""},
      {"taper example", [](ConnectionRecord& r) { r = createDefaultRecord(); }, ""},
      {"spline", [](ConnectionRecord& r) { r = spline(); }, ""},
      {"serration", [](ConnectionRecord& r) { r = serration(); }, ""},
      {"clamp", [](ConnectionRecord& r) { r = clamp(); }, ""},
      {"three keys", [](ConnectionRecord& r) { r.i = 3; }, "i "},
      {"keyway deeper than the key", [](ConnectionRecord& r) { r.t1 = 9; }, "t1 "},
      {"no torque", [](ConnectionRecord& r) { r.T = std::numeric_limits<double>::quiet_NaN(); },
       "T "},
      {"no kind of loading", [](ConnectionRecord& r) { r.beanArt = 0; }, "beanArt "},
      {"no type", [](ConnectionRecord& r) { r.typ = 7; }, "typ "},
      {"a zero record", [](ConnectionRecord& r) { r = ConnectionRecord(); }, "typ "},
      {"spline inside out", [](ConnectionRecord& r) { r = spline(), r.d1 = 50, r.i = 0; }, "i d1 "},
      {"serration inside out",
       [](ConnectionRecord& r) { r = serration(), r.d2 = 50, r.variante = 3; }, "variante d2 "},
      {"polygon without a profile", [](ConnectionRecord& r) { r.typ = Polygon; }, "polygonTyp "},
      {"taper longer than its cone",
       [](ConnectionRecord& r) { r = createDefaultRecord(), r.L = 700, r.DA = 50; }, "L DA "},
      {"clamp without its counts", [](ConnectionRecord& r) { r = clamp(), r.m = 0; }, "m "},
  };
  for (const CheckCase& c : cases) {
    ConnectionRecord r = parallelKey();
    c.change(r);
    std::string named;
    for (const Problem& problem : check(r)) {
      named += problem.field + " ";
      EXPECT_FALSE(problem.de.empty() || problem.en.empty()) << c.name;
    }
    EXPECT_EQ(named, c.fields) << c.name;
  }
}

}  // namespace
}  // namespace zorpi
