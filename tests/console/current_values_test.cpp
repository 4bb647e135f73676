#include "console/current_values.h"

#include <gtest/gtest.h>

#include "support/session.h"

namespace zorpi {
namespace {

using testing::kFullMenu;
using testing::kPageBreak;
using testing::kShortMenu;
using testing::kTypeList;
using testing::typeAtTerminal;

const std::string kTaperFirstPage =
    "momentan def. Werte:\nKegelverb.\np0= 150 [N/mm2]\nKegel= 1:10\nD  = 60 [mm]\n"
    "L  = 70 [mm]\nFV = 96500 [N]\nmy = 0.11\nweiter mit bel.Taste..";

TEST(CurrentValues, AtStartWithBothPageBreaks) {
  const auto session = typeAtTerminal("w  q", "");
  EXPECT_EQ(session.screen, kShortMenu + kTaperFirstPage +
                                "\nDA = 150 [mm]\nSp = 1.2\nReA= 370 [N/mm2]\nReI= 275 [N/mm2]\n" +
                                kPageBreak + "\n" + kShortMenu);
}

TEST(CurrentValues, XAtFirstPageBreakReturnsAtOnce) {
  const auto session = typeAtTerminal("wxq", "");
  EXPECT_EQ(session.screen, kShortMenu + kTaperFirstPage + kShortMenu);
}

TEST(CurrentValues, UpperCaseXContinues) {
  const auto session = typeAtTerminal("wXXq", "");
  EXPECT_EQ(session.screen, kShortMenu + kTaperFirstPage +
                                "\nDA = 150 [mm]\nSp = 1.2\nReA= 370 [N/mm2]\nReI= 275 [N/mm2]\n" +
                                kPageBreak + "\n" + kShortMenu);
}

TEST(CurrentValues, FormFitWithoutLoadingAndPolygonWithoutProfile) {
  const auto key = typeAtTerminal("aw q", "3\n");
  EXPECT_EQ(key.screen, kShortMenu + kTypeList + kFullMenu +
                            "momentan def. Werte:\nZahnwelle\nT = 0 [Nm]\np0= 150 [N/mm2]\n"
                            "d2= 0 [mm]\nd3= 0 [mm]\nlt= 0 [mm]\nz = 0\n" +
                            kPageBreak + "\n" + kFullMenu);

  const auto polygon = typeAtTerminal("aw q", "4\n");
  EXPECT_EQ(polygon.screen, kShortMenu + kTypeList + kFullMenu +
                                "momentan def. Werte:\nT = 0 [Nm]\np0= 150 [N/mm2]\n" + kPageBreak +
                                "\n" + kFullMenu);
}

TEST(CurrentValues, ClampBlockAndItsPageBreak) {
  const auto session = typeAtTerminal("aew  wxq", "6\n30\n40\n25\n20\n10000\n2\n1\n0.15\n2\n");
  const std::string firstPage =
      "momentan def. Werte:\nKlemmverb.\np0= 150 [N/mm2]\nd = 30 [mm]\nl = 40 [mm]\n"
      "ls= 25 [mm]\na = 20 [mm]\nFV= 10000 [N]\n" +
      kPageBreak;
  const std::size_t start = session.screen.find("momentan def. Werte:");
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(session.screen.substr(start),
            firstPage + "\ni = 2\nm = 1\nmy= 0.15\nNabe geschlitzt\n" + kPageBreak + "\n" +
                kShortMenu + firstPage + kShortMenu);
}

TEST(CurrentValues, SplineAndP4CBlocks) {
  const auto spline = typeAtTerminal("aew q", "2\n46\n50\n40\n8\n2\n");
  const std::size_t at = spline.screen.find("momentan def. Werte:");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(spline.screen.substr(at),
            "momentan def. Werte:\nKeilwelle\nT = 0 [Nm]\np0= 150 [N/mm2]\nd1= 46 [mm]\n"
            "d2= 50 [mm]\nlt= 40 [mm]\ni = 8\nFlankenzentrierung\n" +
                kPageBreak + "\n" + kFullMenu);

  const auto p4c = typeAtTerminal("aedw q", "4\n2\n30\n40\n2\n5\n4\n");
  const std::size_t from = p4c.screen.find("momentan def. Werte:");
  ASSERT_NE(from, std::string::npos);
  EXPECT_EQ(p4c.screen.substr(from),
            "momentan def. Werte:\nPolygon P4C\nT = 0 [Nm]\np0= 150 [N/mm2]\n"
            "wechsel.,leichte Stoesse\nlt= 30 [mm]\nd2= 40 [mm]\ne = 2 [mm]\ner= 5 [mm]\n" +
                kPageBreak + "\n" + kFullMenu);
}

}  // namespace
}  // namespace zorpi
