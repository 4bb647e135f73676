#pragma once

#include "console/input_source.h"

namespace zorpi {

/// The real keyboard and standard input of the process. Keys come from the controlling
/// terminal (/dev/tty) even when standard input is redirected; without one, `hasKeyboard()`
/// is false and the keys are taken from standard input. Only one may exist at a time.
class TerminalInput : public InputSource {
 public:
  /// Opens /dev/tty and, if that works, installs the signal handlers that restore it.
  TerminalInput();
  /// Restores the terminal (if a key read was interrupted) and closes it.
  ~TerminalInput() override;
  TerminalInput(const TerminalInput&) = delete;
  TerminalInput& operator=(const TerminalInput&) = delete;

  bool hasKeyboard() const override;
  /// True when standard input is a terminal too.
  bool standardInputIsKeyboard() const override;
  /// Waits until the process is in the terminal's foreground (stopping as a background
  /// reader does), switches the terminal out of line mode and echo for this one read only,
  /// flushes `output`, reads one byte; kEndOfKeys at end of file, hangup, a read error, a
  /// failed output, or in a background that cannot be left.
  int readKey(Output& output) override;
  /// Reads standard input, retried when interrupted and waiting while a non-blocking one is
  /// empty; 0 at end or on an error.
  std::size_t readStandardInput(char* buffer, std::size_t capacity) override;
};

/// Puts back the settings saved before the current key read; does nothing when no key read
/// is in progress, so it is safe to call twice, and async-signal-safe.
void restoreTerminal();

}  // namespace zorpi
