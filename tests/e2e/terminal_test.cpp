// The built program on a pseudo-terminal, typed at as a person would.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include "e2e/pty_session.h"
#include "support/session.h"

namespace zorpi::testing {
namespace {

const std::string kMenuEnd = "F8 q Exit\n";

bool inKeyMode(const struct termios& settings) {
  return (settings.c_lflag & (ICANON | ECHO)) == 0;
}

bool exitedWith(int status, int code) {
  return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

bool killedBy(int status, int signal) {
  return status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == signal;
}

// One step of a session: what to type, then the text to wait for before the next step. A
// session compared as a whole waits for its last screen before q, since the screen is read
// only while waiting for something.
struct Step {
  std::string typed;
  std::string awaited;
};

// Plays `steps`; false as soon as an awaited text is missing.
bool play(PtySession& session, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    session.type(step.typed);
    if (!session.waitFor(step.awaited)) {
      ADD_FAILURE() << "no \"" << step.awaited << "\" after typing \"" << step.typed << "\"";
      return false;
    }
  }
  return true;
}

TEST(TerminalSession, KeysActAtOnceWithoutEchoAndTheScreenIsExact) {
  PtySession session(ZORPI_PROGRAM, {});
  ASSERT_TRUE(session.started());
  const struct termios before = session.initialSettings();
  // The taper example with both page breaks (Enter pressed alone goes on, as any key), the
  // info screen and the F1 key's three codes.
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(play(session, {{"g", kPageBreak},
                             {"\r", kPageBreak},
                             {" ", kMenuEnd},
                             {"i", kPageBreak},
                             {"k", kMenuEnd},
                             {"\x1bOP", kMenuEnd + kShortMenu + kShortMenu}}));
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_EQ(session.screen(), typeAtTerminal("g\n ik\x1bOPq", "").screen);
  EXPECT_TRUE(sameSettings(session.settings(), before));
}

TEST(TerminalSession, LinesAreTypedWithEchoAndKeysWithout) {
  PtySession session(ZORPI_PROGRAM, {});
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(play(session, {{"a", "Typ= "}}));
  session.type("1\n");
  EXPECT_EQ(session.waitFor(kMenuEnd), "1\n" + kFullMenu);
  session.type("b");
  EXPECT_EQ(session.waitFor("T [Nm]= "), "Drehmoment:\nT [Nm]= ");
  session.type("250 x\n");
  EXPECT_EQ(session.waitFor(kMenuEnd), "250 x\n" + kFullMenu);
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
}

TEST(TerminalSession, KeysTypedAheadAreKept) {
  PtySession session(ZORPI_PROGRAM, {});
  ASSERT_TRUE(session.started());
  // x arrives while w is still being read; TCSAFLUSH would throw it away and hang here.
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(play(session, {{"wx", kPageBreak + kShortMenu}}));
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_EQ(session.screen(), typeAtTerminal("wxq", "").screen);
}

// A line pasted ahead is edited in key mode from its first key to its line end: keys that
// arrive one by one meanwhile are echoed once, and each erase takes back what the line shows.
TEST(TerminalSession, AnEditedLineTakesEachKeyOnce) {
  PtySession session(ZORPI_PROGRAM, {});
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(play(session, {{"c\r12", "p0 [N/mm2]= 12"}}));
  std::string echo = "p0 [N/mm2]= 12";
  for (int pair = 0; pair < 1500; ++pair) {
    for (const char* key : {"5", "\x7f"}) {
      session.type(key);
      std::this_thread::sleep_for(std::chrono::microseconds(20));  // as a quick typist's
    }
    echo += "5\b \b";
  }
  session.type("9\r1 1 1 1\r");
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(play(session, {{"w", kPageBreak}}));
  EXPECT_NE(session.screen().find(echo + "9\n"), std::string::npos);
  EXPECT_NE(session.screen().find("p0= 129 [N/mm2]"), std::string::npos);
  session.type("xq");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
}

TEST(TerminalSession, KeysComeFromTheTerminalWhenStandardInputIsRedirected) {
  Launch launch;
  launch.standardInput = "1\n250\n";
  PtySession session(ZORPI_PROGRAM, launch);
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(
      play(session, {{"a", kMenuEnd}, {"b", kMenuEnd}, {"w", kPageBreak}, {"x", kMenuEnd}}));
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_EQ(session.screen(), typeAtTerminal("abwxq", "1\n250\n").screen);
}

struct Ending {
  const char* name;
  void (*act)(PtySession&);
  bool (*expected)(int status);
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const Ending& ending, std::ostream* out) {
  *out << ending.name;
}

class TerminalEnding : public ::testing::TestWithParam<Ending> {};

// Every way out while a key read has the terminal in key mode leaves the settings as found.
TEST_P(TerminalEnding, RestoresTheSettings) {
  PtySession session(ZORPI_PROGRAM, {});
  ASSERT_TRUE(session.started());
  const struct termios before = session.initialSettings();
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  GetParam().act(session);
  const int status = session.waitForEnd();
  EXPECT_TRUE(GetParam().expected(status)) << "wait status " << status;
  EXPECT_TRUE(sameSettings(session.settings(), before));
}

INSTANTIATE_TEST_SUITE_P(
    AtTheMenu, TerminalEnding,
    ::testing::Values(Ending{"q", [](PtySession& s) { s.type("q"); },
                             [](int status) { return exitedWith(status, kQuitStatus); }},
                      Ending{"CtrlC", [](PtySession& s) { s.type("\x03"); },
                             [](int status) { return killedBy(status, SIGINT); }},
                      Ending{"CtrlBackslash", [](PtySession& s) { s.type("\x1c"); },
                             [](int status) { return killedBy(status, SIGQUIT); }},
                      Ending{"SIGTERM", [](PtySession& s) { s.sendSignal(SIGTERM); },
                             [](int status) { return killedBy(status, SIGTERM); }},
                      Ending{"SIGHUP", [](PtySession& s) { s.sendSignal(SIGHUP); },
                             [](int status) { return killedBy(status, SIGHUP); }},
                      Ending{"SIGUSR1", [](PtySession& s) { s.sendSignal(SIGUSR1); },
                             [](int status) { return killedBy(status, SIGUSR1); }},
                      Ending{"SIGSEGV", [](PtySession& s) { s.sendSignal(SIGSEGV); },
                             [](int status) { return killedBy(status, SIGSEGV); }}),
    [](const ::testing::TestParamInfo<Ending>& ending) { return std::string(ending.param.name); });

TEST(TerminalSession, CtrlZHandsBackTheSettingsAndResumesTheKeyRead) {
  PtySession session(ZORPI_PROGRAM, {});
  ASSERT_TRUE(session.started());
  const struct termios before = session.initialSettings();
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  session.type("\x1a");
  ASSERT_TRUE(session.waitForStop());
  EXPECT_TRUE(sameSettings(session.settings(), before));
  // While stopped the user changes the settings; they are the ones to give back later.
  struct termios changed = before;
  changed.c_cc[VERASE] = 0x08;
  changed.c_lflag &= static_cast<tcflag_t>(~ECHOCTL);
  session.changeSettings(changed);
  session.resumeInForeground();
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  session.type("w");
  const std::string valuesScreen = typeAtTerminal("w", "").screen.substr(kShortMenu.size());
  EXPECT_EQ(session.waitFor(kPageBreak), valuesScreen);
  session.type("xq");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_TRUE(sameSettings(session.settings(), changed));
}

TEST(TerminalSession, CtrlZWithoutAJobControlShellGoesOnReadingKeys) {
  Launch launch;
  launch.seat = Seat::SessionLeader;
  PtySession session(ZORPI_PROGRAM, launch);
  ASSERT_TRUE(session.started());
  const struct termios before = session.initialSettings();
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  // Marks the key-mode settings so the test sees when the handler has run: it hands back the
  // settings saved before the read, the kernel drops the stop for an orphaned process group,
  // and the handler must put the read back into key mode, now without the mark.
  struct termios marked = session.settings();
  marked.c_cc[VERASE] = 0x08;
  session.changeSettings(marked);
  session.type("\x1a");
  ASSERT_TRUE(session.waitForSettings([&](const struct termios& now) {
    return inKeyMode(now) && now.c_cc[VERASE] == before.c_cc[VERASE];
  }));
  ASSERT_TRUE(play(session, {{"w", kPageBreak}, {"x", kMenuEnd}}));
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_EQ(session.screen(), typeAtTerminal("wxq", "").screen);
  EXPECT_TRUE(sameSettings(session.settings(), before));
}

// After the program gets the foreground: c, then 123 and Enter are echoed and end the line,
// and q leaves the settings the terminal had at the start.
void expectLineModeAfterKeys(PtySession& session) {
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  session.type("c");
  ASSERT_TRUE(session.waitFor("p0 [N/mm2]= "));
  session.type("123\r");
  EXPECT_EQ(session.waitFor("DA [mm]   = "), "123\n\nfuer Kegelverband:\nDA [mm]   = ");
  session.type("1 2 3 4\r");
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_TRUE(sameSettings(session.settings(), session.initialSettings()));
}

// Started as `zorpi &` from a shell with a line editor, with and without `stty tostop`: the
// key read stops the program until `fg`, one `fg` is enough, and the settings it puts back
// are the user's, not the line editor's.
TEST(TerminalSession, BackgroundStartNeedsOneFg) {
  for (const bool tostop : {false, true}) {
    Launch launch;
    launch.background = true;
    launch.lineEditor = true;
    launch.tostop = tostop;
    PtySession session(ZORPI_PROGRAM, launch);
    ASSERT_TRUE(session.started());
    ASSERT_TRUE(session.waitForStop()) << "tostop " << tostop;
    session.resumeInForeground();
    ASSERT_TRUE(session.waitFor(kMenuEnd)) << "tostop " << tostop;
    expectLineModeAfterKeys(session);
  }
}

// Ctrl-Z, a SIGCONT from outside while the shell's line editor has the terminal, then `fg`.
TEST(TerminalSession, SigcontInTheBackgroundTouchesNothingUntilFg) {
  Launch launch;
  launch.lineEditor = true;
  PtySession session(ZORPI_PROGRAM, launch);
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  session.type("\x1a");
  ASSERT_TRUE(session.waitForStop());
  session.continueInBackground();
  ASSERT_TRUE(session.waitForStop()) << "a background key read must stop again";
  session.resumeInForeground();
  expectLineModeAfterKeys(session);
}

// A script pasted at the menu in one piece is a script: line breaks are never keys, and it
// leaves the screens (no echo: the lines never reach the terminal's line mode) and the status
// of the same script with no terminal.
TEST(TerminalSession, APastedScriptIsAScript) {
  const std::string scripts[] = {
      "i\nc\n120\nw\n \n \nq\n",
      "g\nx\nq\n",
      "a\n6\nc\n120\ne\n40\n50\n60\n30\n20000\n2\n1\n0.15\n1\ng\n \nq\n",
  };
  for (const std::string& script : scripts) {
    std::string pasted = script;
    std::replace(pasted.begin(), pasted.end(), '\n', '\r');  // Enter, as a terminal sends it
    PtySession session(ZORPI_PROGRAM, {});
    ASSERT_TRUE(session.started());
    ASSERT_TRUE(session.waitFor(kMenuEnd));
    ASSERT_TRUE(session.waitForSettings(inKeyMode));
    session.type(pasted);
    EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus)) << script;
    EXPECT_EQ(session.screen(), runScript(script).screen) << script;
  }
}

// Stopped from outside and then ended, as `kill -STOP` and bash's `kill %1` (SIGTERM, then
// SIGCONT) do: the shell has the terminal, so nothing is restored and SIGTERM ends the job.
TEST(TerminalSession, StoppedFromOutsideEndsOnSigterm) {
  Launch launch;
  launch.lineEditor = true;
  PtySession session(ZORPI_PROGRAM, launch);
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  session.sendSignal(SIGSTOP);
  ASSERT_TRUE(session.waitForStop());
  const struct termios shells = session.settings();
  session.sendSignal(SIGTERM);
  session.continueInBackground();
  EXPECT_TRUE(killedBy(session.waitForEnd(), SIGTERM));
  EXPECT_TRUE(sameSettings(session.settings(), shells));
}

// A closed standard output is a write error, and a closed standard input the end of the typed
// input; the terminal takes neither place.
TEST(TerminalSession, ClosedStandardDescriptorsStayClosed) {
  Launch noOutput;
  noOutput.closeStandardOutput = true;
  PtySession silent(ZORPI_PROGRAM, noOutput);
  ASSERT_TRUE(silent.started());
  EXPECT_TRUE(exitedWith(silent.waitForEnd(), kOutputErrorStatus));
  EXPECT_EQ(silent.screen(), "");

  Launch noInput;
  noInput.closeStandardInput = true;
  PtySession session(ZORPI_PROGRAM, noInput);
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(play(session, {{"c", kMenuEnd}, {"w", kPageBreak}, {"x", kMenuEnd}}));
  session.type("q");
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
  EXPECT_EQ(session.screen(), typeAtTerminal("cwxq", "").screen);
}

TEST(TerminalSession, HangupWithSighupIgnoredEndsAsIfQWerePressed) {
  Launch launch;
  launch.seat = Seat::SessionLeader;
  launch.ignoreHangup = true;
  PtySession session(ZORPI_PROGRAM, launch);
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor(kMenuEnd));
  ASSERT_TRUE(session.waitForSettings(inKeyMode));
  session.hangUp();
  EXPECT_TRUE(exitedWith(session.waitForEnd(), kQuitStatus));
}

}  // namespace
}  // namespace zorpi::testing
