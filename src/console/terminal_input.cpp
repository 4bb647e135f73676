#include "console/terminal_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zorpi {

namespace {

// Shared with the signal handlers, hence plain globals.
int gTerminal = -1;
struct termios gSaved;                        // the user's settings, valid while gKeyMode
volatile std::sig_atomic_t gKeyMode = 0;      // a key read has the terminal in key mode
volatile std::sig_atomic_t gStoppedByUs = 0;  // settings were handed back for a Ctrl-Z

constexpr int kFatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

// Applies a copy of the saved settings with line mode and echo off; signals stay on so that
// Ctrl-C and Ctrl-Z work during the read.
void applyKeyMode() {
  struct termios keyMode = gSaved;
  keyMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  keyMode.c_cc[VMIN] = 1;
  keyMode.c_cc[VTIME] = 0;
  // TCSANOW, not TCSAFLUSH: keys typed ahead must not be thrown away.
  tcsetattr(gTerminal, TCSANOW, &keyMode);
}

void onFatalSignal(int signal) {
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

// After a stop of our own the terminal holds the user's settings, perhaps changed meanwhile by
// the shell or the user: take them as the ones to restore, and put the waiting read back into
// key mode.
void resumeKeyMode() {
  if (gKeyMode && gStoppedByUs) {
    tcgetattr(gTerminal, &gSaved);
    gStoppedByUs = 0;
    applyKeyMode();
  }
}

void onStop(int) {
  const int savedErrno = errno;
  if (gKeyMode) {
    // Hand the shell the user's settings while stopped.
    tcsetattr(gTerminal, TCSANOW, &gSaved);
    gStoppedByUs = 1;
  }
  installHandler(SIGTSTP, SIG_DFL, 0);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
  std::raise(SIGTSTP);  // stops here until SIGCONT
  installHandler(SIGTSTP, onStop, SA_RESTART);
  // Without a job-control shell above us (an orphaned process group) the kernel drops the
  // stop and no SIGCONT comes: the read must still go on in key mode.
  resumeKeyMode();
  errno = savedErrno;
}

void onContinue(int) {
  const int savedErrno = errno;
  if (gStoppedByUs) {
    resumeKeyMode();
  } else if (gKeyMode) {
    // A stop we did not see (SIGSTOP): keep the saved settings, but the terminal may have
    // been reset meanwhile.
    applyKeyMode();
  }
  errno = savedErrno;
}

bool isIgnored(int signal) {
  struct sigaction current {};
  sigaction(signal, nullptr, &current);
  return current.sa_handler == SIG_IGN;
}

void installHandlers() {
  for (const int signal : kFatalSignals) {
    if (!isIgnored(signal)) {
      installHandler(signal, onFatalSignal, static_cast<int>(SA_RESETHAND));
    }
  }
  if (!isIgnored(SIGTSTP)) {
    installHandler(SIGTSTP, onStop, SA_RESTART);
  }
  installHandler(SIGCONT, onContinue, SA_RESTART);
}

}  // namespace

void restoreTerminal() {
  if (gKeyMode) {
    gKeyMode = 0;
    tcsetattr(gTerminal, TCSANOW, &gSaved);
  }
}

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

int TerminalInput::readKey(Output& output) {
  if (tcgetattr(gTerminal, &gSaved) != 0) {
    output.flush();
    return kEndOfKeys;
  }
  gStoppedByUs = 0;
  gKeyMode = 1;
  applyKeyMode();
  // Flush only now, so a key typed the instant the prompt shows is not echoed.
  output.flush();
  unsigned char key = 0;
  ssize_t got;
  do {
    got = read(gTerminal, &key, 1);
  } while (got < 0 && errno == EINTR);
  restoreTerminal();
  return got == 1 ? key : kEndOfKeys;
}

std::size_t TerminalInput::readStandardInput(char* buffer, std::size_t capacity) {
  ssize_t got;
  do {
    got = read(STDIN_FILENO, buffer, capacity);
  } while (got < 0 && errno == EINTR);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace zorpi
