// The keyboard, standard input and standard output in a browser page: the bytes typed at the
// page's terminal widget go through the line discipline a terminal would apply, and screen
// text goes to the widget unchanged.
//
// The seam's other side is web/program_io.js. Across it travel only the names of
// console/text/vocabulary.h, and the program calls the page's functions named there, each of
// which the page must define (checked when the terminal opens). The program states facts, the
// page never reads the screen: each read tells what it waits for and the number text left
// unread; each result handed to the program goes back to the page (zorpiHandOut), so that a
// later run can be handed the same; zorpiQuit learns how much of the last one followed the q
// that ended the run; the screens' values, the line being typed and the rest go to zorpiFact.
// zorpiRead(capacity, kind, unread, question) resolves with the next bytes and how they
// arrived: typed or pasted (through the line discipline), replayed (a result of an earlier
// run, handed to the program as it is; none at a number read is the end of the typed input),
// or begun (the line an earlier run was typing). A read waits through Asyncify.

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "console/terminal/fd_output_sink.h"
#include "console/terminal/terminal_input.h"
#include "console/text/line_discipline.h"
#include "console/text/vocabulary.h"

namespace zorpi {

namespace {

// As a shell reports a run ended by Ctrl-C (128 + SIGINT).
constexpr int kInterruptedStatus = 130;
// The most the page hands over at once: a replayed line read's block.
constexpr std::size_t kPageBytes = 64 * 1024;
// Room for the longest name of an arrival.
constexpr int kNameBytes = 32;

// Fails the run, with `message`, where the page sees it.
EM_JS(void, pageFail, (const char* message), { throw new Error(UTF8ToString(message)); });

// Fails the run unless the page defines each of the functions named in `names`, separated by
// blanks.
// clang-format off
EM_JS(void, pageCheck, (const char* names), {
  const missing = UTF8ToString(names).split(' ').filter((name) => typeof Module[name] !== 'function');
  if (missing.length > 0) {
    throw new Error('the page does not define ' + missing.join(', '));
  }
});
// clang-format on

// Resolves with at most `capacity` bytes from the page, copied to `buffer`, and the name of
// how they arrived in `arrival`; 0 typed bytes once the page has no more keyboard for this run.
EM_ASYNC_JS(int, pageRead,
            (char* buffer, int capacity, const char* kind, const char* unread, int unreadSize,
             const char* question, int questionSize, char* arrival, int arrivalSize),
            {
              const given = await Module.zorpiRead(capacity, UTF8ToString(kind),
                                                   UTF8ToString(unread, unreadSize),
                                                   UTF8ToString(question, questionSize));
              HEAPU8.set(given.bytes, buffer);
              stringToUTF8(given.arrival, arrival, arrivalSize);
              return given.bytes.length;
            });

// Hands `size` bytes at `data` to the page, the echo of typing or what the program wrote; the
// page gets a copy, since memory may move.
EM_JS(void, pageWrite, (const char* data, int size, bool echo),
      { Module.zorpiWrite(HEAPU8.slice(data, data + size), echo); });

EM_JS(void, pageHandOut, (const char* data, int size),
      { Module.zorpiHandOut(HEAPU8.slice(data, data + size)); });

EM_JS(void, pageQuit, (int untaken), { Module.zorpiQuit(untaken); });

EM_JS(void, pageFact,
      (const char* kind, const char* field, int fieldSize, const char* symbol, int symbolSize,
       const char* value, int valueSize, const char* unit, int unitSize),
      {
        Module.zorpiFact({
          kind : UTF8ToString(kind),
          field : UTF8ToString(field, fieldSize),
          symbol : UTF8ToString(symbol, symbolSize),
          value : UTF8ToString(value, valueSize),
          unit : UTF8ToString(unit, unitSize)
        });
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

void sendFact(const Fact& fact) {
  pageFact(nameOf(fact.kind).data(), fact.field.data(), sizeOf(fact.field), fact.symbol.data(),
           sizeOf(fact.symbol), fact.value.data(), sizeOf(fact.value), fact.unit.data(),
           sizeOf(fact.unit));
}

void writeToPage(const char* data, std::size_t size, bool echo) {
  if (size > 0) {
    gDiscipline.noteOutput(std::string_view(data, size));
    pageWrite(data, static_cast<int>(size), echo);
  }
}

void showEcho() {
  const std::string echo = gDiscipline.takeEcho();
  writeToPage(echo.data(), echo.size(), true);
}

// States the line being typed as a fact of `kind`: LineBegins before anything of it is shown,
// Line as it stands after each change.
void stateLine(FactKind kind) {
  sendFact({kind, {}, {}, gDiscipline.editing(), {}});
}

// Waits for the page's next bytes for a read of `kind` (answering `question`, for a number):
// typing goes to the line discipline, which echoes it, and a typed Ctrl-C ends the run here;
// the line an earlier run was typing is begun; a replayed result waits in gReplayed, and what
// the discipline held is dropped. False once the page has closed the keyboard.
bool receiveFromPage(ReadKind kind, std::string_view unread, std::string_view question) {
  static char given[kPageBytes];
  char name[kNameBytes] = "";
  const int got = gKeyboardClosed ? 0
                                  : pageRead(given, static_cast<int>(sizeof given),
                                             nameOf(kind).data(), unread.data(), sizeOf(unread),
                                             question.data(), sizeOf(question), name, kNameBytes);
  const std::string_view bytes(given, static_cast<std::size_t>(got > 0 ? got : 0));
  Arrival arrival = Arrival::Typed;
  if (!arrivalNamed(name, arrival)) {
    pageFail("the page named an arrival the program does not know");
  }
  if (arrival == Arrival::Replayed) {
    gReplayed.assign(bytes);
    gReplayedWaiting = true;
    gDiscipline = LineDiscipline();
    return true;
  }
  if (got <= 0) {
    gKeyboardClosed = true;
    return false;
  }
  if (arrival == Arrival::Begun) {
    gDiscipline.beginLine(bytes);
  } else {
    gDiscipline.receive(bytes, arrival);
  }
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
  std::string names;
  for (const std::string_view name : kPageFunctions) {
    names.append(name).append(" ");
  }
  names.pop_back();
  pageCheck(names.c_str());
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
  while (!gReplayedWaiting && !gDiscipline.hasKeys() &&
         receiveFromPage(wait.kind, wait.unread, {})) {
  }
  const std::size_t got =
      gReplayedWaiting ? takeReplayed(buffer, capacity) : gDiscipline.takeKeys(buffer, capacity);
  gDiscipline.setKeyMode(false);
  return got > 0 ? handedOut(buffer, got) : 0;  // none: the run ends, nothing to hand again
}

std::size_t TerminalInput::readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                             std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  stateLine(FactKind::LineBegins);
  gDiscipline.showAgain();  // what was typed on after the last line, after this prompt
  gDiscipline.beginLine(wait.begun);
  showEcho();
  stateLine(FactKind::Line);
  while (!gReplayedWaiting && !gDiscipline.hasLine() &&
         receiveFromPage(ReadKind::Number, {}, wait.question)) {
    stateLine(FactKind::Line);
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
  writeToPage(data, size, false);
  return true;
}

bool FdOutputSink::wantsFacts() const {
  return true;
}

void FdOutputSink::noteFact(const Fact& fact) {
  sendFact(fact);
}

}  // namespace zorpi
