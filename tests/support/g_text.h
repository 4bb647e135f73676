#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace zorpi::testing {

// The value as the screens show it: printf's own "%g", independent of the program's formatter.
// A not-a-number is written as glibc writes it, with its sign, on every platform: the C
// library of Windows leaves the sign out, but a transcript must be the same everywhere.
inline std::string gText(double value) {
  if (std::isnan(value)) {
    return std::signbit(value) ? "-nan" : "nan";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace zorpi::testing
