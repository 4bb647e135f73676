#include "console/menu_loop.h"

#include <gtest/gtest.h>

#include "support/session.h"

namespace zorpi {
namespace {

using testing::kFullMenu;
using testing::kPageBreak;
using testing::kShortMenu;
using testing::kTypeList;
using testing::runScript;
using testing::typeAtTerminal;

const std::string kInfo =
    "ZORPI berechnet Welle-Nabe Verbindungen,vereinfacht nach DIN 6892 und verwandten "
    "Normen,ZORPI-Entwicklerteam,Dezember 2026\nweiter mit bel.Taste..";

TEST(MenuLoop, StartsWithTaperMenuAndQuitsWith113) {
  const auto session = typeAtTerminal("q", "");
  EXPECT_EQ(session.screen, kShortMenu);
  EXPECT_EQ(session.status, 113);
}

TEST(MenuLoop, FormFitTypesShowAllEightEntries) {
  const auto session = typeAtTerminal("aaq", "1\n6\n");
  EXPECT_EQ(session.screen, kShortMenu + kTypeList + kFullMenu + kTypeList + kShortMenu);
}

TEST(MenuLoop, KeysWithoutActionOnlyRedisplayTheMenu) {
  // Upper-case letters, a digit, a space and the three codes of the F1 key (ESC O P).
  const auto session = typeAtTerminal("GQ7 \x1bOPq", "");
  std::string expected = kShortMenu;
  for (int n = 0; n < 7; ++n) {
    expected += kShortMenu;
  }
  EXPECT_EQ(session.screen, expected);
}

TEST(MenuLoop, InfoScreenIgnoresItsKey) {
  // x has no special meaning here, and the menu follows on the next line at once.
  const auto session = typeAtTerminal("ixi q", "");
  EXPECT_EQ(session.screen, kShortMenu + kInfo + kShortMenu + kInfo + kShortMenu);
}

TEST(MenuLoop, EndOfKeysEndsLikeQWithNothingMorePrinted) {
  EXPECT_EQ(typeAtTerminal("", "").status, 113);
  const auto atInfo = typeAtTerminal("i", "");
  EXPECT_EQ(atInfo.screen, kShortMenu + kInfo);
  EXPECT_EQ(atInfo.status, 113);
  const auto atPageBreak = typeAtTerminal("w", "");
  EXPECT_EQ(atPageBreak.screen.substr(atPageBreak.screen.size() - kPageBreak.size()), kPageBreak);
  EXPECT_EQ(atPageBreak.status, 113);
}

TEST(MenuLoop, ScriptWithoutTerminalTakesKeysFromStandardInput) {
  const auto session = runScript("a\n1\nb\n100\nq\nthis is never read\n");
  EXPECT_EQ(session.screen,
            kShortMenu + kTypeList + kFullMenu + "Drehmoment:\nT [Nm]= " + kFullMenu);
  EXPECT_EQ(session.status, 113);
}

TEST(MenuLoop, ScriptThatEndsInsideAChoiceKeepsTheType) {
  // 9 is out of range, then the input ends: typ gets back 5, so the short menu follows.
  const auto session = runScript("a\n9\n");
  EXPECT_EQ(session.screen, kShortMenu + kTypeList + "\nTyp= " + kShortMenu);
  EXPECT_EQ(session.status, 113);
}

// Every line end ends a line, also the one of text that is not a number (the x at T).
TEST(MenuLoop, ScriptsWithAnyLineEndGiveTheSameScreens) {
  const std::string lf = "a\n1\ne\n40\n50\n8\n5\n1\nb\nx\nb\n100\nd\n1\ng\n \nw\n \nq\n";
  const auto unix = runScript(lf);
  EXPECT_NE(unix.screen.find("p    = 33.3333 [N/mm2]\n"), std::string::npos);
  for (const std::string lineEnd : {"\r", "\r\n"}) {
    std::string script;
    for (const char c : lf) {
      script += c == '\n' ? lineEnd : std::string(1, c);
    }
    const auto session = runScript(script);
    EXPECT_EQ(session.screen, unix.screen) << (lineEnd == "\r" ? "CR" : "CRLF");
    EXPECT_EQ(session.status, 113);
  }
}

}  // namespace
}  // namespace zorpi
