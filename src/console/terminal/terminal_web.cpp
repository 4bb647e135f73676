// The keyboard, standard input and standard output in a browser page: the bytes typed at the
// page's terminal widget go through the line discipline a terminal would apply, and screen
// text goes to the widget unchanged.
//
// The seam's other side is web/program_io.js, which hands the compiled program its
// `Module.zorpiRead` (told whether a key or a number is read, resolves with the next bytes
// typed and how they arrived) and `Module.zorpiWrite` (takes screen text); a read waits
// through Asyncify.

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "console/terminal/fd_output_sink.h"
#include "console/terminal/line_discipline_web.h"
#include "console/terminal/terminal_input.h"

namespace zorpi {

namespace {

// As a shell reports a run ended by Ctrl-C (128 + SIGINT).
constexpr int kInterruptedStatus = 130;

// What the program waits for; the page sends these numbers on.
enum class ReadKind { Key = 0, Number = 1 };

// Resolves with at most `capacity` bytes typed at the page, copied to `buffer`, and how they
// arrived (an Arrival) in `arrival`; 0 once the page has no more keyboard for this run. `kind`
// (a ReadKind) tells the page what is read.
EM_ASYNC_JS(int, pageRead, (char* buffer, int capacity, int kind, int* arrival), {
  const typed = await Module.zorpiRead(capacity, kind);
  HEAPU8.set(typed.bytes, buffer);
  HEAP32[arrival >> 2] = typed.arrival;
  return typed.bytes.length;
});

// Hands `size` bytes at `data` to the page; the page gets a copy, since memory may move.
EM_JS(void, pageWrite, (const char* data, int size),
      { Module.zorpiWrite(HEAPU8.slice(data, data + size)); });

LineDiscipline gDiscipline;
bool gKeyboardClosed = false;

void writeToPage(const char* data, std::size_t size) {
  if (size > 0) {
    gDiscipline.noteOutput(std::string_view(data, size));
    pageWrite(data, static_cast<int>(size));
  }
}

// Waits for typing for a read of `kind` and gives it to the line discipline, which echoes it;
// false once the page has closed the keyboard. Ctrl-C ends the run here.
bool receiveTyping(ReadKind kind) {
  char typed[kKeyboardBurst];
  int arrival = 0;
  const int got = gKeyboardClosed ? 0
                                  : pageRead(typed, static_cast<int>(sizeof typed),
                                             static_cast<int>(kind), &arrival);
  if (got <= 0) {
    gKeyboardClosed = true;
    return false;
  }
  gDiscipline.receive(std::string_view(typed, static_cast<std::size_t>(got)),
                      static_cast<Arrival>(arrival));
  const std::string echo = gDiscipline.takeEcho();
  writeToPage(echo.data(), echo.size());
  if (gDiscipline.interrupted()) {
    std::_Exit(kInterruptedStatus);
  }
  return true;
}

}  // namespace

TerminalInput::TerminalInput() {
  gDiscipline = LineDiscipline();
  gKeyboardClosed = false;
}

TerminalInput::~TerminalInput() = default;

bool TerminalInput::hasKeyboard() const {
  return true;
}

bool TerminalInput::standardInputIsKeyboard() const {
  return true;
}

std::size_t TerminalInput::readKeyboard(Output& output, char* buffer, std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  gDiscipline.setKeyMode(true);
  while (!gDiscipline.hasKeys() && receiveTyping(ReadKind::Key)) {
  }
  const std::size_t got = gDiscipline.takeKeys(buffer, capacity);
  gDiscipline.setKeyMode(false);
  return got;
}

std::size_t TerminalInput::readStandardInput(char* buffer, std::size_t capacity) {
  while (!gDiscipline.hasLine() && receiveTyping(ReadKind::Number)) {
  }
  return gDiscipline.takeLine(buffer, capacity);
}

// The page is the only screen: every descriptor writes to it.
bool FdOutputSink::write(const char* data, std::size_t size) {
  static_cast<void>(fd_);
  writeToPage(data, size);
  return true;
}

}  // namespace zorpi
