#pragma once

#include "console/text/input_source.h"

namespace zorpi {

/// The real keyboard and standard input of the process. Keys come from the terminal (POSIX:
/// the controlling terminal, /dev/tty), the console (Windows: CONIN$, when the console has a
/// window) or the page (browser) even when standard input is redirected; without one,
/// `hasKeyboard()` is false and the keys are taken from standard input. Each platform
/// implements it in a file of its own. Only one may exist.
class TerminalInput : public InputSource {
 public:
  /// Opens the keyboard (POSIX: at descriptor 3 or above, never in place of a closed
  /// standard descriptor) and, on POSIX, installs the signal handlers.
  TerminalInput();
  /// Restores the terminal (if a key read was interrupted) and closes it.
  ~TerminalInput() override;
  TerminalInput(const TerminalInput&) = delete;
  TerminalInput& operator=(const TerminalInput&) = delete;

  bool hasKeyboard() const override;
  /// True when standard input is the terminal or console too.
  bool standardInputIsKeyboard() const override;
  /// Flushes `output` and reads the waiting key codes without echo and without Enter (POSIX:
  /// in the foreground, stopping as a background reader does, with the terminal out of line
  /// mode for this one read only); 0 at end of file, hangup, a read error, a failed output,
  /// or in a background that cannot be left. The page is told what `wait` says.
  std::size_t readKeyboard(Output& output, const KeyWait& wait, char* buffer,
                           std::size_t capacity) override;
  /// Reads standard input, retried when interrupted and waiting while a non-blocking one is
  /// empty; 0 at end or on an error. Text `begun` is shown and edited with the typing: by
  /// the console's own line editing on Windows and in the page, and on POSIX, where the
  /// terminal cannot take it back, by this program for that one line.
  std::size_t readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                std::size_t capacity) override;
  /// The page learns where in the last hand-over the run ended; elsewhere nothing.
  void noteQuit(std::size_t untaken) override;
};

}  // namespace zorpi
