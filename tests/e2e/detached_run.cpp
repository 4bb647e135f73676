#include "e2e/detached_run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <string>

#include "e2e/pty_session.h"

namespace zorpi::testing {

namespace {

void pause(milliseconds time) {
  poll(nullptr, 0, static_cast<int>(time.count()));
}

void sendAll(int fd, const char* text, std::size_t size) {
  for (std::size_t sent = 0; sent < size;) {
    const ssize_t written = write(fd, text + sent, size - sent);
    if (written <= 0) {
      return;  // the program ended early; its status tells
    }
    sent += static_cast<std::size_t>(written);
  }
}

// Reads until end of file; `slowly` takes small pieces with pauses, as a slow reader would.
void collect(int fd, std::string& screen, std::chrono::steady_clock::time_point deadline,
             bool slowly) {
  struct pollfd readable = {fd, POLLIN, 0};
  while (std::chrono::steady_clock::now() < deadline && poll(&readable, 1, 100) >= 0) {
    char buffer[4096];
    const ssize_t got = readable.revents != 0 ? read(fd, buffer, sizeof buffer) : -1;
    if (got == 0) {
      return;
    }
    if (got > 0) {
      screen.append(buffer, static_cast<std::size_t>(got));
      if (slowly) {
        pause(milliseconds(1));
      }
    }
  }
}

// The program's peak resident memory since it started: the high-water mark of its own
// address space, which, unlike the rusage of a forked child, leaves out the test's memory.
long peakResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::stol(line.substr(6));
    }
  }
  return 0;
}

bool hasEnded(pid_t pid) {
  siginfo_t info{};
  return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == pid;
}

// True when the program sleeps: with its screen going to /dev/null, it can only be waiting
// for input.
bool isWaiting(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const std::size_t nameEnd = line.rfind(')');
  return nameEnd != std::string::npos && line.compare(nameEnd, 3, ") S") == 0;
}

// Waits until the program has taken and worked through everything written to the pipe `fd`
// and waits for more, or has ended.
void waitUntilDrained(int fd, pid_t pid, std::chrono::steady_clock::time_point deadline) {
  int left = 0;
  while (!hasEnded(pid) && std::chrono::steady_clock::now() < deadline &&
         (ioctl(fd, FIONREAD, &left) != 0 || left > 0 || !isWaiting(pid))) {
    pause(milliseconds(5));
  }
}

// In the forked child: standard input and output as `setup` says, then the program.
[[noreturn]] void execDetached(int input, int output, const DetachedSetup& setup) {
  setsid();
  dup2(input, STDIN_FILENO);
  if (setup.outputFile != nullptr) {
    output = open(setup.outputFile, O_WRONLY);
  } else if (output < 0) {
    output = open("/dev/null", O_WRONLY);
  }
  dup2(output, STDOUT_FILENO);
  if (setup.nonBlocking) {
    fcntl(STDIN_FILENO, F_SETFL, O_NONBLOCK);
    fcntl(STDOUT_FILENO, F_SETFL, O_NONBLOCK);
  }
  if (setup.readerGone) {
    signal(SIGPIPE, SIG_IGN);  // stays ignored across exec
  }
  execl(ZORPI_PROGRAM, ZORPI_PROGRAM, static_cast<char*>(nullptr));
  _exit(127);
}

}  // namespace

DetachedRun runDetached(const std::string& script, const DetachedSetup& setup) {
  // A program that ends early must not take the test with it.
  signal(SIGPIPE, SIG_IGN);
  const bool pipeOutput = setup.keepScreen || setup.readerGone;
  int input[2];
  int output[2] = {-1, -1};
  if (pipe2(input, O_CLOEXEC) != 0 || (pipeOutput && pipe2(output, O_CLOEXEC) != 0)) {
    return {};
  }
  const pid_t pid = fork();
  if (pid == 0) {
    execDetached(input[0], output[1], setup);
  }
  close(input[0]);
  if (pipeOutput) {
    close(output[1]);
  }
  if (setup.readerGone) {
    close(output[0]);
  }
  // A first part small enough that the program has read all of it during the pause.
  const std::size_t firstPart =
      setup.nonBlocking ? std::min<std::size_t>(script.size(), 16) : script.size();
  sendAll(input[1], script.data(), firstPart);
  if (setup.nonBlocking) {
    pause(milliseconds(100));
  }
  sendAll(input[1], script.data() + firstPart, script.size() - firstPart);
  DetachedRun run;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  if (!setup.keepScreen) {
    // Measured while the program still waits for more, before the end of input ends it.
    waitUntilDrained(input[1], pid, deadline);
    run.peakKiB = peakResidentKiB(pid);
  }
  close(input[1]);
  if (setup.keepScreen) {
    if (setup.nonBlocking) {
      pause(milliseconds(100));
    }
    collect(output[0], run.screen, deadline, setup.nonBlocking);
    close(output[0]);
  }
  while (waitpid(pid, &run.status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return {};
    }
    pause(milliseconds(10));
  }
  return run;
}

DetachedRun runDetached(const std::string& script, bool keepScreen) {
  DetachedSetup setup;
  setup.keepScreen = keepScreen;
  return runDetached(script, setup);
}

}  // namespace zorpi::testing
