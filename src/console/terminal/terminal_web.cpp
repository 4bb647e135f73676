// The keyboard, standard input and standard output in a browser page: the bytes typed at the
// page's terminal widget go through the line discipline a terminal would apply, and screen
// text goes to the widget unchanged.
//
// The seam's other side is web/program_io.js. The program states facts, the page never reads
// the screen: each read tells what it waits for (ReadKind) and the number text left unread;
// each result handed to the program goes back to the page (`Module.zorpiHandOut`), so that a
// later run can be handed the same; `Module.zorpiQuit` learns how much of the last one
// followed the q that ended the run; and each value the listing and the results show goes
// to `Module.zorpiValue`. `Module.zorpiRead(capacity, kind, unread)` resolves with the next
// bytes and how they arrived: typed or pasted (through the line discipline), or replayed (a
// result of an earlier run, handed to the program as it is; none at a number read is the end
// of the typed input). A read waits through Asyncify.

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "console/terminal/fd_output_sink.h"
#include "console/terminal/terminal_input.h"
#include "console/text/line_discipline.h"

namespace zorpi {

namespace {

// As a shell reports a run ended by Ctrl-C (128 + SIGINT).
constexpr int kInterruptedStatus = 130;
// How the page says a read's bytes are a result the program took in an earlier run; the
// other numbers are the line discipline's Arrival.
constexpr int kReplayed = 3;
// The most the page hands over at once: a replayed line read's block.
constexpr std::size_t kPageBytes = 64 * 1024;

// Resolves with at most `capacity` bytes from the page, copied to `buffer`, and how they
// arrived in `arrival`; 0 typed bytes once the page has no more keyboard for this run.
EM_ASYNC_JS(int, pageRead,
            (char* buffer, int capacity, int kind, const char* unread, int unreadSize,
             int* arrival),
            {
              const given =
                  await Module.zorpiRead(capacity, kind, UTF8ToString(unread, unreadSize));
              HEAPU8.set(given.bytes, buffer);
              HEAP32[arrival >> 2] = given.arrival;
              return given.bytes.length;
            });

// Hands `size` bytes at `data` to the page; the page gets a copy, since memory may move. A
// page that shows nothing (a replay) has no zorpiWrite, and nothing is copied.
EM_JS(void, pageWrite, (const char* data, int size), {
  const write = Module.zorpiWrite;
  if (write) {
    write(HEAPU8.slice(data, data + size));
  }
});

EM_JS(void, pageHandOut, (const char* data, int size), {
  const handOut = Module.zorpiHandOut;
  if (handOut) {
    handOut(HEAPU8.slice(data, data + size));
  }
});

EM_JS(void, pageQuit, (int untaken), {
  if (Module.zorpiQuit) {
    Module.zorpiQuit(untaken);
  }
});

EM_JS(void, pageValue,
      (const char* field, int fieldSize, const char* symbol, int symbolSize, const char* value,
       int valueSize, const char* unit, int unitSize),
      {
        const note = Module.zorpiValue;
        if (note) {
          note(UTF8ToString(field, fieldSize), UTF8ToString(symbol, symbolSize),
               UTF8ToString(value, valueSize), UTF8ToString(unit, unitSize));
        }
      });

LineDiscipline gDiscipline;
bool gKeyboardClosed = false;
// A replayed result not yet handed to the program, and whether one is there at all (an
// empty one at a number read ends the typed input).
std::string gReplayed;
bool gReplayedWaiting = false;

int sizeOf(std::string_view text) {
  return static_cast<int>(text.size());
}

void writeToPage(const char* data, std::size_t size) {
  if (size > 0) {
    gDiscipline.noteOutput(std::string_view(data, size));
    pageWrite(data, static_cast<int>(size));
  }
}

void showEcho() {
  const std::string echo = gDiscipline.takeEcho();
  writeToPage(echo.data(), echo.size());
}

// Waits for the page's next bytes for a read of `kind`: typing goes to the line discipline,
// which echoes it, and a typed Ctrl-C ends the run here; a replayed result waits in
// gReplayed, and what the discipline held is dropped. False once the page has closed the
// keyboard.
bool receiveFromPage(ReadKind kind, std::string_view unread) {
  static char given[kPageBytes];
  int arrival = 0;
  const int got = gKeyboardClosed
                      ? 0
                      : pageRead(given, static_cast<int>(sizeof given), static_cast<int>(kind),
                                 unread.data(), sizeOf(unread), &arrival);
  if (arrival == kReplayed) {
    gReplayed.assign(given, static_cast<std::size_t>(got));
    gReplayedWaiting = true;
    gDiscipline = LineDiscipline();
    return true;
  }
  if (got <= 0) {
    gKeyboardClosed = true;
    return false;
  }
  gDiscipline.receive(std::string_view(given, static_cast<std::size_t>(got)),
                      static_cast<Arrival>(arrival));
  showEcho();
  if (gDiscipline.interrupted()) {
    std::_Exit(kInterruptedStatus);
  }
  return true;
}

// Hands the program up to `capacity` bytes of the replayed result; the rest waits.
std::size_t takeReplayed(char* buffer, std::size_t capacity) {
  const std::size_t taken = gReplayed.copy(buffer, capacity);
  gReplayed.erase(0, taken);
  gReplayedWaiting = !gReplayed.empty();
  return taken;
}

// Tells the page what the program was handed, and returns its size.
std::size_t handedOut(const char* data, std::size_t size) {
  pageHandOut(data, static_cast<int>(size));
  return size;
}

}  // namespace

TerminalInput::TerminalInput() {
  gDiscipline = LineDiscipline();
  gKeyboardClosed = false;
  gReplayed.clear();
  gReplayedWaiting = false;
}

TerminalInput::~TerminalInput() = default;

bool TerminalInput::hasKeyboard() const {
  return true;
}

bool TerminalInput::standardInputIsKeyboard() const {
  return true;
}

std::size_t TerminalInput::readKeyboard(Output& output, const KeyWait& wait, char* buffer,
                                        std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  gDiscipline.setKeyMode(true);
  while (!gReplayedWaiting && !gDiscipline.hasKeys() && receiveFromPage(wait.kind, wait.unread)) {
  }
  const std::size_t got =
      gReplayedWaiting ? takeReplayed(buffer, capacity) : gDiscipline.takeKeys(buffer, capacity);
  gDiscipline.setKeyMode(false);
  return got > 0 ? handedOut(buffer, got) : 0;  // none: the run ends, nothing to hand again
}

std::size_t TerminalInput::readStandardInput(Output& output, std::string_view begun, char* buffer,
                                             std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  gDiscipline.beginLine(begun);
  showEcho();
  while (!gReplayedWaiting && !gDiscipline.hasLine() && receiveFromPage(ReadKind::Number, {})) {
  }
  const std::size_t got =
      gReplayedWaiting ? takeReplayed(buffer, capacity) : gDiscipline.takeLine(buffer, capacity);
  return handedOut(buffer, got);
}

void TerminalInput::noteQuit(std::size_t untaken) {
  pageQuit(static_cast<int>(untaken));
}

// The page is the only screen: every descriptor writes to it.
bool FdOutputSink::write(const char* data, std::size_t size) {
  static_cast<void>(fd_);
  writeToPage(data, size);
  return true;
}

bool FdOutputSink::wantsValues() const {
  return true;
}

void FdOutputSink::noteValue(const ShownValue& shown) {
  pageValue(shown.field.data(), sizeOf(shown.field), shown.symbol.data(), sizeOf(shown.symbol),
            shown.value.data(), sizeOf(shown.value), shown.unit.data(), sizeOf(shown.unit));
}

}  // namespace zorpi
