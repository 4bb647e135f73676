#include "console/line_discipline.h"

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
};

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
       "1\x03"
       "2\r",
       "", "1^C", true},
      {false, full + "bc\r", full + "\n|", full + "\a\a\n", false},
      {true, "g\r", "g\n|", "", false},
      {true, "\x1bOP", "\x1bOP|", "", false},
      {true, "w\x03x", "w|", "", true},
  };
  for (const Typing& c : cases) {
    LineDiscipline discipline;
    discipline.setKeyMode(c.keyMode);
    discipline.receive(c.typed);
    EXPECT_EQ(takeAll(discipline, c.keyMode), c.taken) << c.typed.substr(0, 20);
    EXPECT_EQ(discipline.takeEcho(), c.echo) << c.typed.substr(0, 20);
    EXPECT_EQ(discipline.interrupted(), c.interrupted) << c.typed.substr(0, 20);
  }
}

// Switching modes keeps what waits: keys typed ahead become one block for a line read, and
// what was typed in line mode after a line's end becomes keys.
TEST(LineDiscipline, SwitchingModesKeepsWhatWaits) {
  LineDiscipline discipline;
  discipline.setKeyMode(true);
  discipline.receive("c\r120\r");
  char buffer[16];
  ASSERT_EQ(discipline.takeKeys(buffer, 1), 1u);
  EXPECT_EQ(buffer[0], 'c');
  discipline.setKeyMode(false);
  EXPECT_EQ(takeAll(discipline, false), "\n120\n|");
  discipline.receive("7\rw");
  EXPECT_EQ(discipline.takeLine(buffer, sizeof buffer), 2u);
  discipline.setKeyMode(true);
  EXPECT_EQ(takeAll(discipline, true), "w|");
  EXPECT_EQ(discipline.takeEcho(), "7\nw");
}

}  // namespace
}  // namespace zorpi
