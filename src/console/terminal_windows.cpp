// The keyboard, standard input and standard output on Windows: keys from the console
// (CONIN$) as _getch delivers them, numbers through standard input in the console's own line
// mode, and bytes written unchanged.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <io.h>

#include <string>

#include "console/output.h"
#include "console/terminal_input.h"

namespace zorpi {

namespace {

constexpr char kCtrlZ = 0x1a;

HANDLE gConsole = INVALID_HANDLE_VALUE;
// Codes of a key already read but not yet handed out: the scan code after the 0 or 224 of a
// function or arrow key, and repeats.
std::string gPendingCodes;

// Keys that deliver no code of their own, as with _getch.
bool isModifierKey(WORD virtualKey) {
  switch (virtualKey) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SCROLL:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
      return true;
    default:
      return false;
  }
}

// The codes a pressed key gives, as _getch gives them: its character, or for a key without
// one 0 (224 for the keys of the extended block, arrows among them) and then its scan code.
std::string codesOf(const KEY_EVENT_RECORD& key) {
  std::string codes;
  if (key.uChar.AsciiChar != 0) {
    codes += key.uChar.AsciiChar;
  } else if (!isModifierKey(key.wVirtualKeyCode)) {
    codes += static_cast<char>((key.dwControlKeyState & ENHANCED_KEY) != 0 ? 224 : 0);
    codes += static_cast<char>(key.wVirtualScanCode & 0xff);
  }
  std::string repeated;
  for (WORD n = 0; n < key.wRepeatCount; ++n) {
    repeated += codes;
  }
  return repeated;
}

}  // namespace

// ReadConsoleInput reads key events whatever the console's mode, without echo and without
// Enter, so the mode is never changed and there is nothing to restore on any way out. Ctrl-C
// and Ctrl-Break stay with the system, whose default handler ends the process.
TerminalInput::TerminalInput() {
  const HANDLE console =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD mode = 0;
  if (console == INVALID_HANDLE_VALUE) {
    return;
  }
  if (GetConsoleMode(console, &mode) == 0) {
    CloseHandle(console);
    return;
  }
  gConsole = console;
}

TerminalInput::~TerminalInput() {
  if (gConsole != INVALID_HANDLE_VALUE) {
    CloseHandle(gConsole);
    gConsole = INVALID_HANDLE_VALUE;
  }
}

bool TerminalInput::hasKeyboard() const {
  return gConsole != INVALID_HANDLE_VALUE;
}

bool TerminalInput::standardInputIsKeyboard() const {
  DWORD mode = 0;
  return hasKeyboard() && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

int TerminalInput::readKey(Output& output) {
  output.flush();
  if (output.failed()) {
    return kEndOfKeys;
  }
  while (gPendingCodes.empty()) {
    INPUT_RECORD record;
    DWORD got = 0;
    if (ReadConsoleInputA(gConsole, &record, 1, &got) == 0 || got == 0) {
      return kEndOfKeys;
    }
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
      gPendingCodes = codesOf(record.Event.KeyEvent);
    }
  }
  const int key = static_cast<unsigned char>(gPendingCodes.front());
  gPendingCodes.erase(0, 1);
  return key;
}

std::size_t TerminalInput::readStandardInput(char* buffer, std::size_t capacity) {
  // ReadFile, not the C library, so nothing is translated. On a console it returns a line
  // typed with the console's own editing and echo.
  DWORD got = 0;
  const DWORD wanted = capacity > 0x10000 ? 0x10000 : static_cast<DWORD>(capacity);
  if (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, wanted, &got, nullptr) == 0) {
    return 0;  // a closed pipe, or an error: the end of input either way
  }
  // Ctrl-Z at the start of a typed line ends the input, as in every console program; not
  // every console does that for ReadFile itself.
  if (got > 0 && buffer[0] == kCtrlZ && standardInputIsKeyboard()) {
    return 0;
  }
  return got;
}

bool FdOutputSink::write(const char* data, std::size_t size) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
  while (size > 0) {
    const DWORD wanted = size > 0x10000 ? 0x10000 : static_cast<DWORD>(size);
    DWORD written = 0;
    if (WriteFile(handle, data, wanted, &written, nullptr) == 0 || written == 0) {
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace zorpi
