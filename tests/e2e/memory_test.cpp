// The built program's memory over long sessions with no terminal.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <random>
#include <string>

#include "console/menu_loop.h"
#include "e2e/detached_run.h"

namespace zorpi::testing {
namespace {

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
  const DetachedRun shortRun = runDetached(longScript.substr(0, 1 << 20), false);
  const DetachedRun longRun = runDetached(longScript, false);
  for (const DetachedRun& run : {shortRun, longRun}) {
    ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus) << run.status;
  }
  EXPECT_LE(longRun.peakKiB, shortRun.peakKiB + shortRun.peakKiB / 10)
      << "1 MB: " << shortRun.peakKiB << " KiB, 10 MB: " << longRun.peakKiB << " KiB";
}

}  // namespace
}  // namespace zorpi::testing
