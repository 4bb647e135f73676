#include "calc/check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>

#include "calc/calculate.h"

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
      {"a torque no calculation stays finite with", [](ConnectionRecord& r) { r.T = 1e306; }, "T "},
      {"a taper whose angles reach 90 degrees",
       [](ConnectionRecord& r) {
         r = createDefaultRecord(), r.X = 0.5, r.my = 1.2, r.D = 100, r.L = 40, r.DA = 200;
       },
       "my "},
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

// A record of type `typ` with each input drawn log-uniform over a range wider than check()
// allows on both sides, one in ten over all a double can hold, each count up to beyond its
// bound, each choice over its values and beyond.
ConnectionRecord drawn(std::mt19937_64& random, std::int32_t typ) {
  std::uniform_real_distribution<double> decade(-8, 11);
  std::uniform_real_distribution<double> anyDecade(-320, 308);
  std::uniform_real_distribution<double> countDecade(0, 7);
  std::uniform_int_distribution<std::int32_t> choice(0, 6);
  const auto real = [&] {
    return std::pow(10.0, choice(random) == 0 ? anyDecade(random) : decade(random));
  };
  const auto count = [&] { return static_cast<std::int32_t>(std::pow(10.0, countDecade(random))); };
  ConnectionRecord r;
  r.typ = typ, r.beanArt = choice(random), r.polygonTyp = choice(random) % 3;
  r.variante = choice(random) % 3, r.i = count(), r.z = count(), r.m = count();
  for (double* value :
       {&r.T,  &r.p0, &r.DA, &r.Sp, &r.ReA, &r.ReI, &r.d, &r.lt, &r.h,  &r.t1, &r.d1, &r.d2,
        &r.d3, &r.e1, &r.e,  &r.er, &r.X,   &r.D,   &r.L, &r.FV, &r.my, &r.l,  &r.ls, &r.a}) {
    *value = real();
  }
  if (typ == Passfeder) {
    r.i = 1 + choice(random) % 2;  // else a parallel key is seldom clean
  }
  return r;
}

// What check() passes, calculate() takes: each result of the type finite, the pressures,
// forces and torques above 0, for tens of thousands of records drawn at random.
TEST(Check, WhatItPassesCalculatesToFiniteResults) {
  using R = ConnectionRecord;
  const struct {
    std::int32_t typ;
    std::initializer_list<double R::*> finite;
    std::initializer_list<double R::*> positive;
  } types[] = {
      {Passfeder, {&R::rm, &R::ki}, {&R::p, &R::pzul}},
      {Keilwelle, {&R::rm, &R::h, &R::phi}, {&R::p, &R::pzul}},
      {Zahnwelle, {&R::rm, &R::h, &R::phi}, {&R::p, &R::pzul}},
      {Polygon, {&R::dm}, {&R::p, &R::pzul}},
      {Kegel,
       {&R::C, &R::DF, &R::rho, &R::alpha, &R::d, &R::Q},
       {&R::p, &R::pzul, &R::FF, &R::TV, &R::pAzul, &R::pIzul}},
      {Klemm, {&R::kp, &R::kb, &R::W, &R::SigB}, {&R::p, &R::pzul, &R::FF, &R::TV}},
  };
  std::mt19937_64 random(1995);
  for (const auto& type : types) {
    int clean = 0;
    int broken = 0;
    for (int n = 0; n < 100000; ++n) {
      ConnectionRecord r = drawn(random, type.typ);
      if (!check(r).empty()) {
        continue;
      }
      ++clean;
      calculate(r);
      for (double R::*result : type.finite) {
        broken += std::isfinite(r.*result) ? 0 : 1;
      }
      for (double R::*result : type.positive) {
        broken += std::isfinite(r.*result) && r.*result > 0 ? 0 : 1;
      }
    }
    EXPECT_EQ(broken, 0) << "typ " << type.typ;
    EXPECT_GT(clean, 300) << "typ " << type.typ << ": too few clean records to tell";
  }
}

}  // namespace
}  // namespace zorpi
