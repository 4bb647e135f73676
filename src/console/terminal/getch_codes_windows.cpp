#include "console/terminal/getch_codes_windows.h"

#include <cstdint>
#include <iterator>

namespace zorpi {

namespace {

// A pair of codes as one number: 0x00nn is 0 and nn, 0xE0nn is 224 and nn; 0 for none.
using Pair = std::uint16_t;
constexpr Pair kNoPair = 0;
constexpr Pair zero(int second) {
  return static_cast<Pair>(second);
}
constexpr Pair e0(int second) {
  return static_cast<Pair>(0xE000 | second);
}

// What a key gives plain, with Shift, with Ctrl and with Alt.
struct KeyRow {
  WORD scanCode;
  Pair plain, shift, ctrl, alt;
};

// The keys of the extended block (ENHANCED_KEY): the arrows, Home to Delete beside them, and
// the keypad's Enter and '/' (those two give their character, but for these pairs).
const KeyRow kExtendedKeys[] = {
    {28, kNoPair, kNoPair, kNoPair, zero(166)}, {53, kNoPair, kNoPair, zero(149), zero(164)},
    {71, e0(71), e0(71), e0(119), zero(151)},   {72, e0(72), e0(72), e0(141), zero(152)},
    {73, e0(73), e0(73), e0(134), zero(153)},   {75, e0(75), e0(75), e0(115), zero(155)},
    {77, e0(77), e0(77), e0(116), zero(157)},   {79, e0(79), e0(79), e0(117), zero(159)},
    {80, e0(80), e0(80), e0(145), zero(160)},   {81, e0(81), e0(81), e0(118), zero(161)},
    {82, e0(82), e0(82), e0(146), zero(162)},   {83, e0(83), e0(83), e0(147), zero(163)},
};

// The other keys that give pairs: the keypad with NumLock off, Tab, Ctrl+2, the Alt
// combinations of the typing keys, and F1 to F12. A key not listed gives only its character.
const KeyRow kOtherKeys[] = {
    {1, kNoPair, kNoPair, kNoPair, zero(1)},     {3, kNoPair, kNoPair, zero(3), zero(121)},
    {14, kNoPair, kNoPair, kNoPair, zero(14)},   {15, kNoPair, zero(15), zero(148), zero(165)},
    {28, kNoPair, kNoPair, kNoPair, zero(28)},   {55, kNoPair, kNoPair, zero(150), zero(55)},
    {71, zero(71), kNoPair, zero(119), kNoPair}, {72, zero(72), kNoPair, zero(141), kNoPair},
    {73, zero(73), kNoPair, zero(132), kNoPair}, {74, kNoPair, kNoPair, zero(142), zero(74)},
    {75, zero(75), kNoPair, zero(115), kNoPair}, {76, zero(76), kNoPair, zero(143), kNoPair},
    {77, zero(77), kNoPair, zero(116), kNoPair}, {78, kNoPair, kNoPair, zero(144), zero(78)},
    {79, zero(79), kNoPair, zero(117), kNoPair}, {80, zero(80), kNoPair, zero(145), kNoPair},
    {81, zero(81), kNoPair, zero(118), kNoPair}, {82, zero(82), kNoPair, zero(146), kNoPair},
    {83, zero(83), kNoPair, zero(147), kNoPair}, {87, e0(133), e0(135), e0(137), e0(139)},
    {88, e0(134), e0(136), e0(138), e0(140)},
};

// Keys whose only pair is Alt's: 0 and the scan code, or for the top row 1 to = 120 to 131.
Pair altOfTypingKey(WORD scanCode) {
  if (scanCode >= 2 && scanCode <= 13) {
    return zero(120 + scanCode - 2);
  }
  const bool letterOrPunctuation = (scanCode >= 16 && scanCode <= 27) ||
                                   (scanCode >= 30 && scanCode <= 41) || scanCode == 43 ||
                                   (scanCode >= 44 && scanCode <= 53);
  return letterOrPunctuation ? zero(scanCode) : kNoPair;
}

// F1 to F10: 0 and the scan code, moved on by 25 with Shift, 35 with Ctrl, 45 with Alt.
bool isF1ToF10(WORD scanCode) {
  return scanCode >= 59 && scanCode <= 68;
}

Pair pick(const KeyRow& row, DWORD state) {
  if ((state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0) {
    return row.alt;
  }
  if ((state & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) != 0) {
    return row.ctrl;
  }
  return (state & SHIFT_PRESSED) != 0 ? row.shift : row.plain;
}

Pair pairOf(WORD scanCode, DWORD state) {
  const bool extended = (state & ENHANCED_KEY) != 0;
  if (!extended && isF1ToF10(scanCode)) {
    const int s = scanCode;
    return pick({scanCode, zero(s), zero(s + 25), zero(s + 35), zero(s + 45)}, state);
  }
  const KeyRow* first = extended ? std::begin(kExtendedKeys) : std::begin(kOtherKeys);
  const KeyRow* last = extended ? std::end(kExtendedKeys) : std::end(kOtherKeys);
  for (const KeyRow* row = first; row != last; ++row) {
    if (row->scanCode == scanCode) {
      return pick(*row, state);
    }
  }
  if (!extended) {
    return pick({scanCode, kNoPair, kNoPair, kNoPair, altOfTypingKey(scanCode)}, state);
  }
  return kNoPair;
}

}  // namespace

std::string getchCodes(const KEY_EVENT_RECORD& key) {
  if (!key.bKeyDown) {
    return "";
  }
  if (key.uChar.AsciiChar != 0) {
    return std::string(1, key.uChar.AsciiChar);
  }
  const Pair pair = pairOf(key.wVirtualScanCode, key.dwControlKeyState);
  if (pair == kNoPair) {
    return "";
  }
  return {static_cast<char>(pair >> 8), static_cast<char>(pair & 0xff)};
}

}  // namespace zorpi
