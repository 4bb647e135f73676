// The keyboard, standard input and standard output on POSIX systems: keys from the
// controlling terminal, switched out of line mode for each key read only.
//
// As in less, the signal handlers only record what came. The signals they record are held
// back while the program works and let in only while it waits (pselect with the caller's
// mask, or a read or write that may block), so every one of them interrupts a wait, and the
// code after the wait does the work: the stop, the restore and re-raise of a terminating
// signal, the re-read after a continue. The terminal's settings are changed only from the
// foreground, with SIGTTOU held, so no restore can stop the process.

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <string>

#include "console/terminal/fd_output_sink.h"
#include "console/terminal/terminal_input.h"
#include "console/text/line_discipline.h"

namespace zorpi {

namespace {

// Below this the terminal would take the place of a closed standard descriptor.
constexpr int kFirstFreeDescriptor = 3;

// Shared with the signal handlers, hence plain globals.
int gTerminal = -1;
struct termios gSaved;                          // the user's settings, valid while gKeyMode
volatile std::sig_atomic_t gKeyMode = 0;        // a key read has the terminal in key mode
volatile std::sig_atomic_t gPendingSignal = 0;  // a terminating signal to act on
volatile std::sig_atomic_t gStopAsked = 0;      // a Ctrl-Z to act on
volatile std::sig_atomic_t gContinued = 0;      // a SIGCONT came
bool gStoppedByUs = false;                      // the user may have changed the settings
bool gResumed = false;      // a SIGCONT came: a line being edited is shown again
bool gSignalsHeld = false;  // handlers installed, gHeld held back
sigset_t gHeld;             // recorded signals, held back while working
sigset_t gWaiting;          // the mask while waiting: the caller's own

// Catchable signals whose default action ends the process. A handler records them; the wait
// they interrupt puts the terminal back and lets them end the process.
const int kTerminatingSignals[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGUSR1, SIGUSR2,   SIGPIPE,
    SIGALRM,   SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};

// Faults, and abort: a handler cannot return to the code that raised them, so it restores
// the terminal itself and lets the signal end the process.
const int kFaultSignals[] = {
    SIGILL, SIGTRAP, SIGABRT, SIGBUS, SIGFPE, SIGSEGV, SIGSYS,
#ifdef SIGEMT
    SIGEMT,
#endif
};

bool inForeground() {
  return tcgetpgrp(gTerminal) == getpgrp();
}

// Applies `settings` with SIGTTOU held, so that it never stops the process; the callers make
// sure they are in the foreground first.
void applySettings(const struct termios& settings) {
  sigset_t ttou;
  sigset_t before;
  sigemptyset(&ttou);
  sigaddset(&ttou, SIGTTOU);
  sigprocmask(SIG_BLOCK, &ttou, &before);
  tcsetattr(gTerminal, TCSANOW, &settings);
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

// Puts back the settings saved before the current key read. Nothing to do when no key read
// is in progress, and nothing in the background, where the shell has put its own back: safe
// to call twice, and async-signal-safe.
void restoreTerminal() {
  if (gKeyMode) {
    gKeyMode = 0;
    if (inForeground()) {
      applySettings(gSaved);
    }
  }
}

// Applies a copy of the saved settings with line mode and echo off; signals stay on so that
// Ctrl-C and Ctrl-Z work during the read. TCSANOW, not TCSAFLUSH: keys typed ahead must not
// be thrown away.
void applyKeyMode() {
  struct termios keyMode = gSaved;
  keyMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  keyMode.c_cc[VMIN] = 1;
  keyMode.c_cc[VTIME] = 0;
  gKeyMode = 1;
  applySettings(keyMode);
}

void installHandler(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = flags;
  sigaction(signal, &action, nullptr);
}

void onTerminatingSignal(int signal) {
  gPendingSignal = signal;
}

void onFault(int signal) {
  restoreTerminal();
  // SA_RESETHAND put back the default action: once the handler returns, the signal (raised
  // again, or the fault repeated) ends the process as the shell expects.
  std::raise(signal);
}

void onStop(int) {
  gStopAsked = 1;
}

// Without SA_RESTART, so that a continued wait is interrupted and starts over.
void onContinue(int) {
  gContinued = 1;
}

bool isIgnored(int signal) {
  struct sigaction current {};
  sigaction(signal, nullptr, &current);
  return current.sa_handler == SIG_IGN;
}

// Records `signal` with `handler`, unless it was ignored when the program started (nohup).
void record(int signal, void (*handler)(int)) {
  if (!isIgnored(signal)) {
    installHandler(signal, handler, 0);
    sigaddset(&gHeld, signal);
  }
}

void installHandlers() {
  sigemptyset(&gHeld);
  for (const int signal : kTerminatingSignals) {
    record(signal, onTerminatingSignal);
  }
#if defined(SIGRTMIN) && defined(SIGRTMAX)
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
    record(signal, onTerminatingSignal);
  }
#endif
  for (const int signal : kFaultSignals) {
    if (!isIgnored(signal)) {
      installHandler(signal, onFault, static_cast<int>(SA_RESETHAND));
    }
  }
  record(SIGTSTP, onStop);
  installHandler(SIGCONT, onContinue, 0);
  sigaddset(&gHeld, SIGCONT);
  sigprocmask(SIG_BLOCK, &gHeld, &gWaiting);
  gSignalsHeld = true;
}

// Sends `signal` with its default action to this process and lets it in; the signal ends or
// stops the process before this returns, or is dropped (a stop in an orphaned process group).
void raiseWithDefaultAction(int signal) {
  installHandler(signal, SIG_DFL, 0);
  sigset_t one;
  sigemptyset(&one);
  sigaddset(&one, signal);
  std::raise(signal);
  sigprocmask(SIG_UNBLOCK, &one, nullptr);
  sigprocmask(SIG_BLOCK, &one, nullptr);
}

// Does what recorded signals ask for; called with them held, before and after every wait.
// True when the process was stopped or continued meanwhile: a key read must start over.
bool actOnSignals() {
  if (gPendingSignal != 0) {
    restoreTerminal();
    raiseWithDefaultAction(gPendingSignal);
  }
  bool startOver = gContinued != 0;
  gResumed = gResumed || startOver;
  gContinued = 0;
  if (gStopAsked) {
    gStopAsked = 0;
    gStoppedByUs = gKeyMode != 0;
    restoreTerminal();
    raiseWithDefaultAction(SIGTSTP);  // stopped here until SIGCONT
    installHandler(SIGTSTP, onStop, 0);
    startOver = true;
  }
  return startOver;
}

// Runs `call` (a read or a write that may block) with the recorded signals let in, so that
// they interrupt it; fails with EINTR, without calling, when signals came before.
template <typename Call>
ssize_t letSignalsIn(Call call) {
  if (!gSignalsHeld) {
    return call();
  }
  if (actOnSignals()) {
    errno = EINTR;
    return -1;
  }
  sigset_t working;
  sigprocmask(SIG_SETMASK, &gWaiting, &working);
  const ssize_t result = gPendingSignal != 0 || gStopAsked ? (errno = EINTR, -1) : call();
  const int callErrno = errno;
  sigprocmask(SIG_SETMASK, &working, nullptr);
  errno = callErrno;
  return result;
}

// Waits until `fd` is ready to read (or to write), letting the recorded signals in. False
// when a signal interrupted the wait, or a stop or continue came before it; true when ready,
// or when the wait itself failed (the read or write that follows then reports the error).
bool waitUntilReady(int fd, bool forWriting) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(fd, &ready);
  if (gSignalsHeld && actOnSignals()) {
    return false;
  }
  const int got = pselect(fd + 1, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr,
                          nullptr, nullptr, gSignalsHeld ? &gWaiting : nullptr);
  return got >= 0 || errno != EINTR;
}

// True once this process group owns the terminal. In the background it stops, as any
// background reader of a terminal does, until brought to the foreground: a read of no bytes
// lets the kernel check and stop in one step, so a `fg` at any moment is never missed. False
// when it cannot be stopped (SIGTTIN ignored or blocked, an orphaned process group) or the
// terminal has hung up. The screen is brought up to date first, unless that alone would stop
// the process (tostop).
bool waitForForeground(Output& output) {
  for (;;) {
    const pid_t foreground = tcgetpgrp(gTerminal);
    if (foreground == getpgrp()) {
      return true;
    }
    gKeyMode = 0;  // not ours now: the shell has put its settings back
    if (foreground < 0) {
      return false;
    }
    struct termios now;
    if (tcgetattr(gTerminal, &now) == 0 && (now.c_lflag & TOSTOP) == 0) {
      output.flush();
    }
    char none = 0;
    if (letSignalsIn([&none] { return read(gTerminal, &none, 0); }) < 0 && errno != EINTR) {
      return false;
    }
  }
}

// Keys that reached the terminal in key mode after the read took what was waiting: switched
// back to line mode, the terminal hands them on as one unechoed line. They were typed ahead,
// so they join the keys just read. Up to `capacity` of them go to `buffer`.
std::size_t takeKeysTypedDuringTheSwitch(char* buffer, std::size_t capacity) {
  int waiting = 0;
  if (capacity == 0 || ioctl(gTerminal, FIONREAD, &waiting) != 0 || waiting <= 0) {
    return 0;
  }
  const ssize_t got =
      read(gTerminal, buffer, std::min(capacity, static_cast<std::size_t>(waiting)));
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

// Puts the terminal into key mode in the foreground, flushing `output` once it is, and reads
// the settings to restore first unless `saved` says they are read (again after a stop of
// ours, when the user may have changed them). False at hangup, a failed output, or in a
// background that cannot be left.
bool enterKeyMode(Output& output, bool& saved) {
  actOnSignals();
  if (!waitForForeground(output)) {
    output.flush();
    return false;
  }
  if (!saved || gStoppedByUs) {
    if (tcgetattr(gTerminal, &gSaved) != 0) {
      output.flush();
      return false;
    }
    saved = true;
    gStoppedByUs = false;
  }
  applyKeyMode();
  // Flush only now, so a key typed the instant the prompt shows is not echoed.
  output.flush();
  if (output.failed()) {
    restoreTerminal();
    return false;
  }
  return true;
}

// Waits for keys at the terminal in key mode and reads up to `capacity` of them; -1 when a
// stop, a continue or a signal came first (start over), 0 at end of file or on an error.
ssize_t readWaitingKeys(char* buffer, std::size_t capacity) {
  if (!waitUntilReady(gTerminal, false)) {
    return -1;
  }
  const ssize_t got = letSignalsIn([&] { return read(gTerminal, buffer, capacity); });
  if (got < 0) {
    return errno == EINTR || errno == EAGAIN ? -1 : 0;
  }
  return got;
}

// Reads the keys waiting at the terminal, in key mode for this one read.
std::size_t readKeysFromTerminal(Output& output, char* buffer, std::size_t capacity) {
  bool saved = false;
  for (;;) {
    if (!enterKeyMode(output, saved)) {
      return 0;
    }
    const ssize_t got = readWaitingKeys(buffer, capacity);
    if (got < 0) {
      continue;  // stopped, continued or signalled meanwhile: start over
    }
    restoreTerminal();
    if (got == 0) {
      return 0;
    }
    const std::size_t taken = static_cast<std::size_t>(got);
    return taken + takeKeysTypedDuringTheSwitch(buffer + taken, capacity - taken);
  }
}

// What the screen's last line holds, to know the column where an edited line begins and to
// show it again after a stop; kept while there is a keyboard and standard output reaches the
// screen (the terminal, or a pipe such as `zorpi | tee log`).
std::string gScreenLine;
bool gTrackScreen = false;
bool gScreenThroughPipe = false;
constexpr std::size_t kScreenLineKept = 512;

void noteScreenText(const char* data, std::size_t size) {
  const std::string_view text(data, size);
  const std::size_t lineEnd = text.find_last_of("\n\r");
  if (lineEnd != std::string_view::npos) {
    gScreenLine.assign(text.substr(lineEnd + 1));
  } else {
    gScreenLine.append(text);
  }
  if (gScreenLine.size() > kScreenLineKept) {
    gScreenLine.erase(0, gScreenLine.size() - kScreenLineKept);
  }
}

// Through a pipe the prompt reaches the screen only once the pipe's reader has taken it and
// written it on: waits until the reader has taken all (half a second at most), then a moment
// for the writing. Drawn at once, the edited line would stand before its prompt.
void waitForTheScreen() {
  if (!gScreenThroughPipe) {
    return;
  }
  const struct timespec step = {0, 2000000};
  for (int tries = 0; tries < 250; ++tries) {
    int unread = 0;
    if (ioctl(kStandardOutput, FIONREAD, &unread) != 0 || unread <= 0) {
      break;
    }
    nanosleep(&step, nullptr);
  }
  const struct timespec writing = {0, 10000000};
  nanosleep(&writing, nullptr);
}

// A control character of the settings, 0 when it is disabled.
char controlChar(const struct termios& settings, int index) {
  const cc_t c = settings.c_cc[index];
  return c == _POSIX_VDISABLE ? 0 : static_cast<char>(c);
}

LineKeys lineKeysOf(const struct termios& settings) {
  LineKeys keys;
  keys.erase = controlChar(settings, VERASE);
  keys.kill = controlChar(settings, VKILL);
  keys.endOfFile = controlChar(settings, VEOF);
  keys.interrupt = 0;  // the terminal's own signal keys stay on while a key is read
  keys.utf8 = (settings.c_iflag & IUTF8) != 0;
  if ((settings.c_lflag & IEXTEN) != 0) {
    keys.wordErase = controlChar(settings, VWERASE);
    keys.literalNext = controlChar(settings, VLNEXT);
    keys.reprint = controlChar(settings, VREPRINT);
  }
  return keys;
}

// The screen is up to date before a line is edited: a key read there has nothing to flush.
class NoScreen : public OutputSink {
 public:
  bool write(const char*, std::size_t) override { return true; }
};

// The one exception to the terminal's own line mode for numbers. Text typed ahead without its
// line end cannot be handed back to the terminal's line editing (TIOCSTI is gone from many
// kernels), so that one line is edited here instead, as one piece: in key mode from its first
// key to its line end, with the terminal's editing characters, UTF-8 and echo settings (taken
// again after a stop, when it is shown again), echoed to the terminal as the terminal would.
// What is typed on after its line end waits here for the next reads: lines and the end of
// the typed input for the number reads, everything else as keys for a key read.
class EditedLine {
 public:
  /// True while anything typed waits here.
  bool holdsText() const { return line_.holdsText(); }
  /// The next line, `begun` first, as typed, then what is typed at the terminal; `output`
  /// (the prompt) is flushed once the terminal is in key mode, so that nothing typed from
  /// then on is echoed twice.
  std::size_t read(Output& output, std::string_view begun, char* buffer, std::size_t capacity);
  /// What was typed on after a line's end, as keys; 0 when nothing but the end of the typed
  /// input waits, which stays for the number reads.
  std::size_t takeKeys(char* buffer, std::size_t capacity);

 private:
  /// Obeys the terminal's settings `settings` from now on.
  void takeSettings(const struct termios& settings);
  /// Reads and takes keys in key mode until a line is whole, and leaves key mode; false when
  /// the terminal ended. `saved`: the settings to restore are read.
  bool typeUntilALineIsWhole(bool saved);
  void showEcho();

  LineDiscipline line_;
  bool echo_ = true;
};

void EditedLine::takeSettings(const struct termios& settings) {
  line_.setControls(lineKeysOf(settings));
  echo_ = (settings.c_lflag & ECHO) != 0;
}

void EditedLine::showEcho() {
  const std::string echo = line_.takeEcho();
  if (echo_ && !echo.empty()) {
    FdOutputSink(gTerminal).write(echo.data(), echo.size());
  }
}

std::size_t EditedLine::read(Output& output, std::string_view begun, char* buffer,
                             std::size_t capacity) {
  if (!line_.hasLine() || !begun.empty()) {
    // Typed on after a line that ended without Enter: it follows the text begun before it.
    char held[LineDiscipline::kMaxLine];
    const std::size_t heldSize = line_.hasLine() ? takeKeys(held, sizeof held) : 0;
    bool saved = false;
    if (!enterKeyMode(output, saved)) {
      line_ = LineDiscipline();
      return 0;
    }
    if (!line_.holdsText()) {
      line_ = LineDiscipline();
      takeSettings(gSaved);
    }
    waitForTheScreen();
    line_.noteScreenLine(gScreenLine);  // the prompt, and what waited after it
    line_.showAgain();
    line_.receive(begun);
    line_.receive(std::string_view(held, heldSize));
    showEcho();
    if (!typeUntilALineIsWhole(saved)) {
      line_ = LineDiscipline();  // the terminal has ended: so has the line
      return 0;
    }
  } else {
    output.flush();
  }
  return line_.takeLine(buffer, capacity);
}

bool EditedLine::typeUntilALineIsWhole(bool saved) {
  NoScreen noScreen;
  Output nothingToFlush(noScreen);
  gResumed = false;
  char keys[kKeyboardBurst];
  while (!line_.hasLine()) {
    if (!enterKeyMode(nothingToFlush, saved)) {
      return false;
    }
    if (gResumed) {
      // Back from a stop: the screen shows the shell's lines now, and the settings may have
      // changed meanwhile.
      gResumed = false;
      takeSettings(gSaved);
      FdOutputSink(gTerminal).write(gScreenLine.data(), gScreenLine.size());
      line_.noteScreenLine(gScreenLine);
      line_.showAgain();
      showEcho();
    }
    const ssize_t got = readWaitingKeys(keys, sizeof keys);
    if (got == 0) {
      restoreTerminal();
      return false;
    }
    if (got > 0) {
      line_.receive(std::string_view(keys, static_cast<std::size_t>(got)));
      showEcho();
    }
  }
  restoreTerminal();
  const std::size_t late = takeKeysTypedDuringTheSwitch(keys, sizeof keys);
  line_.receive(std::string_view(keys, late));
  showEcho();
  return true;
}

std::size_t EditedLine::takeKeys(char* buffer, std::size_t capacity) {
  line_.setKeyMode(true);
  const std::size_t got = line_.takeKeys(buffer, capacity);
  line_.setKeyMode(false);
  return got;
}

EditedLine gLine;

}  // namespace

TerminalInput::TerminalInput() {
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd >= 0 && fd < kFirstFreeDescriptor) {
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, kFirstFreeDescriptor);
    close(fd);
    fd = moved;
  }
  if (fd < 0) {
    return;
  }
  struct termios probe;
  if (tcgetattr(fd, &probe) != 0) {
    close(fd);
    return;
  }
  gTerminal = fd;
  struct stat screen {};
  gScreenThroughPipe = fstat(kStandardOutput, &screen) == 0 && S_ISFIFO(screen.st_mode);
  gTrackScreen = gScreenThroughPipe || isatty(kStandardOutput) == 1;
  installHandlers();
}

TerminalInput::~TerminalInput() {
  restoreTerminal();
  if (gTerminal >= 0) {
    close(gTerminal);
    gTerminal = -1;
  }
}

bool TerminalInput::hasKeyboard() const {
  return gTerminal >= 0;
}

bool TerminalInput::standardInputIsKeyboard() const {
  return gTerminal >= 0 && isatty(STDIN_FILENO) == 1;
}

std::size_t TerminalInput::readKeyboard(Output& output, const KeyWait&, char* buffer,
                                        std::size_t capacity) {
  if (gLine.holdsText()) {
    // Typed on after an edited line: keys now, as a terminal's waiting text becomes keys.
    output.flush();
    const std::size_t got = gLine.takeKeys(buffer, capacity);
    if (got > 0) {
      return got;
    }
  }
  return readKeysFromTerminal(output, buffer, capacity);
}

std::size_t TerminalInput::readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                             std::size_t capacity) {
  if (!wait.begun.empty() || gLine.holdsText()) {
    return gLine.read(output, wait.begun, buffer, capacity);
  }
  output.flush();
  if (output.failed()) {
    return 0;
  }
  for (;;) {
    if (!waitUntilReady(STDIN_FILENO, false)) {
      continue;
    }
    const ssize_t got = letSignalsIn([&] { return read(STDIN_FILENO, buffer, capacity); });
    if (got >= 0) {
      return static_cast<std::size_t>(got);
    }
    if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) {
      return 0;
    }
  }
}

void TerminalInput::noteQuit(std::size_t) {}

bool FdOutputSink::wantsFacts() const {
  return false;
}

void FdOutputSink::noteFact(const Fact&) {}

bool FdOutputSink::write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = letSignalsIn([&] { return ::write(fd_, data, size); });
    if (written < 0) {
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        waitUntilReady(fd_, true);
      } else if (errno != EINTR) {
        return false;
      }
      continue;
    }
    if (fd_ == kStandardOutput && gTrackScreen) {
      noteScreenText(data, static_cast<std::size_t>(written));
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace zorpi
