// The keyboard, standard input and standard output on POSIX systems: keys from the
// controlling terminal, switched out of line mode for each key read only.

#include <fcntl.h>
#include <poll.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "console/output.h"
#include "console/terminal_input.h"

namespace zorpi {

namespace {

// Shared with the signal handlers, hence plain globals.
int gTerminal = -1;
struct termios gSaved;                        // the user's settings, valid while gKeyMode
volatile std::sig_atomic_t gKeyMode = 0;      // a key read has the terminal in key mode
volatile std::sig_atomic_t gStoppedByUs = 0;  // a Ctrl-Z handed the settings back
volatile std::sig_atomic_t gContinued = 0;    // a SIGCONT came

// Catchable signals whose default action ends the process, crashes included: each puts the
// terminal back before the process dies of it.
const int kTerminatingSignals[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,    SIGFPE,  SIGUSR1, SIGSEGV,
    SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
};

// Puts back the settings saved before the current key read; does nothing when no key read
// is in progress, so it is safe to call twice, and async-signal-safe.
void restoreTerminal() {
  if (gKeyMode) {
    gKeyMode = 0;
    tcsetattr(gTerminal, TCSANOW, &gSaved);
  }
}

// Waits until `fd` is ready for `events`, for descriptors in non-blocking mode.
void waitUntilReady(int fd, short events) {
  struct pollfd ready = {fd, events, 0};
  while (poll(&ready, 1, -1) < 0 && errno == EINTR) {
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
  tcsetattr(gTerminal, TCSANOW, &keyMode);
}

void onTerminatingSignal(int signal) {
  restoreTerminal();
  // SA_RESETHAND put back the default action: the signal ends the process as the shell expects.
  std::raise(signal);
}

void installHandler(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = flags;
  sigaction(signal, &action, nullptr);
}

// Ctrl-Z: hand the user's settings back while stopped. The key read starts over when the
// wait for its key is interrupted, so the real work is done there, not here.
void onStop(int) {
  const int savedErrno = errno;
  if (gKeyMode) {
    gKeyMode = 0;
    tcsetattr(gTerminal, TCSANOW, &gSaved);
    gStoppedByUs = 1;
  }
  installHandler(SIGTSTP, SIG_DFL, 0);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
  std::raise(SIGTSTP);  // stops here until SIGCONT; dropped in an orphaned process group
  installHandler(SIGTSTP, onStop, 0);
  errno = savedErrno;
}

// Without SA_RESTART, so that a continued key read is interrupted and starts over.
void onContinue(int) {
  gContinued = 1;
}

bool isIgnored(int signal) {
  struct sigaction current {};
  sigaction(signal, nullptr, &current);
  return current.sa_handler == SIG_IGN;
}

void installHandlers() {
  for (const int signal : kTerminatingSignals) {
    if (!isIgnored(signal)) {
      installHandler(signal, onTerminatingSignal, static_cast<int>(SA_RESETHAND));
    }
  }
#if defined(SIGRTMIN) && defined(SIGRTMAX)
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
    if (!isIgnored(signal)) {
      installHandler(signal, onTerminatingSignal, static_cast<int>(SA_RESETHAND));
    }
  }
#endif
  if (!isIgnored(SIGTSTP)) {
    installHandler(SIGTSTP, onStop, 0);
  }
  installHandler(SIGCONT, onContinue, 0);
}

// True once this process group owns the terminal. In the background it stops, as any
// background reader of a terminal does, until brought to the foreground. False when it
// cannot be stopped (SIGTTIN ignored or blocked, an orphaned process group): a read would
// fail there too. The screen is brought up to date before stopping. `waiting` is the signal
// mask that lets SIGCONT in.
bool waitForForeground(Output& output, const sigset_t& waiting) {
  for (;;) {
    const pid_t foreground = tcgetpgrp(gTerminal);
    if (foreground == getpgrp()) {
      return true;
    }
    gKeyMode = 0;  // not ours now: nothing to put back from here
    if (foreground < 0) {
      return false;  // hung up: a read would end at once too
    }
    if (isIgnored(SIGTTIN) || sigismember(&waiting, SIGTTIN) == 1) {
      return false;
    }
    output.flush();
    sigset_t held;
    sigprocmask(SIG_SETMASK, &waiting, &held);
    gContinued = 0;
    kill(0, SIGTTIN);  // delivered before kill returns: stopped until continued
    const bool stopped = gContinued != 0;
    sigprocmask(SIG_SETMASK, &held, nullptr);
    if (!stopped) {
      return false;
    }
  }
}

// Reads one key with stops and continues held back; they are let in only while waiting for
// the key, so none can fall between switching the terminal and waiting.
int readKeyHeld(Output& output, const sigset_t& waiting) {
  bool saved = false;
  for (;;) {
    if (!waitForForeground(output, waiting)) {
      output.flush();
      return kEndOfKeys;
    }
    // The settings to restore are read only in the foreground, and again after a Ctrl-Z,
    // when the user may have changed them. After a stop from outside, the terminal may still
    // hold key mode, so the first ones stay.
    if (!saved || gStoppedByUs) {
      if (tcgetattr(gTerminal, &gSaved) != 0) {
        output.flush();
        return kEndOfKeys;
      }
      saved = true;
      gStoppedByUs = 0;
    }
    gKeyMode = 1;
    applyKeyMode();
    // Flush only now, so a key typed the instant the prompt shows is not echoed.
    output.flush();
    if (output.failed()) {
      restoreTerminal();
      return kEndOfKeys;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(gTerminal, &readable);
    if (pselect(gTerminal + 1, &readable, nullptr, nullptr, nullptr, &waiting) < 0) {
      if (errno == EINTR) {
        continue;  // stopped or continued meanwhile: start over
      }
      restoreTerminal();
      return kEndOfKeys;
    }
    unsigned char key = 0;
    const ssize_t got = read(gTerminal, &key, 1);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
      continue;
    }
    restoreTerminal();
    return got == 1 ? key : kEndOfKeys;
  }
}

}  // namespace

TerminalInput::TerminalInput() {
  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  struct termios probe;
  if (tcgetattr(fd, &probe) != 0) {
    close(fd);
    return;
  }
  gTerminal = fd;
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

int TerminalInput::readKey(Output& output) {
  sigset_t held;
  sigemptyset(&held);
  sigaddset(&held, SIGTSTP);
  sigaddset(&held, SIGCONT);
  sigset_t waiting;
  sigprocmask(SIG_BLOCK, &held, &waiting);
  const int key = readKeyHeld(output, waiting);
  sigprocmask(SIG_SETMASK, &waiting, nullptr);
  return key;
}

std::size_t TerminalInput::readStandardInput(char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, capacity);
    if (got >= 0) {
      return static_cast<std::size_t>(got);
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      waitUntilReady(STDIN_FILENO, POLLIN);
    } else if (errno != EINTR) {
      return 0;
    }
  }
}

bool FdOutputSink::write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        waitUntilReady(fd_, POLLOUT);
      } else if (errno != EINTR) {
        return false;
      }
      continue;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace zorpi
