// The built program with no terminal at all: a new session, a script on standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "console/session.h"
#include "e2e/detached_run.h"

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

}  // namespace
}  // namespace zorpi::testing
