// The built program's memory over long sessions with no terminal.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>

#include "console/menu_loop.h"

namespace zorpi::testing {
namespace {

struct Usage {
  int status = -1;
  long peakKiB = 0;
};

// Runs the program in a session of its own with `script` on standard input and the screen
// going to /dev/null; returns its wait status and peak resident memory.
Usage runWithoutScreen(const std::string& script) {
  int input[2];
  if (pipe2(input, O_CLOEXEC) != 0) {
    return {};
  }
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();
    dup2(input[0], STDIN_FILENO);
    const int screen = open("/dev/null", O_WRONLY);
    dup2(screen, STDOUT_FILENO);
    execl(ZORPI_PROGRAM, ZORPI_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  for (std::size_t sent = 0; sent < script.size();) {
    const ssize_t written = write(input[1], script.data() + sent, script.size() - sent);
    if (written <= 0) {
      break;  // the program ended early; its status tells
    }
    sent += static_cast<std::size_t>(written);
  }
  close(input[1]);
  Usage usage;
  struct rusage resources {};
  if (wait4(pid, &usage.status, 0, &resources) == pid) {
    usage.peakKiB = resources.ru_maxrss;
  }
  return usage;
}

// Random keys without q, so the session runs to the end of the script.
std::string randomKeys(std::size_t size) {
  std::mt19937 random(4711);
  std::string keys;
  keys.reserve(size);
  while (keys.size() < size) {
    const char key = static_cast<char>(random() & 0xff);
    if (key != 'q') {
      keys += key;
    }
  }
  return keys;
}

TEST(Memory, TenTimesLongerSessionNeedsNoMoreMemory) {
  const std::string longScript = randomKeys(10 << 20);
  const Usage shortRun = runWithoutScreen(longScript.substr(0, 1 << 20));
  const Usage longRun = runWithoutScreen(longScript);
  for (const Usage& run : {shortRun, longRun}) {
    ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus) << run.status;
  }
  EXPECT_LE(longRun.peakKiB, shortRun.peakKiB + shortRun.peakKiB / 10)
      << "1 MB: " << shortRun.peakKiB << " KiB, 10 MB: " << longRun.peakKiB << " KiB";
}

}  // namespace
}  // namespace zorpi::testing
