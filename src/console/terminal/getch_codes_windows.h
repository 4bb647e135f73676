#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace zorpi {

/// The codes `_getch` gives for one console key event: nothing for a release or a key without
/// codes (Shift alone, say); the event's character when it has one; otherwise 0 or 224 and a
/// second code from `_getch`'s table, chosen by Alt, else Ctrl, else Shift.
std::string getchCodes(const KEY_EVENT_RECORD& key);

}  // namespace zorpi
