#pragma once

#include <cstddef>
#include <string_view>

#include "console/text/output.h"
#include "console/text/vocabulary.h"

namespace zorpi {

/// At most this many key codes are taken from the keyboard at once: a terminal's input queue.
constexpr std::size_t kKeyboardBurst = 4096;

/// The facts of a key read: what it waits for, and the text of a number line the program
/// holds unread meanwhile (the next number question takes it), white space trimmed.
struct KeyWait {
  ReadKind kind = ReadKind::MenuKey;
  std::string_view unread;
};

/// The facts of a line read for a number: text typed ahead at the keyboard without its line
/// end, which the line begins with, and the question it answers, as the prompt wrote it ("D
/// [mm]="; empty where a read is not asked by a prompt).
struct LineWait {
  std::string_view begun;
  std::string_view question;
};

/// Where keystrokes and typed lines come from: a keyboard of its own (the terminal) and
/// standard input. Abstract so it can be mocked out for tests.
class InputSource {
 public:
  virtual ~InputSource() = default;
  /// True when keys come from a keyboard; false when they must be taken from standard input.
  virtual bool hasKeyboard() const = 0;
  /// True when standard input is the keyboard's own terminal, so that one read of it may
  /// bring text typed ahead of the reads that want it.
  virtual bool standardInputIsKeyboard() const = 0;
  /// Waits for a key for `wait`, flushing `output` once ready to read, and puts into `buffer`
  /// the codes of every key waiting by then, at most `capacity` (at least 1): one code for a
  /// key pressed alone, more for a special key or a paste. 0 when the keyboard has ended or
  /// failed. Only called when `hasKeyboard()`.
  virtual std::size_t readKeyboard(Output& output, const KeyWait& wait, char* buffer,
                                   std::size_t capacity) = 0;
  /// Flushes `output` once ready to read and reads up to `capacity` bytes of standard input
  /// into `buffer`, waiting if none are there yet; returns 0 only at end of input, on a read
  /// error or a failed output. `wait.begun` is text typed ahead at the keyboard without its
  /// line end (only when `standardInputIsKeyboard()`): it stands after the prompt as if typed
  /// now, the typing continues it, and the line read begins with what is left of it. The page
  /// is told `wait.question`.
  virtual std::size_t readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                        std::size_t capacity) = 0;
  /// Told once, when `q` ended the session: how many bytes of what the keyboard handed over
  /// last followed the `q` and were never taken.
  virtual void noteQuit(std::size_t untaken) { static_cast<void>(untaken); }
};

}  // namespace zorpi
