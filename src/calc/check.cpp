#include "calc/check.h"

#include <cmath>

namespace zorpi {

namespace {

// The problems found so far, each field named once: a field with a problem takes part in no
// pair.
class Findings {
 public:
  std::vector<Problem> list;

  void add(const std::string& field, const std::string& de, const std::string& en) {
    list.push_back({field, de, en});
  }
  bool has(const std::string& field) const {
    for (const Problem& problem : list) {
      if (problem.field == field) {
        return true;
      }
    }
    return false;
  }
  void positive(const std::string& field, double value) {
    if (!(std::isfinite(value) && value > 0)) {
      add(field, field + " muss eine endliche Zahl über 0 sein",
          field + " must be a finite number above 0");
    }
  }
  void oneOrTwo(const std::string& field, std::int32_t value) {
    if (value != 1 && value != 2) {
      add(field, field + " muss 1 oder 2 sein", field + " must be 1 or 2");
    }
  }
  void atLeastOne(const std::string& field, std::int32_t value) {
    if (value < 1) {
      add(field, field + " muss mindestens 1 sein", field + " must be at least 1");
    }
  }
  // `first` must lie below `second`; the problem is the first's.
  void below(const std::string& first, double low, const std::string& second, double high) {
    if (!has(first) && !has(second) && !(low < high)) {
      add(first, first + " muss kleiner als " + second + " sein",
          first + " must be below " + second);
    }
  }
  // `first` must lie above `second`; the problem is the first's.
  void above(const std::string& first, double high, const std::string& second, double low) {
    if (!has(first) && !has(second) && !(high > low)) {
      add(first, first + " muss größer als " + second + " sein",
          first + " must be above " + second);
    }
  }
};

// Torque, base pressure and kind of loading (keys b, c, d), and the load-bearing length.
void checkFormFit(const ConnectionRecord& r, Findings& found) {
  found.positive("T", r.T);
  found.positive("p0", r.p0);
  if (r.beanArt < EinseitigRuhend || r.beanArt > WechselndStark) {
    found.add("beanArt", "beanArt muss 1 bis 5 sein, sonst bleibt pzul, wie es war",
              "beanArt must be 1 to 5, else pzul stays as it was");
  }
  found.positive("lt", r.lt);
}

void checkPassfeder(const ConnectionRecord& r, Findings& found) {
  found.positive("d", r.d);
  found.positive("h", r.h);
  found.positive("t1", r.t1);
  found.oneOrTwo("i", r.i);
  found.below("t1", r.t1, "h", r.h);
}

void checkKeilwelle(const ConnectionRecord& r, Findings& found) {
  found.positive("d1", r.d1);
  found.positive("d2", r.d2);
  found.atLeastOne("i", r.i);
  found.oneOrTwo("variante", r.variante);
  found.below("d1", r.d1, "d2", r.d2);
}

void checkZahnwelle(const ConnectionRecord& r, Findings& found) {
  found.positive("d2", r.d2);
  found.positive("d3", r.d3);
  found.atLeastOne("z", r.z);
  found.oneOrTwo("variante", r.variante);
  found.below("d2", r.d2, "d3", r.d3);
}

void checkPolygon(const ConnectionRecord& r, Findings& found) {
  found.oneOrTwo("polygonTyp", r.polygonTyp);
  if (r.polygonTyp == 1) {
    found.positive("d1", r.d1);
    found.positive("e1", r.e1);
  } else if (r.polygonTyp == 2) {
    found.positive("d2", r.d2);
    found.positive("e", r.e);
    found.positive("er", r.er);
  }
}

void checkKegel(const ConnectionRecord& r, Findings& found) {
  for (const auto& [field, value] : {std::pair<const char*, double>{"p0", r.p0},
                                     {"DA", r.DA},
                                     {"Sp", r.Sp},
                                     {"ReA", r.ReA},
                                     {"ReI", r.ReI},
                                     {"X", r.X},
                                     {"D", r.D},
                                     {"L", r.L},
                                     {"FV", r.FV},
                                     {"my", r.my}}) {
    found.positive(field, value);
  }
  if (!found.has("X") && !found.has("D") && !found.has("L") && !(r.D - r.L / r.X > 0)) {
    found.add("L", "L ist zu lang: der kleine Durchmesser D - L/X muss über 0 liegen",
              "L is too long: the small diameter D - L/X must be above 0");
  }
  found.above("DA", r.DA, "D", r.D);
}

void checkKlemm(const ConnectionRecord& r, Findings& found) {
  for (const auto& [field, value] : {std::pair<const char*, double>{"p0", r.p0},
                                     {"d", r.d},
                                     {"l", r.l},
                                     {"ls", r.ls},
                                     {"a", r.a},
                                     {"FV", r.FV}}) {
    found.positive(field, value);
  }
  found.atLeastOne("i", r.i);
  found.atLeastOne("m", r.m);
  found.positive("my", r.my);
  found.oneOrTwo("variante", r.variante);
}

}  // namespace

std::vector<Problem> check(const ConnectionRecord& r) {
  Findings found;
  if (isFormFit(r.typ)) {
    checkFormFit(r, found);
  }
  switch (r.typ) {
    case Passfeder:
      checkPassfeder(r, found);
      break;
    case Keilwelle:
      checkKeilwelle(r, found);
      break;
    case Zahnwelle:
      checkZahnwelle(r, found);
      break;
    case Polygon:
      checkPolygon(r, found);
      break;
    case Kegel:
      checkKegel(r, found);
      break;
    case Klemm:
      checkKlemm(r, found);
      break;
    default:
      found.add("typ", "typ muss 1 bis 6 sein", "typ must be 1 to 6");
      break;
  }
  return found.list;
}

}  // namespace zorpi
