#pragma once

#include <string>

namespace zorpi::testing {

/// What a run of the built program with no terminal left behind.
struct DetachedRun {
  std::string screen;  // standard output, when kept
  int status = -1;     // wait status; -1 when the program did not end in time
  long peakKiB = 0;    // peak resident memory once all input was taken; 0 when kept screen
};

/// Where the program's standard output goes, and how its descriptors behave.
struct DetachedSetup {
  /// Collects standard output (the script must then fit in a pipe's buffer); else /dev/null.
  bool keepScreen = false;
  /// Both pipes non-blocking; the script's first few bytes arrive a pause before the rest,
  /// and the screen is read only after a pause and then slowly.
  bool nonBlocking = false;
  /// Standard output to this file instead, such as /dev/full.
  const char* outputFile = nullptr;
  /// Standard output a pipe whose reader is gone, with SIGPIPE ignored.
  bool readerGone = false;
};

/// Runs the built program in a session of its own, so that /dev/tty cannot be opened, with
/// `script` on standard input. Kills it after kPatience.
DetachedRun runDetached(const std::string& script, const DetachedSetup& setup);
/// As above with a plain pipe for the screen (`keepScreen`) or /dev/null.
DetachedRun runDetached(const std::string& script, bool keepScreen);

}  // namespace zorpi::testing
