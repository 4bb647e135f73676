#include "console/text/value_format.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "support/g_text.h"

namespace zorpi {
namespace {

using testing::gText;

std::string formatted(double value) {
  std::string out;
  appendG(out, value);
  return out;
}

TEST(ValueFormat, RealsMatchPrintfG) {
  const double inf = std::numeric_limits<double>::infinity();
  volatile double zero = 0;  // computed at run time, as the program's not-a-numbers are
  const double values[] = {0,
                           -0.0,
                           1,
                           150,
                           1.2,
                           0.11,
                           48.274312,
                           65978.94,
                           1863.9021,
                           999999.5,
                           1e6,
                           123456789,
                           0.0001,
                           0.00001234,
                           1e-300,
                           4.9e-324,
                           1e308,
                           -2.5,
                           100000,
                           999999,
                           0.5,
                           1.0 / 3,
                           2666.6666,
                           inf,
                           -inf,
                           zero / zero,
                           -(zero / zero),
                           std::numeric_limits<double>::quiet_NaN()};
  for (const double value : values) {
    EXPECT_EQ(formatted(value), gText(value));
  }
}

TEST(ValueFormat, RandomBitPatternsMatchPrintfG) {
  std::mt19937_64 random(20261208);
  for (int n = 0; n < 200000; ++n) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    ASSERT_EQ(formatted(value), gText(value)) << "bits " << bits;
  }
  // Values near the rounding edges of six digits, where a formatter is most likely wrong.
  std::uniform_real_distribution<double> mantissa(1, 10);
  for (int n = 0; n < 100000; ++n) {
    const double value = mantissa(random) * std::pow(10.0, n % 17 - 8);
    ASSERT_EQ(formatted(value), gText(value)) << value;
  }
}

TEST(ValueFormat, IntegersMatchPrintfD) {
  for (const std::int32_t value : {0, 1, -1, 5, 113, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min()}) {
    std::string out;
    appendD(out, value);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%" PRId32, value);
    EXPECT_EQ(out, expected);
  }
}

}  // namespace
}  // namespace zorpi
