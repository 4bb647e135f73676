#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorpi::testing {

using std::chrono::milliseconds;

/// How long any wait of a test may take before it counts as hung.
constexpr milliseconds kPatience{5000};

/// How the program sits on its pseudo-terminal.
enum class Seat {
  /// A foreground job under a small job-control shell, as a user starts it from bash.
  Job,
  /// The session leader itself, as a terminal window started with the program would run it.
  SessionLeader,
};

/// How the program is started on its terminal.
struct Launch {
  Seat seat = Seat::Job;
  /// Starts the program with SIGHUP ignored, as nohup does.
  bool ignoreHangup = false;
  /// When set, standard input is a pipe holding this text instead of the terminal.
  std::optional<std::string> standardInput;
  /// Job seat only: started in the background, as `zorpi &`; the shell keeps the terminal.
  bool background = false;
  /// Starts the program with standard input, or standard output, closed (`<&-`, `>&-`).
  bool closeStandardInput = false;
  bool closeStandardOutput = false;
  /// The terminal stops background jobs that write to it (`stty tostop`).
  bool tostop = false;
  /// Job seat only: while the shell holds the terminal, it is in a line editor's mode
  /// (-icanon -echo -icrnl); the shell puts the user's settings back before `fg`, as bash does.
  bool lineEditor = false;
};

/// The built program running on a pseudo-terminal of its own, driven as a person would:
/// keys written to the terminal, the screen read back. Every wait ends after `kPatience`.
class PtySession {
 public:
  /// Starts `program` on a new pseudo-terminal in line mode with echo (openpty, fork,
  /// login_tty: forkpty's steps); `started()` tells.
  PtySession(const std::string& program, const Launch& launch);
  /// Kills what is still running and closes the terminal.
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  /// True when the terminal and the program could be set up.
  bool started() const { return programPid_ > 0; }
  /// Reads the screen until `text` appears after the previous match and returns what came
  /// from there up to the end of `text`; nullopt on timeout.
  std::optional<std::string> waitFor(const std::string& text);
  /// Everything the terminal showed so far, carriage returns dropped.
  const std::string& screen() const { return screen_; }
  /// Reads the screen until nothing new has come for `quiet`; false if that takes longer
  /// than `kPatience`.
  bool settle(milliseconds quiet);
  /// Types `keys` on the keyboard at once, as fast typing would.
  void type(const std::string& keys);
  /// The terminal's settings before the program started.
  const struct termios& initialSettings() const { return initial_; }
  /// The terminal's settings now, read from its slave side.
  struct termios settings() const;
  /// Changes the terminal's settings, as another program on it would.
  void changeSettings(const struct termios& settings);
  /// Polls the settings until `condition` holds; false on timeout.
  bool waitForSettings(const std::function<bool(const struct termios&)>& condition);
  /// Sends `signal` to the program.
  void sendSignal(int signal);
  /// Job seat only: waits until the shell reports the program stopped.
  bool waitForStop();
  /// Job seat only: puts the stopped program back in the foreground and continues it.
  void resumeInForeground();
  /// Job seat only: continues the stopped program and leaves it in the background, as a
  /// `kill -CONT` from outside does.
  void continueInBackground();
  /// Closes the terminal's master side, as a terminal window closing does; no more screen.
  void hangUp();
  /// Waits for the program to end and returns its wait status; -1 on timeout.
  int waitForEnd();

 private:
  struct Report {
    int kind;
    int value;
  };
  void pump(milliseconds timeout);
  bool until(const std::function<bool()>& done, milliseconds interval);
  bool takeReport(int kind, int& value);

  int master_ = -1;
  int slave_ = -1;
  pid_t leaderPid_ = -1;   // the process forkpty made: the shell, or the program itself
  pid_t programPid_ = -1;  // the program
  int reports_ = -1;       // shell -> test: program pid, stops, end
  int commands_ = -1;      // test -> shell: continue
  Seat seat_;
  struct termios initial_ {};
  std::string screen_;
  std::size_t mark_ = 0;
  std::string reportBytes_;
  std::vector<Report> reportQueue_;
  int endStatus_ = -1;
};

/// True when the two settings agree in every flag and control character.
bool sameSettings(const struct termios& a, const struct termios& b);

}  // namespace zorpi::testing
