// The keyboard, standard input and standard output on Windows: keys from the console
// (CONIN$) as _getch delivers them, numbers through standard input in the console's own line
// mode, and bytes written unchanged.

// <windows.h> comes with getch_codes_windows.h, lean and without min and max.
#include "console/terminal/getch_codes_windows.h"

#include <io.h>

#include <string>
#include <string_view>
#include <vector>

#include "console/terminal/fd_output_sink.h"
#include "console/terminal/terminal_input.h"

namespace zorpi {

namespace {

constexpr char kCtrlZ = 0x1a;
// The most one ReadFile or WriteFile is asked to move: console handles fail on large ones.
constexpr DWORD kMaxTransfer = 0x10000;

// The most console records looked at in one call.
constexpr DWORD kRecordsAtOnce = 512;

HANDLE gConsole = INVALID_HANDLE_VALUE;
// Codes of a key already read that did not fit into the caller's buffer.
std::string gPendingCodes;

// Takes the console's records into `buffer` as long as their codes fit, beginning with the
// records waiting first; what does not fit stays queued, in order. Waits for a first record
// while `got` is 0. False when the console failed.
bool takeRecords(char* buffer, std::size_t capacity, std::size_t& got) {
  INPUT_RECORD records[kRecordsAtOnce];
  while (got < capacity) {
    DWORD peeked = 0;
    if (PeekConsoleInputA(gConsole, records, kRecordsAtOnce, &peeked) == 0) {
      return false;
    }
    if (peeked == 0) {
      if (got > 0) {
        return true;
      }
      if (WaitForSingleObject(gConsole, INFINITE) != WAIT_OBJECT_0) {
        return false;
      }
      continue;
    }
    DWORD use = 0;
    for (; use < peeked; ++use) {
      const INPUT_RECORD& record = records[use];
      const std::string codes =
          record.EventType == KEY_EVENT ? getchCodes(record.Event.KeyEvent) : std::string();
      if (got + codes.size() > capacity) {
        if (got == 0) {
          // A key of several codes in a buffer smaller than it: the rest waits.
          got = codes.copy(buffer, capacity);
          gPendingCodes = codes.substr(got);
          ++use;
        }
        break;
      }
      got += codes.copy(buffer + got, codes.size());
    }
    DWORD taken = 0;
    if (ReadConsoleInputA(gConsole, records, use, &taken) == 0 || taken != use) {
      return false;
    }
    if (use < peeked) {
      return true;  // the buffer is full
    }
  }
  return true;
}

// Puts `text` back into the console's input as keys pressed, ahead of what is still queued
// there (the rest of a paste), which goes behind it in its order: the console's line editing
// then shows it, lets Backspace and Esc take it back, and hands it on with the rest of the
// line. One write, so that the console takes it in at once.
void handBackToConsole(std::string_view text) {
  std::vector<INPUT_RECORD> keys;
  keys.reserve(2 * text.size());
  for (const char c : text) {
    for (const BOOL down : {TRUE, FALSE}) {
      INPUT_RECORD key{};
      key.EventType = KEY_EVENT;
      key.Event.KeyEvent.bKeyDown = down;
      key.Event.KeyEvent.wRepeatCount = 1;
      key.Event.KeyEvent.wVirtualKeyCode = LOBYTE(VkKeyScanA(c));
      key.Event.KeyEvent.uChar.AsciiChar = c;
      keys.push_back(key);
    }
  }
  DWORD queued = 0;
  while (GetNumberOfConsoleInputEvents(gConsole, &queued) != 0 && queued > 0) {
    const std::size_t at = keys.size();
    keys.resize(at + queued);
    DWORD taken = 0;
    if (ReadConsoleInputA(gConsole, keys.data() + at, queued, &taken) == 0) {
      taken = 0;
    }
    keys.resize(at + taken);
    if (taken == 0) {
      break;
    }
  }
  DWORD written = 0;
  WriteConsoleInputA(gConsole, keys.data(), static_cast<DWORD>(keys.size()), &written);
}

}  // namespace

// ReadConsoleInput reads key events whatever the console's mode, without echo and without
// Enter, so the mode is never changed and there is nothing to restore on any way out. Ctrl-C
// and Ctrl-Break stay with the system, whose default handler ends the process. A console
// without a window (a process started with CREATE_NO_WINDOW) has nobody to type at it: the
// keys then come from standard input, as without a console.
TerminalInput::TerminalInput() {
  if (GetConsoleWindow() == nullptr) {
    return;
  }
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

std::size_t TerminalInput::readKeyboard(Output& output, const KeyWait&, char* buffer,
                                        std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  // Waits for the first key, then takes every key already waiting behind it (a paste).
  std::size_t got = gPendingCodes.copy(buffer, capacity);
  gPendingCodes.erase(0, got);
  if (!takeRecords(buffer, capacity, got) && got == 0) {
    return 0;
  }
  return got;
}

std::size_t TerminalInput::readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                             std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  if (!wait.begun.empty()) {
    // The codes of a key that did not fit follow the text begun.
    handBackToConsole(std::string(wait.begun) + gPendingCodes);
    gPendingCodes.clear();
  }
  // ReadFile, not the C library, so nothing is translated. On a console it returns a line
  // typed with the console's own editing and echo.
  DWORD got = 0;
  const DWORD wanted = capacity > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(capacity);
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

void TerminalInput::noteQuit(std::size_t) {}

bool FdOutputSink::wantsFacts() const {
  return false;
}

void FdOutputSink::noteFact(const Fact&) {}

bool FdOutputSink::write(const char* data, std::size_t size) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
  while (size > 0) {
    const DWORD wanted = size > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(size);
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
