#include "console/console.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/session.h"

namespace zorpi {
namespace {

using testing::Reader;
using testing::ScriptedInput;
using testing::StandardInput;
using testing::StringOutputSink;

TEST(ChoicePrompt, RepeatsUntilInRangeAndSurvivesBadText) {
  Reader r("7\nabc\n0\n3\n");
  std::int32_t field = 0;
  choicePrompt(r.session, "\nTyp= ", field, 1, 6);
  EXPECT_EQ(field, 3);
  EXPECT_EQ(r.sink.text, "\nTyp= \nTyp= \nTyp= \nTyp= ");

  // Text that is not a number leaves a field already in range as it was: one prompt only.
  Reader inRange("abc\n2\n");
  field = 5;
  choicePrompt(inRange.session, "\nTyp= ", field, 1, 6);
  EXPECT_EQ(field, 5);
  EXPECT_EQ(inRange.sink.text, "\nTyp= ");
  std::int32_t next = 0;
  EXPECT_TRUE(readInt(inRange.session, next));
  EXPECT_EQ(next, 2);
}

TEST(ChoicePrompt, EndOfInputRestoresTheValueBeforeThePrompt) {
  Reader r("9\n8\n");
  std::int32_t field = 5;
  choicePrompt(r.session, "\nTyp= ", field, 1, 6);
  EXPECT_EQ(field, 5);
  EXPECT_EQ(r.sink.text, "\nTyp= \nTyp= \nTyp= ");
}

// A key of several codes can arrive while a number read has left text of its line unread:
// that text stays for the next number read, and the codes act as if pressed one by one.
TEST(Session, KeysOfSeveralCodesNeverTakeNumberText) {
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

// At the keyboard's terminal, a line typed or pasted ahead without its line end stands after
// the number prompt that reaches it, and what is typed then continues it.
TEST(Session, ALineTypedAheadWithoutItsEndBeginsTheLineTyped) {
  ScriptedInput input({"c\n12", "w", " ", " ", "q"}, "5\n1 1 1 1\n", StandardInput::Keyboard);
  StringOutputSink sink;
  Session session(input, sink);
  runMenuLoop(session);
  EXPECT_EQ(input.begunLines, std::vector<std::string>{"12"});
  EXPECT_NE(sink.text.find("p0= 125 [N/mm2]\n"), std::string::npos);
}

// Each key read tells what it waits for and the number text left unread meanwhile; q tells
// how much of its burst followed it.
TEST(Session, KeyReadsStateWhatTheyWaitFor) {
  ScriptedInput input({"a", "b", "w", " ", "cqz"}, "1\n1 ,5\n", StandardInput::Keyboard);
  StringOutputSink sink;
  Session session(input, sink);
  runMenuLoop(session);
  const std::vector<std::string> waits = {"menu:", "formfit:", "formfit:,5", "page:,5",
                                          "formfit:,5"};
  EXPECT_EQ(input.keyWaits, waits);
  EXPECT_EQ(input.quitUntaken, 1);
}

// The facts of `sink` but those of the menus and the dialogues.
std::vector<std::string> screenFacts(const StringOutputSink& sink) {
  std::vector<std::string> facts;
  for (const std::string& fact : sink.facts) {
    if (fact.rfind("menu ", 0) != 0 && fact.rfind("dialogue ", 0) != 0) {
      facts.push_back(fact);
    }
  }
  return facts;
}

// The listing and the results state each value they print as a fact of its field, with the
// symbol, the value and the unit as printed, each choice and the type by its number, and the
// kind of loading the calculation used with the factor of pzul; each menu and each dialogue
// is stated where it begins.
TEST(Session, ScreensStateTheFactsTheyShow) {
  ScriptedInput input("aw  g q", "6\n");
  StringOutputSink sink;
  Session session(input, sink);
  runMenuLoop(session);
  const std::vector<std::string> first = {"menu  =menu ", "dialogue  =a ",
                                          "dialogue  = ", "menu  =menu "};
  EXPECT_EQ(std::vector<std::string>(sink.facts.begin(), sink.facts.begin() + 4), first);
  const std::vector<std::string> facts = {"type typ Klemmverb.=6 ", "value p0 p0=150 N/mm2",
                                          "value d d=0 mm",         "value l l=0 mm",
                                          "value ls ls=0 mm",       "value a a=0 mm",
                                          "value FV FV=96500 N",    "value i i=0 ",
                                          "value m m=0 ",           "value my my=0.11 ",
                                          "loading beanArt = ",     "derived f =1 ",
                                          "derived kp =0 ",         "derived kb =0 ",
                                          "derived W =0 ",          "value FF FF=-nan N",
                                          "value TV TV=-nan Nm",    "value SigB SigB=-nan N/mm2",
                                          "value p p=-nan N/mm2",   "value pzul pzul=150 N/mm2"};
  EXPECT_EQ(screenFacts(sink), facts);
  StringOutputSink polygon;
  ScriptedInput keys("ad wxg q", "4\n1\n");
  Session again(keys, polygon);
  runMenuLoop(again);
  const std::vector<std::string> shown = screenFacts(polygon);
  EXPECT_EQ(shown[0], "type typ =4 ") << "no profile: no line, but the type";
  EXPECT_EQ(shown[3], "choice beanArt einseitig,ruhend=1 ");
  EXPECT_EQ(shown[4], "loading beanArt einseitig,ruhend=1 ");
  EXPECT_EQ(shown[5], "derived f =1.1 ");
}

// Records what had reached the screen each time the program began to wait for input.
class WaitRecorder : public InputSource {
 public:
  WaitRecorder(std::string keys, std::string lines, StringOutputSink& screen)
      : inner_(std::move(keys), std::move(lines)), screen_(screen) {}
  bool hasKeyboard() const override { return true; }
  bool standardInputIsKeyboard() const override { return true; }
  std::size_t readKeyboard(Output& output, const KeyWait& wait, char* buffer,
                           std::size_t capacity) override {
    const std::size_t got = inner_.readKeyboard(output, wait, buffer, capacity);
    seenAtWait.push_back(screen_.text);
    return got;
  }
  std::size_t readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                std::size_t capacity) override {
    output.flush();
    seenAtWait.push_back(screen_.text);
    return inner_.readStandardInput(output, wait, buffer, capacity);
  }
  std::vector<std::string> seenAtWait;

 private:
  ScriptedInput inner_;
  StringOutputSink& screen_;
};

TEST(Session, EverythingPrintedIsOnScreenBeforeAnyWait) {
  StringOutputSink screen;
  WaitRecorder input("aq", "1\n", screen);
  Session session(input, screen);
  runMenuLoop(session);
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
