#include "e2e/detached_run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include "e2e/pty_session.h"

namespace zorpi::testing {

namespace {

void sendAll(int fd, const std::string& text) {
  for (std::size_t sent = 0; sent < text.size();) {
    const ssize_t written = write(fd, text.data() + sent, text.size() - sent);
    if (written <= 0) {
      return;  // the program ended early; its status tells
    }
    sent += static_cast<std::size_t>(written);
  }
}

void collect(int fd, std::string& screen, std::chrono::steady_clock::time_point deadline) {
  struct pollfd readable = {fd, POLLIN, 0};
  while (std::chrono::steady_clock::now() < deadline && poll(&readable, 1, 100) >= 0) {
    char buffer[4096];
    const ssize_t got = readable.revents != 0 ? read(fd, buffer, sizeof buffer) : -1;
    if (got == 0) {
      return;
    }
    if (got > 0) {
      screen.append(buffer, static_cast<std::size_t>(got));
    }
  }
}

}  // namespace

DetachedRun runDetached(const std::string& script, bool keepScreen) {
  int input[2];
  int output[2] = {-1, -1};
  if (pipe2(input, O_CLOEXEC) != 0 || (keepScreen && pipe2(output, O_CLOEXEC) != 0)) {
    return {};
  }
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();
    dup2(input[0], STDIN_FILENO);
    dup2(keepScreen ? output[1] : open("/dev/null", O_WRONLY), STDOUT_FILENO);
    execl(ZORPI_PROGRAM, ZORPI_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  sendAll(input[1], script);
  close(input[1]);
  DetachedRun run;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  if (keepScreen) {
    close(output[1]);
    collect(output[0], run.screen, deadline);
    close(output[0]);
  }
  struct rusage usage {};
  while (wait4(pid, &run.status, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return {};
    }
    poll(nullptr, 0, 10);
  }
  run.peakKiB = usage.ru_maxrss;
  return run;
}

}  // namespace zorpi::testing
