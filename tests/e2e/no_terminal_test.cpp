// The built program with no terminal at all: a new session, a script on standard input.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "console/session.h"
#include "e2e/pty_session.h"

namespace zorpi::testing {
namespace {

struct DetachedRun {
  std::string output;
  int status = -1;  // wait status; -1 when the program did not end in time
};

// Runs the program in a session of its own, so that /dev/tty cannot be opened, with `script`
// as its standard input (small enough for a pipe's buffer).
DetachedRun runDetached(const std::string& script) {
  int input[2];
  int output[2];
  if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) {
    return {};
  }
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();
    dup2(input[0], STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    execl(ZORPI_PROGRAM, ZORPI_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  close(output[1]);
  [[maybe_unused]] ssize_t written = write(input[1], script.data(), script.size());
  close(input[1]);
  DetachedRun run;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  struct pollfd readable = {output[0], POLLIN, 0};
  while (std::chrono::steady_clock::now() < deadline && poll(&readable, 1, 100) >= 0) {
    char buffer[4096];
    const ssize_t got = (readable.revents != 0) ? read(output[0], buffer, sizeof buffer) : -1;
    if (got == 0) {
      break;
    }
    if (got > 0) {
      run.output.append(buffer, static_cast<std::size_t>(got));
    }
  }
  close(output[0]);
  while (waitpid(pid, &run.status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      run.status = -1;
      break;
    }
    poll(nullptr, 0, 10);
  }
  return run;
}

TEST(NoTerminal, AScriptOnStandardInputGivesTheExactTranscript) {
  // The taper example, a form-fit type with typed values, and the values screen, a line each.
  const std::string script = "g\n \n \na\n1\nb\n250\nw\n \n \ng\n \nq\n";
  const DetachedRun run = runDetached(script);
  ASSERT_GE(run.status, 0);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus);
  EXPECT_EQ(run.output, runScript(script).screen);
  EXPECT_NE(run.output.find("p    = 48.2743 [N/mm2]\n"), std::string::npos);
}

TEST(NoTerminal, AScriptWithoutQEndsByItself) {
  const DetachedRun run = runDetached("a\n6\nc\n120\ng\n \n");
  ASSERT_GE(run.status, 0);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus);
  EXPECT_EQ(run.output, runScript("a\n6\nc\n120\ng\n \n").screen);
}

}  // namespace
}  // namespace zorpi::testing
