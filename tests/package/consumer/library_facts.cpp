// A program of someone else's that uses the installed calculation library through its one
// header: a parallel key through calculate(), check() on good and bad records, a record made
// without an initialiser, and the version. Prints one line; the package tests compare it.

#include <zorpi/zorpi.h>

#include <cstdio>
#include <string>

namespace {

std::string named(const zorpi::ConnectionRecord& r) {
  std::string fields;
  for (const zorpi::Problem& problem : zorpi::check(r)) {
    fields += (fields.empty() ? "" : " ") + problem.field;
  }
  return fields.empty() ? "none" : fields;
}

}  // namespace

int main() {
  zorpi::ConnectionRecord plain;  // made without an initialiser: all zeros
  const bool zeros = plain.typ == 0 && plain.i == 0 && plain.T == 0 && plain.p0 == 0 &&
                     plain.X == 0 && plain.p == 0 && plain.pzul == 0 && plain.SigB == 0;
  zorpi::ConnectionRecord key;
  key.typ = zorpi::Passfeder;
  key.T = 250;
  key.p0 = 100;
  key.beanArt = zorpi::EinseitigLeicht;
  key.d = 40;
  key.lt = 50;
  key.h = 8;
  key.t1 = 5;
  key.i = 1;
  zorpi::calculate(key);
  zorpi::ConnectionRecord threeKeys = key;
  threeKeys.i = 3;
  zorpi::ConnectionRecord deepKeyway = key;
  deepKeyway.t1 = 9;
  std::printf(
      "p = %g, pzul = %g, problems: %s, taper: %s, i = 3: %s, t1 = 9: %s, zeros: %s, "
      "version: %s\n",
      key.p, key.pzul, named(key).c_str(), named(zorpi::createDefaultRecord()).c_str(),
      named(threeKeys).c_str(), named(deepKeyway).c_str(), zeros ? "yes" : "no",
      ZORPI_VERSION_STRING);
}
