// libFuzzer entry: arbitrary bytes as the standard input of a session with no terminal.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/session_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault =
      zorpi::testing::checkSession({reinterpret_cast<const char*>(data), size});
  if (!fault.empty()) {
    std::fprintf(stderr, "session check failed: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
