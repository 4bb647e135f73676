#pragma once

#include <string>

namespace zorpi::testing {

/// What a run of the built program with no terminal left behind.
struct DetachedRun {
  std::string screen;  // standard output, when kept
  int status = -1;     // wait status; -1 when the program did not end in time
  long peakKiB = 0;    // peak resident memory
};

/// Runs the built program in a session of its own, so that /dev/tty cannot be opened, with
/// `script` on standard input. With `keepScreen` the output is collected (the script must
/// then fit in a pipe's buffer); otherwise it goes to /dev/null. Kills it after kPatience.
DetachedRun runDetached(const std::string& script, bool keepScreen);

}  // namespace zorpi::testing
