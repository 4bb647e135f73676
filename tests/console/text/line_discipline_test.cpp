#include "console/text/line_discipline.h"

#include <gtest/gtest.h>

#include <string>

namespace zorpi {
namespace {

struct Typing {
  bool keyMode;       // the mode while typing
  std::string typed;  // the bytes as the keyboard sends them
  std::string taken;  // what reads in that mode get, line after line ("|" after each)
  std::string echo;   // what the terminal shows
  bool interrupted;
  Arrival arrival = Arrival::Typed;
  LineKeys controls = {};
};

// A terminal's settings as a POSIX program reads them: erase ^H, no interrupt key of its own
// (the terminal signals), no UTF-8.
constexpr LineKeys kTerminalControls{0x08, 0x15, 0x04, 0, false};
// With a terminal's extended editing: Ctrl-W, Ctrl-V and Ctrl-R.
constexpr LineKeys kExtended{0x7f, 0x15, 0x04, 0, true, 0x17, 0x16, 0x12};

// Everything the mode's reads get, each read's bytes followed by "|"; "EOF|" for the end.
std::string takeAll(LineDiscipline& discipline, bool keyMode) {
  std::string taken;
  char buffer[8192];
  while (keyMode ? discipline.hasKeys() : discipline.hasLine()) {
    const std::size_t got = keyMode ? discipline.takeKeys(buffer, sizeof buffer)
                                    : discipline.takeLine(buffer, sizeof buffer);
    taken += got == 0 ? "EOF" : std::string(buffer, got);
    taken += "|";
  }
  return taken;
}

TEST(LineDiscipline, EditsEchoesAndDeliversAsATerminalDoes) {
  const std::string full(LineDiscipline::kMaxLine, 'a');
  const Typing cases[] = {
      {false, "12\r", "12\n|", "12\n", false},
      {false, "1\r2\n", "1\n|2\n|", "1\n2\n", false},
      {false,
       "12\x7f"
       "3\r",
       "13\n|", "12\b \b3\n", false},
      {false,
       "\x7f"
       "1\r",
       "1\n|", "1\n", false},
      {false,
       "12\x15"
       "7\r",
       "7\n|", "12\b \b\b \b7\n", false},
      {false, "\x04", "EOF|", "", false},
      {false, "5\x04", "5|", "5", false},
      {false, "\x1b[A\r", "\x1b[A\n|", "^[[A\n", false},
      {false, "\x1b\x7f\r", "\n|", "^[\b \b\b \b\n", false},
      {false, "\xc3\xa9\x7f\r", "\n|", "\xc3\xa9\b \b\n", false},
      {false,
       "\xc2\x9b"
       "2J\xc2\xa0\x7f\r",
       "\xc2\x9b"
       "2J\n|",
       "\xef\xbf\xbd"
       "2J\xc2\xa0\b \b\n",
       false},
      {false,
       "1\x03"
       "2\r",
       "", "1^C", true},
      {false, full + "bc\r", full + "\n|", full + "\a\a\n", false},
      {false, full + "b\x7f\x15\x1b\r", full + "b\x7f\x15\x1b\n|", full + "b^?^U^[\n", false,
       Arrival::Paste},
      {true, "g\r", "g\n|", "", false},
      {true, "\x1bOP", "\x1bOP|", "", false},
      {true, "w\x03x", "w|", "", true},
      // Pasted control codes are shown or are keys, never obeyed.
      {false,
       "12\x03"
       "3\x04\r",
       "12\x03"
       "3\x04\n|",
       "12^C3^D\n", false, Arrival::Paste},
      {true, "w\x03x", "w\x03x|", "", false, Arrival::Paste},
      {false,
       "1\x03\x08"
       "2\r",
       "12\n|", "1^C\b \b\b \b2\n", false, Arrival::Typed, kTerminalControls},
      {false, "\xc3\xa9\x08\r", "\xc3\n|", "\xc3\xa9\b \b\n", false, Arrival::Typed,
       kTerminalControls},
      // The word erase goes back over blanks, then over letters, digits and '_'.
      {false, "12 ab \x17\r", "12 \n|", "12 ab \b \b\b \b\b \b\n", false, Arrival::Typed,
       kExtended},
      {false, "1.5e3\x17\r", "1.\n|", "1.5e3\b \b\b \b\b \b\n", false, Arrival::Typed, kExtended},
      {false, "1\x16\x15\x16\r2\r", "1\x15\r2\n|", "1^\b^U^\b^M2\n", false, Arrival::Typed,
       kExtended},
      {false, "12\x12\x34\r", "124\n|", "12^R\n124\n", false, Arrival::Typed, kExtended},
      {false, "12\x17\x16\x12\r", "12\x17\x16\x12\n|", "12^W^V^R\n", false, Arrival::Paste,
       kExtended},
  };
  for (const Typing& c : cases) {
    LineDiscipline discipline(c.controls);
    discipline.setKeyMode(c.keyMode);
    discipline.receive(c.typed, c.arrival);
    EXPECT_EQ(takeAll(discipline, c.keyMode), c.taken) << c.typed.substr(0, 20);
    EXPECT_EQ(discipline.takeEcho(), c.echo) << c.typed.substr(0, 20);
    EXPECT_EQ(discipline.interrupted(), c.interrupted) << c.typed.substr(0, 20);
  }
}

// Switching modes keeps what waits: keys typed ahead become lines for line reads, the last
// one unfinished the line being typed, shown, which the rest of its paste continues; and what
// was typed in line mode after a line's end becomes keys. The rest of a paste that began at a
// key read is keys, unechoed, though it comes in line mode.
TEST(LineDiscipline, SwitchingModesKeepsWhatWaits) {
  LineDiscipline discipline;
  discipline.setKeyMode(true);
  discipline.receive("c\r12", Arrival::Paste);
  char buffer[16];
  ASSERT_EQ(discipline.takeKeys(buffer, 1), 1u);
  EXPECT_EQ(buffer[0], 'c');
  discipline.setKeyMode(false);
  discipline.receive("0\r", Arrival::RestOfPaste);
  EXPECT_EQ(takeAll(discipline, false), "\n|120\n|");
  discipline.receive("7\rw");
  EXPECT_EQ(discipline.takeLine(buffer, sizeof buffer), 2u);
  discipline.setKeyMode(true);
  EXPECT_EQ(takeAll(discipline, true), "w|");
  EXPECT_EQ(discipline.takeEcho(), "120\n7\nw");
  discipline.receive("b\r", Arrival::Paste);
  discipline.setKeyMode(false);
  discipline.receive("5\r6", Arrival::RestOfPaste);
  EXPECT_EQ(takeAll(discipline, false), "b\n|5\n6|");
  EXPECT_EQ(discipline.takeEcho(), "");
  // The end of the typed input stays for the line reads; the keys go on.
  discipline.receive("5\r\x04x");
  ASSERT_EQ(discipline.takeLine(buffer, sizeof buffer), 2u);
  discipline.setKeyMode(true);
  EXPECT_EQ(takeAll(discipline, true), "x|");
  discipline.setKeyMode(false);
  EXPECT_EQ(takeAll(discipline, false), "EOF|");
}

// As a Linux terminal, Backspace goes back over the cells a tab took: from the column where
// the line began, or from the tab before it.
TEST(LineDiscipline, BackspaceErasesWhatATabTook) {
  struct Case {
    std::string written;  // by the program before the line
    std::string typed;
    std::string echo;
  };
  const Case cases[] = {
      {"\np0 [N/mm2]= ",
       "\t5\x7f\x7f"
       "7",
       "\t5\b \b\b\b\b\b7"},
      {"", "\t\x7f", "\t\b\b\b\b\b\b\b\b"},
      {"ab", "x\t\x7f", "x\t\b\b\b\b\b"},
      {"", "x\t\t\x7f", "x\t\t\b\b\b\b\b\b\b\b"},
      {"", "\x01\t\x7f", "^A\t\b\b\b\b\b\b"},
  };
  for (const Case& c : cases) {
    LineDiscipline discipline;
    discipline.noteOutput(c.written);
    discipline.receive(c.typed);
    EXPECT_EQ(discipline.takeEcho(), c.echo) << c.written << c.typed;
  }
}

}  // namespace
}  // namespace zorpi
