// The built program's memory over long sessions with no terminal.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <random>
#include <string>

#include "console/menu_loop.h"
#include "e2e/detached_run.h"

namespace zorpi::testing {
namespace {

constexpr long kEndlessLineBudgetKiB = 16 * 1024;
// The sanitizers' builds read ten times slower; a tenth of the line still shows the bound.
#ifdef ZORPI_SANITIZED
constexpr std::size_t kEndlessLineShare = 10;
#else
constexpr std::size_t kEndlessLineShare = 1;
#endif

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

// A line that never ends at a number prompt (key c, p0) is read through, not kept.
TEST(Memory, EndlessLineAtANumberPromptStaysSmall) {
  for (const char filler : {'\0', '7'}) {
    const std::size_t size = (filler == '\0' ? 100 << 20 : 50 << 20) / kEndlessLineShare;
    const DetachedRun run = runDetached("c" + std::string(size, filler), false);
    ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus) << run.status;
    EXPECT_GT(run.peakKiB, 0);
    EXPECT_LT(run.peakKiB, kEndlessLineBudgetKiB) << static_cast<int>(filler);
  }
}

}  // namespace
}  // namespace zorpi::testing
