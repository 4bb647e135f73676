#include "e2e/pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace zorpi::testing {

namespace {

// What the job-control shell tells the test, as {kind, value} pairs on a pipe.
enum ReportKind { kStarted = 1, kStopped = 2, kEnded = 3 };

void sendReport(int fd, int kind, int value) {
  const int message[2] = {kind, value};
  // Eight bytes on a pipe arrive whole.
  [[maybe_unused]] ssize_t written = write(fd, message, sizeof message);
}

// In the forked child: the program as the test wants it run, never returning.
[[noreturn]] void execProgram(const std::string& program, const Launch& launch) {
  signal(SIGTTOU, SIG_DFL);
  signal(SIGHUP, launch.ignoreHangup ? SIG_IGN : SIG_DFL);
  // Ctrl-\ must not leave a core file behind.
  const struct rlimit noCore = {0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  if (launch.closeStandardInput) {
    close(STDIN_FILENO);
  }
  if (launch.closeStandardOutput) {
    close(STDOUT_FILENO);
  }
  execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

// Replaces standard input with a pipe that holds `text` and then ends.
void redirectInput(const std::string& text) {
  int fds[2];
  if (pipe(fds) != 0) {
    _exit(126);
  }
  // The texts of these tests fit in the pipe's buffer.
  [[maybe_unused]] ssize_t written = write(fds[1], text.data(), text.size());
  close(fds[1]);
  dup2(fds[0], STDIN_FILENO);
  close(fds[0]);
}

// A line editor's settings, as bash's readline leaves the terminal while it waits.
struct termios lineEditorSettings(struct termios settings) {
  settings.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  settings.c_iflag &= static_cast<tcflag_t>(~ICRNL);
  return settings;
}

// In the forkpty child, the session leader: starts the program as a job in a process group of
// its own, in the foreground unless asked otherwise, and does what an interactive shell does
// when it stops and ends.
[[noreturn]] void runJobShell(const std::string& program, const Launch& launch, int reports,
                              int commands) {
  signal(SIGTTOU, SIG_IGN);  // a shell moves the foreground while in the background itself
  const int terminal = STDOUT_FILENO;  // standard input may be a pipe
  struct termios user {};
  tcgetattr(terminal, &user);
  // The shell takes the terminal back, in its line editor's mode if it has one.
  const auto holdTerminal = [&] {
    tcsetpgrp(terminal, getpgrp());
    if (launch.lineEditor) {
      const struct termios editing = lineEditorSettings(user);
      tcsetattr(terminal, TCSANOW, &editing);
    }
  };
  const auto handOver = [&](pid_t job) {
    if (launch.lineEditor) {
      tcsetattr(terminal, TCSANOW, &user);
    }
    tcsetpgrp(terminal, job);
  };
  int gate[2];
  if (pipe2(gate, O_CLOEXEC) != 0) {
    _exit(126);
  }
  const pid_t job = fork();
  if (job == 0) {
    char go = 0;
    // Waits until its place on the terminal is settled, as a job started by bash does.
    [[maybe_unused]] ssize_t got = read(gate[0], &go, 1);
    execProgram(program, launch);
  }
  setpgid(job, job);
  bool jobInForeground = !launch.background;
  if (jobInForeground) {
    handOver(job);
  } else {
    holdTerminal();
  }
  sendReport(reports, kStarted, job);
  [[maybe_unused]] ssize_t written = write(gate[1], "g", 1);
  int status = 0;
  for (;;) {
    if (waitpid(job, &status, WUNTRACED) < 0) {
      if (errno == EINTR) {
        continue;
      }
      break;
    }
    if (!WIFSTOPPED(status)) {
      sendReport(reports, kEnded, status);
      break;
    }
    if (jobInForeground) {
      holdTerminal();
      jobInForeground = false;
    }
    sendReport(reports, kStopped, status);
    char command = 0;
    if (read(commands, &command, 1) != 1) {
      break;
    }
    if (command == 'f') {
      handOver(job);
      jobInForeground = true;
    }
    kill(-job, SIGCONT);
  }
  // Keeps the terminal's session alive until the test has looked at it.
  char rest = 0;
  while (read(commands, &rest, 1) > 0) {
  }
  _exit(0);
}

}  // namespace

bool sameSettings(const struct termios& a, const struct termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

PtySession::PtySession(const std::string& program, const Launch& launch) : seat_(launch.seat) {
  int reportPipe[2] = {-1, -1};
  int commandPipe[2] = {-1, -1};
  if (seat_ == Seat::Job &&
      (pipe2(reportPipe, O_CLOEXEC) != 0 || pipe2(commandPipe, O_CLOEXEC) != 0)) {
    return;
  }
  // openpty, then fork and login_tty, is forkpty with a look at the settings in between:
  // what the terminal held before the program could touch it.
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
    return;
  }
  tcgetattr(slave_, &initial_);
  if (launch.tostop) {
    initial_.c_lflag |= TOSTOP;
    tcsetattr(slave_, TCSANOW, &initial_);
  }
  leaderPid_ = fork();
  if (leaderPid_ == 0) {
    close(master_);
    if (login_tty(slave_) != 0) {
      _exit(126);
    }
    if (launch.standardInput) {
      redirectInput(*launch.standardInput);
    }
    if (seat_ == Seat::SessionLeader) {
      execProgram(program, launch);
    }
    close(reportPipe[0]);
    close(commandPipe[1]);
    runJobShell(program, launch, reportPipe[1], commandPipe[0]);
  }
  if (seat_ == Seat::Job) {
    close(reportPipe[1]);
    close(commandPipe[0]);
    reports_ = reportPipe[0];
    commands_ = commandPipe[1];
  }
  if (leaderPid_ < 0) {
    return;
  }
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
  if (seat_ == Seat::SessionLeader) {
    programPid_ = leaderPid_;
    return;
  }
  int pid = -1;
  if (until([&] { return takeReport(kStarted, pid); }, milliseconds(50))) {
    programPid_ = pid;
  }
}

PtySession::~PtySession() {
  if (programPid_ > 0 && endStatus_ < 0) {
    kill(programPid_, SIGKILL);
  }
  if (seat_ == Seat::SessionLeader && endStatus_ < 0 && leaderPid_ > 0) {
    waitpid(leaderPid_, nullptr, 0);
  }
  for (const int fd : {commands_, reports_, slave_, master_}) {
    if (fd >= 0) {
      close(fd);
    }
  }
  // Closing the command pipe lets the shell end.
  if (seat_ == Seat::Job && leaderPid_ > 0) {
    waitpid(leaderPid_, nullptr, 0);
  }
}

void PtySession::pump(milliseconds timeout) {
  struct pollfd fds[2] = {{master_, POLLIN, 0}, {reports_, POLLIN, 0}};
  if (poll(fds, 2, static_cast<int>(timeout.count())) <= 0) {
    return;
  }
  char buffer[4096];
  if (master_ >= 0 && (fds[0].revents & (POLLIN | POLLHUP)) != 0) {
    const ssize_t got = read(master_, buffer, sizeof buffer);
    for (ssize_t k = 0; k < got; ++k) {
      if (buffer[k] != '\r') {
        screen_ += buffer[k];
      }
    }
  }
  if (reports_ >= 0 && (fds[1].revents & (POLLIN | POLLHUP)) != 0) {
    const ssize_t got = read(reports_, buffer, sizeof buffer);
    if (got <= 0) {
      close(reports_);
      reports_ = -1;
      return;
    }
    reportBytes_.append(buffer, static_cast<std::size_t>(got));
    while (reportBytes_.size() >= sizeof(Report)) {
      Report report;
      std::memcpy(&report, reportBytes_.data(), sizeof report);
      reportQueue_.push_back(report);
      reportBytes_.erase(0, sizeof report);
    }
  }
}

bool PtySession::until(const std::function<bool()>& done, milliseconds interval) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    const auto left =
        std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      return false;
    }
    pump(std::min(left, interval));
  }
  return true;
}

bool PtySession::takeReport(int kind, int& value) {
  const auto found = std::find_if(reportQueue_.begin(), reportQueue_.end(),
                                  [kind](const Report& report) { return report.kind == kind; });
  if (found == reportQueue_.end()) {
    return false;
  }
  value = found->value;
  reportQueue_.erase(found);
  return true;
}

std::optional<std::string> PtySession::waitFor(const std::string& text) {
  std::size_t found = std::string::npos;
  const bool seen = until(
      [&] {
        found = screen_.find(text, mark_);
        return found != std::string::npos;
      },
      milliseconds(100));
  if (!seen) {
    return std::nullopt;
  }
  const std::size_t end = found + text.size();
  std::string passed = screen_.substr(mark_, end - mark_);
  mark_ = end;
  return passed;
}

bool PtySession::settle(milliseconds quiet) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  for (;;) {
    const std::size_t before = screen_.size();
    pump(quiet);
    if (screen_.size() == before) {
      return true;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
  }
}

void PtySession::type(const std::string& keys) {
  [[maybe_unused]] ssize_t written = write(master_, keys.data(), keys.size());
}

struct termios PtySession::settings() const {
  struct termios now {};
  tcgetattr(slave_, &now);
  return now;
}

void PtySession::changeSettings(const struct termios& settings) {
  tcsetattr(slave_, TCSANOW, &settings);
}

bool PtySession::waitForSettings(const std::function<bool(const struct termios&)>& condition) {
  return until([&] { return condition(settings()); }, milliseconds(10));
}

void PtySession::sendSignal(int signal) {
  kill(programPid_, signal);
}

bool PtySession::waitForStop() {
  int status = 0;
  return until([&] { return takeReport(kStopped, status); }, milliseconds(100));
}

void PtySession::resumeInForeground() {
  [[maybe_unused]] ssize_t written = write(commands_, "f", 1);
}

void PtySession::continueInBackground() {
  [[maybe_unused]] ssize_t written = write(commands_, "b", 1);
}

void PtySession::hangUp() {
  close(master_);
  master_ = -1;
}

int PtySession::waitForEnd() {
  if (endStatus_ >= 0) {
    return endStatus_;
  }
  int status = -1;
  const bool ended = until(
      [&] {
        if (seat_ == Seat::Job) {
          return takeReport(kEnded, status);
        }
        return waitpid(leaderPid_, &status, WNOHANG) == leaderPid_;
      },
      milliseconds(20));
  if (ended) {
    endStatus_ = status;
  }
  return endStatus_;
}

}  // namespace zorpi::testing
