#pragma once

#include <cstddef>

#include "console/text/output.h"

namespace zorpi {

/// At most this many key codes are taken from the keyboard at once: a terminal's input queue.
constexpr std::size_t kKeyboardBurst = 4096;

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
  /// Waits for a key, flushing `output` once ready to read, and puts into `buffer` the codes
  /// of every key waiting by then, at most `capacity` (at least 1): one code for a key
  /// pressed alone, more for a special key or a paste. 0 when the keyboard has ended or
  /// failed. Only called when `hasKeyboard()`.
  virtual std::size_t readKeyboard(Output& output, char* buffer, std::size_t capacity) = 0;
  /// Reads up to `capacity` bytes of standard input into `buffer`, waiting if none are there
  /// yet; returns 0 only at end of input (or on a read error).
  virtual std::size_t readStandardInput(char* buffer, std::size_t capacity) = 0;
};

}  // namespace zorpi
