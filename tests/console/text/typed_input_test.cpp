#include "console/text/typed_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "console/console.h"
#include "support/session.h"

namespace zorpi {
namespace {

using testing::Reader;

TEST(TypedInput, SkipsWhiteSpaceAcrossLinesAndLeavesTheRest) {
  Reader r("\n\n  \t 12.5 -3\n 7e2\n");
  double a = 0, b = 0, c = 0;
  EXPECT_TRUE(readReal(r.session, a));
  EXPECT_TRUE(readReal(r.session, b));
  EXPECT_TRUE(readReal(r.session, c));
  EXPECT_EQ(a, 12.5);
  EXPECT_EQ(b, -3);
  EXPECT_EQ(c, 700);
  EXPECT_EQ(r.sink.text, "") << "number reads print nothing";
}

TEST(TypedInput, TextThatIsNotANumberKeepsFieldAndDropsTheLine) {
  Reader r("abc 5\nxyz 6\n7\n8\n");
  double real = 1.5;
  std::int32_t integer = 4;
  EXPECT_TRUE(readReal(r.session, real));
  EXPECT_EQ(real, 1.5);
  EXPECT_TRUE(readInt(r.session, integer));
  EXPECT_EQ(integer, 4);
  EXPECT_TRUE(readReal(r.session, real));
  EXPECT_EQ(real, 7) << "the 5 and the 6 went with their lines";
  EXPECT_TRUE(readInt(r.session, integer));
  EXPECT_EQ(integer, 8);
}

TEST(TypedInput, NumberFollowedByText) {
  Reader r("12.5x 9\n3.7\n3.7\n4\n");
  double real = 0;
  std::int32_t integer = 0;
  EXPECT_TRUE(readReal(r.session, real));
  EXPECT_EQ(real, 12.5);
  EXPECT_TRUE(readReal(r.session, real));  // "x 9": not a number, line dropped
  EXPECT_EQ(real, 12.5);
  EXPECT_TRUE(readInt(r.session, integer));  // "3.7" at an integer read: 3, ".7" stays
  EXPECT_EQ(integer, 3);
  EXPECT_TRUE(readReal(r.session, real));
  EXPECT_EQ(real, 0.7);
  EXPECT_TRUE(readInt(r.session, integer));
  EXPECT_EQ(integer, 3);
  EXPECT_TRUE(readInt(r.session, integer));  // ".7" is no integer: kept, line dropped
  EXPECT_EQ(integer, 3);
  EXPECT_TRUE(readInt(r.session, integer));
  EXPECT_EQ(integer, 4);
}

TEST(TypedInput, IntegersOutsideThirtyTwoBitsSaturate) {
  struct Case {
    const char* typed;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"2147483647", std::numeric_limits<std::int32_t>::max()},
      {"2147483648", std::numeric_limits<std::int32_t>::max()},
      {"99999999999999999999999", std::numeric_limits<std::int32_t>::max()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-2147483649", std::numeric_limits<std::int32_t>::min()},
      {"-99999999999999999999999", std::numeric_limits<std::int32_t>::min()},
      {"+17", 17},
  };
  for (const Case& c : cases) {
    Reader r(std::string(c.typed) + "\n");
    std::int32_t value = 0;
    EXPECT_TRUE(readInt(r.session, value));
    EXPECT_EQ(value, c.expected) << c.typed;
  }
}

TEST(TypedInput, RealsAsStrtodTakesThem) {
  Reader r("inf -infinity nan 1e400 0x10 1e-400\n");
  std::vector<double> values(6, 42);
  for (double& value : values) {
    EXPECT_TRUE(readReal(r.session, value));
  }
  EXPECT_TRUE(std::isinf(values[0]) && values[0] > 0);
  EXPECT_TRUE(std::isinf(values[1]) && values[1] < 0);
  EXPECT_TRUE(std::isnan(values[2]));
  EXPECT_TRUE(std::isinf(values[3]));
  EXPECT_EQ(values[4], 16);
  EXPECT_EQ(values[5], 0);
}

TEST(TypedInput, EndOfInputKeepsFieldsForGood) {
  Reader r("42");  // a last line without a line break still counts
  double real = 1;
  std::int32_t integer = 2;
  EXPECT_TRUE(readReal(r.session, real));
  EXPECT_EQ(real, 42);
  EXPECT_FALSE(readReal(r.session, real));
  EXPECT_FALSE(readInt(r.session, integer));
  EXPECT_FALSE(readReal(r.session, real));
  EXPECT_EQ(real, 42);
  EXPECT_EQ(integer, 2);

  Reader blank("   \n\n");
  EXPECT_FALSE(readReal(blank.session, real)) << "white space only is end of input";
}

TEST(TypedInput, KeysFromAScriptSkipLineBreaks) {
  Reader r("a\r\n\n1\r\nb", /*script=*/true);
  EXPECT_EQ(readKey(r.session, ReadKind::MenuKey), 'a');
  std::int32_t value = 0;
  EXPECT_TRUE(readInt(r.session, value));
  EXPECT_EQ(value, 1);
  EXPECT_EQ(readKey(r.session, ReadKind::MenuKey), 'b');
  EXPECT_EQ(readKey(r.session, ReadKind::MenuKey), kEndOfKeys);
  EXPECT_TRUE(r.session.keysEnded());
  EXPECT_EQ(readKey(r.session, ReadKind::MenuKey), kEndOfKeys);
}

// A key of several codes can arrive while a number read has left text of its line unread:
}  // namespace
}  // namespace zorpi
