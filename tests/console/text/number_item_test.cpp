#include "console/text/number_item.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "model/connection_record.h"
#include "support/g_text.h"
#include "support/session_check.h"

namespace zorpi::testing {
namespace {

struct ItemCase {
  bool integer;       // asked at an integer prompt, else at a real one
  std::string typed;  // a whole line
  std::string shown;  // the field afterwards, as the screens print it
};

// Whole and unfinished items on the record; the huge ones are in the bounds tests. A real is
// the taper's p0, followed by DA; an integer is the clamp's i, followed by m. The field after
// it shows that the line went as a whole, whatever the item did.
TEST(NumberItems, WholeAndUnfinishedItemsOnTheRecord) {
  const ItemCase cases[] = {
      {false, "1.5e3", "1500"},   {false, ".5", "0.5"},      {false, "7.", "7"},
      {false, "0x1p4", "16"},     {false, "-0X.8", "-0.5"},  {false, "-Infinity", "-inf"},
      {false, "nan(1_a)", "nan"}, {false, "5e", "150"},      {false, "5e+", "150"},
      {false, "1.5E", "150"},     {false, "0x", "150"},      {false, ".", "150"},
      {false, "-", "150"},        {false, "infinit", "150"}, {false, "nan(", "150"},
      {false, "0x1p", "150"},     {true, "-7", "-7"},        {true, "+", "0"},
      {true, "-", "0"},           {true, "x", "0"},
  };
  for (const ItemCase& c : cases) {
    ConnectionRecord r = createDefaultRecord();
    if (c.integer) {
      ASSERT_EQ(checkSession("a\n6\ne\n40\n50\n60\n30\n20000\n" + c.typed + "\n1\n0.15\n1\nq\n", r),
                "");
      EXPECT_EQ(std::to_string(r.i), c.shown) << c.typed;
      EXPECT_EQ(r.m, 1) << c.typed;
    } else {
      ASSERT_EQ(checkSession("c\n" + c.typed + "\n91\n1.5\n301\n351\nq\n", r), "");
      EXPECT_EQ(gText(r.p0), c.shown) << c.typed;
      EXPECT_EQ(r.DA, 91) << c.typed;
    }
  }
}

// The exact decimal digits of 2^-1075, halfway between 0 and the smallest double: 751 of
// them, with value 0.digits x 10^exponent.
std::string halfwayToSmallestDouble(int& exponent) {
  std::string digits = "1";
  exponent = 1;
  for (int k = 0; k < 1075; ++k) {
    std::string half;
    int carry = 0;
    for (const char c : digits) {
      const int value = carry * 10 + (c - '0');
      half += static_cast<char>('0' + value / 2);
      carry = value % 2;
    }
    half += carry != 0 ? "5" : "";
    if (half[0] == '0') {
      half.erase(0, 1);
      --exponent;
    }
    digits = half;
  }
  return digits;
}

// Random long items, decimal and hexadecimal, up to far more digits than are kept: the
// value must be strtod's on the whole text, to the bit.
TEST(NumberItems, LongItemsGetStrtodsValue) {
  std::mt19937 random(1208);
  const auto digits = [&random](std::size_t count, const char* alphabet, std::size_t base) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k) {
      text += alphabet[random() % base];
    }
    return text;
  };
  int exponent = 0;
  const std::string halfway = "0." + halfwayToSmallestDouble(exponent);
  std::vector<std::string> texts = {
      // Exactly halfway between two doubles, and just above: only a digit far beyond the
      // first ones decides which way to round.
      "9007199254740993." + std::string(1000, '0') + "1",
      "9007199254740993." + std::string(1000, '0'),
      halfway + "e" + std::to_string(exponent),
      halfway + "1e" + std::to_string(exponent),
  };
  for (int k = 0; k < 300; ++k) {
    const bool hex = k % 3 == 0;
    const char* alphabet = hex ? "0123456789abcdefABCDEF" : "0123456789";
    std::string text = k % 2 ? "-" : "";
    text += hex ? "0x" : "";
    text += digits(random() % 1500, alphabet, hex ? 22 : 10) + "." +
            digits(1 + random() % 1500, alphabet, hex ? 22 : 10);
    text += (hex ? "p" : "e") + std::to_string(static_cast<int>(random() % 1400) - 700);
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    RealItem item;
    for (const char c : text) {
      ASSERT_TRUE(item.take(c)) << text;
    }
    ASSERT_TRUE(item.complete()) << text;
    const double expected = std::strtod(text.c_str(), nullptr);
    const double actual = item.value();
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0)
        << text.substr(0, 40) << "...: " << actual << " vs " << expected;
  }
}

// Digit shifts of over a million places against a written exponent of as many. Their values
// are plain to see, and MinGW's strtod gets some of them wrong on the whole text.
TEST(NumberItems, HugeShiftsMeetHugeExponents) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<std::string, double> cases[] = {
      {"1" + std::string(1'000'010, '0') + "e-1000010", 1.0},
      {"0." + std::string(2'000'000, '0') + "1e3000000", inf},
      {"0x1" + std::string(250'001, '0') + "p-1000004", 1.0},
      {"-0." + std::string(1'000'000, '0') + "1e999999999999999999999", -inf},
      {"1" + std::string(1'000'000, '0') + "e-99999999999999999999", 0.0},
  };
  for (const auto& [text, expected] : cases) {
    RealItem item;
    ASSERT_EQ(item.take(text), text.size());
    EXPECT_EQ(item.value(), expected)
        << text.substr(0, 20) << "..." << text.substr(text.size() - 20);
  }
}

// A NaN is the default quiet NaN that glibc's strtod gives for "nan" and "-nan", with the
// sign typed, whatever sequence it carries: the same bits on every platform, also where the
// platform's strtod would give others.
TEST(NumberItems, EveryNanIsThePlainQuietNan) {
  const char* texts[] = {"nan",      "NAN",    "nan()",
                         "nan(0)",   "nan(5)", "nan(0x10000000000000)",
                         "nan(1_a)", "-nan",   "-nan(0x10000000000000)",
                         "-NaN(0)"};
  for (const std::string text : texts) {
    RealItem item;
    ASSERT_EQ(item.take(text), text.size()) << text;
    ASSERT_TRUE(item.complete()) << text;
    const double value = item.value();
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    EXPECT_EQ(bits, text[0] == '-' ? 0xfff8000000000000u : 0x7ff8000000000000u) << text;
  }
}

}  // namespace
}  // namespace zorpi::testing
