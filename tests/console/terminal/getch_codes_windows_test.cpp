#include "console/terminal/getch_codes_windows.h"

#include <gtest/gtest.h>

#include <string>

namespace zorpi {
namespace {

struct KeyCase {
  const char* name;
  WORD scanCode;
  char character;
  DWORD state;
  std::string codes;
};

KEY_EVENT_RECORD pressed(const KeyCase& c) {
  KEY_EVENT_RECORD key{};
  key.bKeyDown = TRUE;
  key.wRepeatCount = 1;
  key.wVirtualScanCode = c.scanCode;
  key.uChar.AsciiChar = c.character;
  key.dwControlKeyState = c.state;
  return key;
}

std::string codes(int lead, int second) {
  return {static_cast<char>(lead), static_cast<char>(second)};
}

// The codes as _getch gives them, for plain, Shift, Ctrl and Alt variants of every kind of key.
TEST(GetchCodes, AsGetchGivesThem) {
  const DWORD ext = ENHANCED_KEY;
  const DWORD shift = SHIFT_PRESSED;
  const DWORD ctrl = LEFT_CTRL_PRESSED;
  const DWORD alt = LEFT_ALT_PRESSED;
  const KeyCase cases[] = {
      {"a", 30, 'a', 0, "a"},
      {"Alt+A", 30, 0, alt, codes(0, 30)},
      {"Alt+1", 2, 0, alt, codes(0, 120)},
      {"Ctrl+2", 3, 0, ctrl, codes(0, 3)},
      {"Shift+Tab", 15, 0, shift, codes(0, 15)},
      {"Ctrl+Tab", 15, 0, ctrl, codes(0, 148)},
      {"F1", 59, 0, 0, codes(0, 59)},
      {"Shift+F1", 59, 0, shift, codes(0, 84)},
      {"Ctrl+F1", 59, 0, ctrl, codes(0, 94)},
      {"Alt+F10", 68, 0, alt, codes(0, 113)},
      {"Shift+F11", 87, 0, shift, codes(224, 135)},
      {"Alt+F12", 88, 0, alt, codes(224, 140)},
      {"Shift+Home", 71, 0, ext | shift, codes(224, 71)},
      {"Ctrl+Home", 71, 0, ext | ctrl, codes(224, 119)},
      {"Alt+Home", 71, 0, ext | alt, codes(0, 151)},
      {"Ctrl+PageUp", 73, 0, ext | ctrl, codes(224, 134)},
      {"keypad Home", 71, 0, 0, codes(0, 71)},
      {"Ctrl+keypad PageUp", 73, 0, ctrl, codes(0, 132)},
      {"Alt+keypad Enter", 28, 0, ext | alt, codes(0, 166)},
      {"Shift alone", 42, 0, shift, ""},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(getchCodes(pressed(c)), c.codes) << c.name;
  }
  KEY_EVENT_RECORD released = pressed(cases[0]);
  released.bKeyDown = FALSE;
  EXPECT_EQ(getchCodes(released), "");
}

}  // namespace
}  // namespace zorpi
