#include "console/results_report.h"

#include <gtest/gtest.h>

#include "calc/klemm.h"
#include "support/g_text.h"
#include "support/session.h"

namespace zorpi {
namespace {

using testing::gText;
using testing::kFullMenu;
using testing::kPageBreak;
using testing::kShortMenu;
using testing::kTypeList;
using testing::typeAtTerminal;

const std::string kTaperFirstPart =
    "Ergebnisse\nrho  = 6.2773 [Grad]\nalpha= 5.72481 [Grad]\nSelbsthemmung\nd    = 53 [mm]\n"
    "DF   = 56.5 [mm]\nFF   = 65978.9 [N]\nTV   = 1863.9 [Nm]\nweiter mit bel.Taste..";
const std::string kTaperSecondPart =
    "\npAzul= 152.76 [N/mm2]\npIzul= 264.619 [N/mm2]\np    = 48.2743 [N/mm2]\n"
    "pzul = 150 [N/mm2]\nweiter mit bel.Taste..";

TEST(ResultsReport, TaperExampleEndToEndTwice) {
  const auto session = typeAtTerminal("g  g  q", "");
  const std::string report = kTaperFirstPart + kTaperSecondPart + "\n";
  EXPECT_EQ(session.screen, kShortMenu + report + kShortMenu + report + kShortMenu);
}

TEST(ResultsReport, XAtFirstPageBreakStillStoresSmallDiameter) {
  const auto session = typeAtTerminal("gxgxawxawxq", "1\n6\n");
  EXPECT_EQ(session.screen,
            kShortMenu + kTaperFirstPart + kShortMenu + kTaperFirstPart + kShortMenu + kTypeList +
                kFullMenu +
                "momentan def. Werte:\nPassfeder\nT = 0 [Nm]\np0= 150 [N/mm2]\nd = 53 [mm]\n"
                "lt= 0 [mm]\nh = 0 [mm]\nt1= 0 [mm]\ni = 0\n" +
                kPageBreak + kFullMenu + kTypeList + kShortMenu +
                "momentan def. Werte:\nKlemmverb.\np0= 150 [N/mm2]\nd = 53 [mm]\nl = 0 [mm]\n"
                "ls= 0 [mm]\na = 0 [mm]\nFV= 96500 [N]\n" +
                kPageBreak + kShortMenu);
}

TEST(ResultsReport, ParallelKeyWorkedCase) {
  const auto session = typeAtTerminal("aebdg q", "1\n40\n50\n8\n5\n1\n100\n1\n");
  const std::size_t at = session.screen.find("Ergebnisse");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(session.screen.substr(at), "Ergebnisse\np    = 33.3333 [N/mm2]\npzul = 120 [N/mm2]\n" +
                                           kPageBreak + "\n" + kFullMenu);
}

TEST(ResultsReport, ParallelKeyWithFiveKeysDividesByZero) {
  // No loading chosen and no earlier calculation: pzul is still 0.
  const auto session = typeAtTerminal("aebgxq", "1\n40\n50\n8\n5\n5\n100\n");
  const std::size_t at = session.screen.find("Ergebnisse");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(session.screen.substr(at),
            "Ergebnisse\np    = inf [N/mm2]\npzul = 0 [N/mm2]\n" + kPageBreak + kFullMenu);
}

TEST(ResultsReport, SplineFlankHeightReachesParallelKey) {
  const auto session = typeAtTerminal("aebdg aw q", "2\n46\n50\n40\n8\n1\n500\n1\n1\n");
  EXPECT_NE(session.screen.find("Ergebnisse\np    = 43.4028 [N/mm2]\npzul = 120 [N/mm2]\n"),
            std::string::npos);
  EXPECT_NE(session.screen.find("Passfeder\nT = 500 [Nm]\np0= 150 [N/mm2]\neinseitig,ruhend\n"
                                "d = 0 [mm]\nlt= 40 [mm]\nh = 2 [mm]\n"),
            std::string::npos);
}

TEST(ResultsReport, ClampLines) {
  const auto session = typeAtTerminal("aeg q", "6\n30\n40\n25\n20\n10000\n2\n1\n0.15\n1\n");
  const std::size_t at = session.screen.find("Ergebnisse");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(session.screen.substr(at),
            "Ergebnisse\nFF   = 11309.7 [N]\nTV   = 169.646 [Nm]\nSigB = 18.75 [N/mm2]\n"
            "p    = 20 [N/mm2]\npzul = 150 [N/mm2]\n" +
                kPageBreak + "\n" + kShortMenu);
}

TEST(ResultsReport, ClampAtStartPrintsNotANumbersAsPrintfDoes) {
  ConnectionRecord expected = createDefaultRecord();
  calcKlemm(expected);
  const std::string nan = gText(expected.p);
  const auto session = typeAtTerminal("agxq", "6\n");
  const std::size_t at = session.screen.find("Ergebnisse");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(session.screen.substr(at), "Ergebnisse\nFF   = " + nan + " [N]\nTV   = " + nan +
                                           " [Nm]\nSigB = " + nan + " [N/mm2]\np    = " + nan +
                                           " [N/mm2]\npzul = 150 [N/mm2]\n" + kPageBreak +
                                           kShortMenu);
}

TEST(ResultsReport, PolygonWithoutProfileKeepsLastPressure) {
  const auto session = typeAtTerminal("g  agxq", "4\n");
  EXPECT_NE(session.screen.find("Ergebnisse\np    = 48.2743 [N/mm2]\npzul = 150 [N/mm2]\n" +
                                kPageBreak + kFullMenu),
            std::string::npos);
}

TEST(ResultsReport, NotSelfLockingTaper) {
  const auto session = typeAtTerminal("egxq", "10\n60\n70\n96500\n0.05\n");
  EXPECT_NE(session.screen.find("\nkeine Selbsthemmung\n"), std::string::npos);
}

}  // namespace
}  // namespace zorpi
