#include "calc/check.h"

#include <cmath>

namespace zorpi {

namespace {

// Far beyond any real connection, and near enough that no calculation on inputs between them
// overflows to an infinity or underflows to 0: each real input, in its unit, and each count.
constexpr double kSmallest = 1e-6;
constexpr double kLargest = 1e9;
constexpr std::int32_t kMostCount = 1000000;

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
  void inRange(const std::string& field, double value) {
    if (!(value >= kSmallest && value <= kLargest)) {
      add(field, field + " muss eine Zahl von 1e-6 bis 1e9 sein",
          field + " must be a number from 1e-6 to 1e9");
    }
  }
  void oneOrTwo(const std::string& field, std::int32_t value) {
    if (value != 1 && value != 2) {
      add(field, field + " muss 1 oder 2 sein", field + " must be 1 or 2");
    }
  }
  void count(const std::string& field, std::int32_t value) {
    if (value < 1 || value > kMostCount) {
      add(field, field + " muss 1 bis 1000000 sein", field + " must be 1 to 1000000");
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
  found.inRange("T", r.T);
  found.inRange("p0", r.p0);
  if (r.beanArt < EinseitigRuhend || r.beanArt > WechselndStark) {
    found.add("beanArt", "beanArt muss 1 bis 5 sein, sonst bleibt pzul, wie es war",
              "beanArt must be 1 to 5, else pzul stays as it was");
  }
  found.inRange("lt", r.lt);
}

void checkPassfeder(const ConnectionRecord& r, Findings& found) {
  found.inRange("d", r.d);
  found.inRange("h", r.h);
  found.inRange("t1", r.t1);
  found.oneOrTwo("i", r.i);
  found.below("t1", r.t1, "h", r.h);
}

void checkKeilwelle(const ConnectionRecord& r, Findings& found) {
  found.inRange("d1", r.d1);
  found.inRange("d2", r.d2);
  found.count("i", r.i);
  found.oneOrTwo("variante", r.variante);
  found.below("d1", r.d1, "d2", r.d2);
}

void checkZahnwelle(const ConnectionRecord& r, Findings& found) {
  found.inRange("d2", r.d2);
  found.inRange("d3", r.d3);
  found.count("z", r.z);
  found.oneOrTwo("variante", r.variante);
  found.below("d2", r.d2, "d3", r.d3);
}

void checkPolygon(const ConnectionRecord& r, Findings& found) {
  found.oneOrTwo("polygonTyp", r.polygonTyp);
  if (r.polygonTyp == 1) {
    found.inRange("d1", r.d1);
    found.inRange("e1", r.e1);
  } else if (r.polygonTyp == 2) {
    found.inRange("d2", r.d2);
    found.inRange("e", r.e);
    found.inRange("er", r.er);
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
    found.inRange(field, value);
  }
  // As the calculation works them out: the taper per unit length, the small diameter and the
  // sum of the friction angle and the half cone angle, whose tangent divides.
  const double C = 1 / r.X;
  if (!found.has("X") && !found.has("D") && !found.has("L") && !(r.D - r.L * C > 0)) {
    found.add("L", "L ist zu lang: der kleine Durchmesser D - L/X muss über 0 liegen",
              "L is too long: the small diameter D - L/X must be above 0");
  }
  if (!found.has("X") && !found.has("my") && !(std::tan(std::atan(r.my) + std::atan(C / 2)) > 0)) {
    found.add("my",
              "my ist für den Kegel zu groß: Reibungswinkel und halber Kegelwinkel müssen "
              "zusammen unter 90° bleiben",
              "my is too large for the taper: the friction angle and half the cone angle must "
              "stay below 90 degrees together");
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
    found.inRange(field, value);
  }
  found.count("i", r.i);
  found.count("m", r.m);
  found.inRange("my", r.my);
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
