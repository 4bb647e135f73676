#include "console/typed_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "console/console.h"
#include "support/session.h"

namespace zorpi {
namespace {

using testing::ScriptedInput;
using testing::StandardInput;
using testing::StringOutputSink;

// Standard input at a terminal (a line per read) unless `script` is set.
struct Reader {
  explicit Reader(std::string lines, bool script = false)
      : input(script ? ScriptedInput(std::move(lines)) : ScriptedInput("", std::move(lines))),
        console(input, sink) {}
  ScriptedInput input;
  StringOutputSink sink;
  Console console;
};

TEST(TypedInput, SkipsWhiteSpaceAcrossLinesAndLeavesTheRest) {
  Reader r("\n\n  \t 12.5 -3\n 7e2\n");
  double a = 0, b = 0, c = 0;
  EXPECT_TRUE(readReal(r.console, a));
  EXPECT_TRUE(readReal(r.console, b));
  EXPECT_TRUE(readReal(r.console, c));
  EXPECT_EQ(a, 12.5);
  EXPECT_EQ(b, -3);
  EXPECT_EQ(c, 700);
  EXPECT_EQ(r.sink.text, "") << "number reads print nothing";
}

TEST(TypedInput, TextThatIsNotANumberKeepsFieldAndDropsTheLine) {
  Reader r("abc 5\nxyz 6\n7\n8\n");
  double real = 1.5;
  std::int32_t integer = 4;
  EXPECT_TRUE(readReal(r.console, real));
  EXPECT_EQ(real, 1.5);
  EXPECT_TRUE(readInt(r.console, integer));
  EXPECT_EQ(integer, 4);
  EXPECT_TRUE(readReal(r.console, real));
  EXPECT_EQ(real, 7) << "the 5 and the 6 went with their lines";
  EXPECT_TRUE(readInt(r.console, integer));
  EXPECT_EQ(integer, 8);
}

TEST(TypedInput, NumberFollowedByText) {
  Reader r("12.5x 9\n3.7\n3.7\n4\n");
  double real = 0;
  std::int32_t integer = 0;
  EXPECT_TRUE(readReal(r.console, real));
  EXPECT_EQ(real, 12.5);
  EXPECT_TRUE(readReal(r.console, real));  // "x 9": not a number, line dropped
  EXPECT_EQ(real, 12.5);
  EXPECT_TRUE(readInt(r.console, integer));  // "3.7" at an integer read: 3, ".7" stays
  EXPECT_EQ(integer, 3);
  EXPECT_TRUE(readReal(r.console, real));
  EXPECT_EQ(real, 0.7);
  EXPECT_TRUE(readInt(r.console, integer));
  EXPECT_EQ(integer, 3);
  EXPECT_TRUE(readInt(r.console, integer));  // ".7" is no integer: kept, line dropped
  EXPECT_EQ(integer, 3);
  EXPECT_TRUE(readInt(r.console, integer));
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
    EXPECT_TRUE(readInt(r.console, value));
    EXPECT_EQ(value, c.expected) << c.typed;
  }
}

TEST(TypedInput, RealsAsStrtodTakesThem) {
  Reader r("inf -infinity nan 1e400 0x10 1e-400\n");
  std::vector<double> values(6, 42);
  for (double& value : values) {
    EXPECT_TRUE(readReal(r.console, value));
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
  EXPECT_TRUE(readReal(r.console, real));
  EXPECT_EQ(real, 42);
  EXPECT_FALSE(readReal(r.console, real));
  EXPECT_FALSE(readInt(r.console, integer));
  EXPECT_FALSE(readReal(r.console, real));
  EXPECT_EQ(real, 42);
  EXPECT_EQ(integer, 2);

  Reader blank("   \n\n");
  EXPECT_FALSE(readReal(blank.console, real)) << "white space only is end of input";
}

TEST(ChoicePrompt, RepeatsUntilInRangeAndSurvivesBadText) {
  Reader r("7\nabc\n0\n3\n");
  std::int32_t field = 0;
  choicePrompt(r.console, "\nTyp= ", field, 1, 6);
  EXPECT_EQ(field, 3);
  EXPECT_EQ(r.sink.text, "\nTyp= \nTyp= \nTyp= \nTyp= ");

  // Text that is not a number leaves a field already in range as it was: one prompt only.
  Reader inRange("abc\n2\n");
  field = 5;
  choicePrompt(inRange.console, "\nTyp= ", field, 1, 6);
  EXPECT_EQ(field, 5);
  EXPECT_EQ(inRange.sink.text, "\nTyp= ");
  std::int32_t next = 0;
  EXPECT_TRUE(readInt(inRange.console, next));
  EXPECT_EQ(next, 2);
}

TEST(ChoicePrompt, EndOfInputRestoresTheValueBeforeThePrompt) {
  Reader r("9\n8\n");
  std::int32_t field = 5;
  choicePrompt(r.console, "\nTyp= ", field, 1, 6);
  EXPECT_EQ(field, 5);
  EXPECT_EQ(r.sink.text, "\nTyp= \nTyp= \nTyp= ");
}

TEST(TypedInput, KeysFromAScriptSkipLineBreaks) {
  Reader r("a\r\n\n1\r\nb", /*script=*/true);
  EXPECT_EQ(readKey(r.console), 'a');
  std::int32_t value = 0;
  EXPECT_TRUE(readInt(r.console, value));
  EXPECT_EQ(value, 1);
  EXPECT_EQ(readKey(r.console), 'b');
  EXPECT_EQ(readKey(r.console), kEndOfKeys);
  EXPECT_TRUE(r.console.keysEnded());
  EXPECT_EQ(readKey(r.console), kEndOfKeys);
}

// A key of several codes can arrive while a number read has left text of its line unread:
// that text stays for the next number read, and the codes act as if pressed one by one.
TEST(Console, KeysOfSeveralCodesNeverTakeNumberText) {
  const std::string keys[] = {"\x1bOP", "\x1b[C", "\xc3\xa4", "\x1b[1;5H", "\x1b[15~"};
  for (const StandardInput from : {StandardInput::Keyboard, StandardInput::Redirected}) {
    for (const std::string& key : keys) {
      // T takes 100; 150 waits for p0, which c asks after the key.
      const std::vector<std::string> together = {"a", "b", key, "c", "w", " ", "q"};
      std::vector<std::string> alone;
      for (const std::string& burst : together) {
        for (const char code : burst) {
          alone.emplace_back(1, code);
        }
      }
      const std::string lines = "1\n100 150 q\n";
      const auto session = testing::typeBursts(together, lines, from);
      EXPECT_EQ(session.screen, testing::typeBursts(alone, lines, from).screen) << key;
      EXPECT_NE(session.screen.find("T = 100 [Nm]\np0= 150 [N/mm2]\n"), std::string::npos) << key;
    }
  }
}

// Records what had reached the screen each time the program began to wait for input.
class WaitRecorder : public InputSource {
 public:
  WaitRecorder(std::string keys, std::string lines, StringOutputSink& screen)
      : inner_(std::move(keys), std::move(lines)), screen_(screen) {}
  bool hasKeyboard() const override { return true; }
  bool standardInputIsKeyboard() const override { return true; }
  std::size_t readKeyboard(Output& output, char* buffer, std::size_t capacity) override {
    const std::size_t got = inner_.readKeyboard(output, buffer, capacity);
    seenAtWait.push_back(screen_.text);
    return got;
  }
  std::size_t readStandardInput(char* buffer, std::size_t capacity) override {
    seenAtWait.push_back(screen_.text);
    return inner_.readStandardInput(buffer, capacity);
  }
  std::vector<std::string> seenAtWait;

 private:
  ScriptedInput inner_;
  StringOutputSink& screen_;
};

TEST(Console, EverythingPrintedIsOnScreenBeforeAnyWait) {
  StringOutputSink screen;
  WaitRecorder input("aq", "1\n", screen);
  Console console(input, screen);
  runMenuLoop(console);
  using testing::kFullMenu;
  using testing::kShortMenu;
  using testing::kTypeList;
  ASSERT_EQ(input.seenAtWait.size(), 3u);
  EXPECT_EQ(input.seenAtWait[0], kShortMenu);
  EXPECT_EQ(input.seenAtWait[1], kShortMenu + kTypeList) << "the prompt shows while typing";
  EXPECT_EQ(input.seenAtWait[2], kShortMenu + kTypeList + kFullMenu);
  EXPECT_EQ(screen.text, input.seenAtWait[2]) << "q printed nothing";
}

}  // namespace
}  // namespace zorpi
