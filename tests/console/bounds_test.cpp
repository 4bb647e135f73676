// Hostile and huge input through the whole dialogue with no terminal: every session ends and
// the record holds what the number-read rules say.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "model/connection_record.h"
#include "support/session_check.h"

namespace zorpi::testing {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;
const std::string kManyDigits(200000, '7');

// The taper's material dialogue (key c) answered with `p0` and then with the four other
// values, which show where reading went on after `p0`.
ConnectionRecord afterMaterialValues(const std::string& p0) {
  ConnectionRecord record = createDefaultRecord();
  EXPECT_EQ(checkSession("c\n" + p0 + "\n91\n1.5\n301\n351\nq\n", record), "");
  return record;
}

TEST(Bounds, HugeLinesAtARealPrompt) {
  struct Case {
    const char* name;
    std::string p0Line;
    double expected;  // NaN: the field must be infinite
  };
  const Case cases[] = {
      {"1 MB of text: kept, line dropped", std::string(kMegabyte, 'z'), 150},
      {"1 MB of blanks before the number", std::string(kMegabyte, ' ') + "160", 160},
      {"200,000 digits overflow to inf", kManyDigits, std::nan("")},
      {"200,000 zeros after the point", "0." + std::string(200000, '0') + "1", 0},
      {"NUL first: not a number",
       std::string("\0"
                   "170",
                   4),
       150},
      {"invalid UTF-8: not a number", "\xc3\x28\xff\xfe", 150},
  };
  for (const Case& c : cases) {
    const ConnectionRecord r = afterMaterialValues(c.p0Line);
    if (std::isnan(c.expected)) {
      EXPECT_TRUE(std::isinf(r.p0)) << c.name;
    } else {
      EXPECT_EQ(r.p0, c.expected) << c.name;
    }
    EXPECT_EQ(r.DA, 91) << c.name;
    EXPECT_EQ(r.ReI, 351) << c.name;
  }
}

TEST(Bounds, NulAfterANumberEndsItAndSpoilsTheRestOfTheLine) {
  const ConnectionRecord r =
      afterMaterialValues(std::string("175\0"
                                      "9",
                                      5));
  EXPECT_EQ(r.p0, 175);
  // DA met "\0" "9": not a number, so that line went and every later value moved up one.
  EXPECT_EQ(r.DA, createDefaultRecord().DA);
  EXPECT_EQ(r.Sp, 91);
}

TEST(Bounds, HugeNumbersAtIntegerAndChoicePrompts) {
  ConnectionRecord record = createDefaultRecord();
  // 200,000 digits at "Typ= " saturate, are out of range and re-prompt; then the parallel
  // key's geometry with 200,000 digits for i.
  ASSERT_EQ(
      checkSession("a\n" + kManyDigits + "\n1\ne\n40\n50\n8\n5\n-" + kManyDigits + "\nq\n", record),
      "");
  EXPECT_EQ(record.typ, Passfeder);
  EXPECT_EQ(record.i, std::numeric_limits<std::int32_t>::min());
}

TEST(Bounds, KeysThatAreNoLettersOnlyShowTheMenu) {
  ConnectionRecord record = createDefaultRecord();
  ASSERT_EQ(checkSession(std::string("\0\xff\xc3\x28\x1b[A\x7f", 7) + "q", record), "");
  EXPECT_EQ(record.typ, Kegel);
  EXPECT_EQ(record.p0, 150);
}

TEST(Bounds, TenMegabytesOfRandomKeysEndWithTheChecksHeld) {
  std::mt19937 random(20261208);
  std::string script;
  script.reserve(10 * kMegabyte);
  while (script.size() < 10 * kMegabyte) {
    const char key = static_cast<char>(random() & 0xff);
    if (key != 'q') {
      script += key;
    }
  }
  EXPECT_EQ(checkSession(script), "");
}

}  // namespace
}  // namespace zorpi::testing
