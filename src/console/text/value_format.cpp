#include "console/text/value_format.h"

#include <charconv>
#include <cstdio>

namespace zorpi {

// std::to_chars with a precision is defined as printf in the "C" locale, so "general" with
// precision 6 is "%g" to the character, without printf's parsing of the format each time.
void appendG(std::string& out, double value) {
  char text[32];
#if defined(__cpp_lib_to_chars)
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  out.append(text, result.ptr);
#else
  // A library without to_chars for doubles (libc++ before 14): printf itself.
  const int length = std::snprintf(text, sizeof text, "%g", value);
  out.append(text, static_cast<std::size_t>(length));
#endif
}

void appendD(std::string& out, std::int32_t value) {
  char text[16];
  const auto result = std::to_chars(text, text + sizeof text, value);
  out.append(text, result.ptr);
}

}  // namespace zorpi
