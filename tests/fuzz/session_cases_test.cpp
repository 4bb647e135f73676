// Every seed session and every input the fuzzer ever found, run through the same checks.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/session_check.h"

namespace zorpi::testing {
namespace {

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Returns how many files of `folder` were checked.
std::size_t checkEveryFile(const std::filesystem::path& folder) {
  std::size_t checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') {
      EXPECT_EQ(checkSession(contents(entry.path())), "") << entry.path();
      ++checked;
    }
  }
  return checked;
}

// The seeds (one real session per connection type) and whatever the fuzzer has found.
TEST(FuzzCases, KeptCasesHoldTheChecks) {
  const std::filesystem::path folder = ZORPI_FUZZ_DIR;
  EXPECT_GE(checkEveryFile(folder / "corpus"), 6u);
  checkEveryFile(folder / "regressions");
}

}  // namespace
}  // namespace zorpi::testing
