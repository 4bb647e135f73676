// The built program with no terminal at all: a new session, a script on standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "e2e/detached_run.h"
#include "support/session.h"

namespace zorpi::testing {
namespace {

TEST(NoTerminal, AScriptOnStandardInputGivesTheExactTranscript) {
  // The taper example, a form-fit type with typed values, and the values screen, a line each.
  const std::string script = "g\n \n \na\n1\nb\n250\nw\n \n \ng\n \nq\n";
  const DetachedRun run = runDetached(script, true);
  ASSERT_GE(run.status, 0);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus);
  EXPECT_EQ(run.screen, runScript(script).screen);
  EXPECT_NE(run.screen.find("p    = 48.2743 [N/mm2]\n"), std::string::npos);
}

TEST(NoTerminal, AScriptWithoutQEndsByItself) {
  const DetachedRun run = runDetached("a\n6\nc\n120\ng\n \n", true);
  ASSERT_GE(run.status, 0);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus);
  EXPECT_EQ(run.screen, runScript("a\n6\nc\n120\ng\n \n").screen);
}

// Reads that would block wait: the run neither ends early nor loses screens.
TEST(NoTerminal, NonBlockingDescriptorsWaitAndLoseNothing) {
  std::string script;
  for (int cycle = 0; cycle < 3000; ++cycle) {
    script += "g  ";  // the taper's results, about 1.5 MB in all
  }
  script += "q";
  DetachedSetup setup;
  setup.keepScreen = true;
  setup.nonBlocking = true;
  const DetachedRun run = runDetached(script, setup);
  ASSERT_GE(run.status, 0);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kQuitStatus) << run.status;
  const std::string expected = runScript(script).screen;
  EXPECT_EQ(run.screen.size(), expected.size());
  EXPECT_TRUE(run.screen == expected);
}

// Screens that cannot be written end the run at once with 74, never with 113.
TEST(NoTerminal, LostOutputEndsWithStatus74) {
  const std::string endless(20 << 20, 'g');  // more than the program would get through
  DetachedSetup full;
  full.outputFile = "/dev/full";
  DetachedSetup gone;
  gone.readerGone = true;
  for (const DetachedSetup& setup : {full, gone}) {
    const DetachedRun run = runDetached(endless, setup);
    ASSERT_GE(run.status, 0) << "still running";
    EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == kOutputErrorStatus)
        << run.status;
  }
}

}  // namespace
}  // namespace zorpi::testing
