#pragma once

#include <cstdio>
#include <string>

namespace zorpi::testing {

// The value as the screens show it: printf's own "%g", independent of the program's formatter.
inline std::string gText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace zorpi::testing
