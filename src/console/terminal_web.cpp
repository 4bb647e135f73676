// The keyboard, standard input and standard output in a browser page: the bytes typed at the
// page's terminal widget go through the line discipline a terminal would apply, and screen
// text goes to the widget unchanged. The page provides `zorpiRead`, which resolves with the
// next bytes typed, and `zorpiWrite`; a read waits through Asyncify.

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "console/line_discipline.h"
#include "console/output.h"
#include "console/terminal_input.h"

namespace zorpi {

namespace {

// As a shell reports a run ended by Ctrl-C (128 + SIGINT).
constexpr int kInterruptedStatus = 130;

// Resolves with at most `capacity` bytes typed at the page, copied to `buffer`; 0 once the
// page has no more keyboard for this run.
EM_ASYNC_JS(int, pageRead, (char* buffer, int capacity), {
  const typed = await Module.zorpiRead(capacity);
  HEAPU8.set(typed, buffer);
  return typed.length;
});

// Hands `size` bytes at `data` to the page; the page gets a copy, since memory may move.
EM_JS(void, pageWrite, (const char* data, int size),
      { Module.zorpiWrite(HEAPU8.slice(data, data + size)); });

LineDiscipline* gDiscipline = nullptr;
bool gKeyboardClosed = false;

void writeToPage(const std::string& text) {
  if (!text.empty()) {
    pageWrite(text.data(), static_cast<int>(text.size()));
  }
}

// Waits for typing and gives it to the line discipline, which echoes it; false once the page
// has closed the keyboard. Ctrl-C ends the run here.
bool receiveTyping() {
  char typed[kKeyboardBurst];
  const int got = gKeyboardClosed ? 0 : pageRead(typed, static_cast<int>(sizeof typed));
  if (got <= 0) {
    gKeyboardClosed = true;
    return false;
  }
  gDiscipline->receive(std::string_view(typed, static_cast<std::size_t>(got)));
  writeToPage(gDiscipline->takeEcho());
  if (gDiscipline->interrupted()) {
    std::_Exit(kInterruptedStatus);
  }
  return true;
}

}  // namespace

TerminalInput::TerminalInput() {
  gDiscipline = new LineDiscipline;
  gKeyboardClosed = false;
}

TerminalInput::~TerminalInput() {
  delete gDiscipline;
  gDiscipline = nullptr;
}

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
  gDiscipline->setKeyMode(true);
  while (!gDiscipline->hasKeys() && receiveTyping()) {
  }
  const std::size_t got = gDiscipline->takeKeys(buffer, capacity);
  gDiscipline->setKeyMode(false);
  return got;
}

std::size_t TerminalInput::readStandardInput(char* buffer, std::size_t capacity) {
  while (!gDiscipline->hasLine() && receiveTyping()) {
  }
  return gDiscipline->takeLine(buffer, capacity);
}

// The page is the only screen: every descriptor writes to it.
bool FdOutputSink::write(const char* data, std::size_t size) {
  static_cast<void>(fd_);
  pageWrite(data, static_cast<int>(size));
  return true;
}

}  // namespace zorpi
