#include "console/entry_dialogues.h"

#include <gtest/gtest.h>

#include "support/session.h"

namespace zorpi {
namespace {

using testing::kFullMenu;
using testing::kLoadList;
using testing::kPageBreak;
using testing::kShortMenu;
using testing::kTypeList;
using testing::typeAtTerminal;

TEST(EntryDialogues, TypePromptRepeatsWithoutTheList) {
  const auto session = typeAtTerminal("aq", "7\n0\n3\n");
  EXPECT_EQ(session.screen, kShortMenu + kTypeList + "\nTyp= \nTyp= " + kFullMenu);
}

TEST(EntryDialogues, TorqueAndLoadingAreSilentForTaperAndClamp) {
  const auto session = typeAtTerminal("bdabdq", "6\n");
  EXPECT_EQ(session.screen, kShortMenu + kShortMenu + kShortMenu + kTypeList + kShortMenu +
                                kShortMenu + kShortMenu);
}

TEST(EntryDialogues, MaterialValuesOfTaperAndOfClamp) {
  const auto taper = typeAtTerminal("cw  q", "140\n160\n1.5\n400\n300\n");
  EXPECT_EQ(taper.screen,
            kShortMenu +
                "Grundwert Flankenpres:\np0 [N/mm2]= \nfuer Kegelverband:\nDA [mm]   = "
                "\nSp        = \nReA[N/mm2]= \nReI[N/mm2]= " +
                kShortMenu +
                "momentan def. Werte:\nKegelverb.\np0= 140 [N/mm2]\nKegel= 1:10\nD  = 60 [mm]\n"
                "L  = 70 [mm]\nFV = 96500 [N]\nmy = 0.11\n" +
                kPageBreak + "\nDA = 160 [mm]\nSp = 1.5\nReA= 400 [N/mm2]\nReI= 300 [N/mm2]\n" +
                kPageBreak + "\n" + kShortMenu);

  const auto clamp = typeAtTerminal("acq", "6\n120\n");
  EXPECT_EQ(clamp.screen, kShortMenu + kTypeList + kShortMenu +
                              "Grundwert Flankenpres:\np0 [N/mm2]= " + kShortMenu);
}

TEST(EntryDialogues, ParallelKeyTakesAnyKeyCount) {
  const auto session = typeAtTerminal("aebdwxq", "1\n40\n50\n8\n5\n5\n100\n1\n");
  EXPECT_EQ(session.screen,
            kShortMenu + kTypeList + kFullMenu +
                "Geometrieangaben fuer\nPassfeder:\nd  [mm]= \nlt [mm]= \nh  [mm]= "
                "\nt1 [mm]= \ni (1~2)= " +
                kFullMenu + "Drehmoment:\nT [Nm]= " + kFullMenu + kLoadList + kFullMenu +
                "momentan def. Werte:\nPassfeder\nT = 100 [Nm]\np0= 150 [N/mm2]\n"
                "einseitig,ruhend\nd = 40 [mm]\nlt= 50 [mm]\nh = 8 [mm]\nt1= 5 [mm]\ni = 5\n" +
                kPageBreak + kFullMenu);
}

TEST(EntryDialogues, SplineSerrationAndClampPrompts) {
  const auto spline = typeAtTerminal("aeq", "2\n46\n50\n40\n8\n3\n1\n");
  EXPECT_EQ(spline.screen, kShortMenu + kTypeList + kFullMenu +
                               "Geometrieangaben fuer\nKeilwelle:\nd1 [mm]= \nd2 [mm]= "
                               "\nlt [mm]= \nAnz. i = \nInnenzen=1,Flankenzen=2\nZentrierung= "
                               "\nZentrierung= " +
                               kFullMenu);

  const auto serration = typeAtTerminal("aeq", "3\n46\n50\n40\n20\n2\n");
  EXPECT_EQ(serration.screen, kShortMenu + kTypeList + kFullMenu +
                                  "Geometrieangaben fuer\nZahnwelle:\nd2 [mm]= \nd3 [mm]= "
                                  "\nlt [mm]= \nAnz. z = \nKerbver=1,Evolv.ver=2\nVerzahnung= " +
                                  kFullMenu);

  const auto clamp = typeAtTerminal("aeq", "6\n30\n40\n25\n20\n10000\n2\n1\n0.15\n1\n");
  EXPECT_EQ(clamp.screen,
            kShortMenu + kTypeList + kShortMenu +
                "Geometrieangaben fuer\nKlemmverb.:\nd [mm]= \nl [mm]= \nls[mm]= \na [mm]= "
                "\nFV [N]= \nAnz. i= \nAnz. m= \nmy    = \n1 Nabe geteilt\n2 Nabe geschlitzt"
                "\nAusfuehrung= " +
                kShortMenu);
}

TEST(EntryDialogues, PolygonReasksProfileBeforeLength) {
  const auto session = typeAtTerminal("aebdgxwxq", "4\n3\n1\n30\n40\n2\n200\n1\n");
  EXPECT_EQ(session.screen,
            kShortMenu + kTypeList + kFullMenu +
                "Geometrieangaben fuer\nPolygon:1 P3G / 2 P4C\nTyp= \nTyp= \nlt [mm]= "
                "\nd1 [mm]= \ne1 [mm]= " +
                kFullMenu + "Drehmoment:\nT [Nm]= " + kFullMenu + kLoadList + kFullMenu +
                "Ergebnisse\np    = 24.8016 [N/mm2]\npzul = 165 [N/mm2]\n" + kPageBreak +
                kFullMenu +
                "momentan def. Werte:\nPolygon P3G\nT = 200 [Nm]\np0= 150 [N/mm2]\n"
                "einseitig,ruhend\nlt= 30 [mm]\nd1= 40 [mm]\ne1= 2 [mm]\n" +
                kPageBreak + kFullMenu);
}

TEST(EntryDialogues, TwoNumbersOnOneLineAnswerTwoPrompts) {
  // The second number of "100 200" waits across the menu and answers the later p0 prompt.
  const auto session = typeAtTerminal("abcwxq", "1\n100 200\n");
  EXPECT_EQ(session.screen,
            kShortMenu + kTypeList + kFullMenu + "Drehmoment:\nT [Nm]= " + kFullMenu +
                "Grundwert Flankenpres:\np0 [N/mm2]= " + kFullMenu +
                "momentan def. Werte:\nPassfeder\nT = 100 [Nm]\np0= 200 [N/mm2]\nd = 0 [mm]\n"
                "lt= 0 [mm]\nh = 0 [mm]\nt1= 0 [mm]\ni = 0\n" +
                kPageBreak + kFullMenu);
}

}  // namespace
}  // namespace zorpi
