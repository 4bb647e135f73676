#pragma once

#include <cstddef>
#include <string>

#include "console/output.h"

namespace zorpi {

/// Returned by key reads once no key can come any more.
constexpr int kEndOfKeys = -1;

/// Where keystrokes and typed lines come from: a keyboard of its own (the terminal) and
/// standard input. The terminal and the scripted implementation are the two sides of this seam.
class InputSource {
 public:
  virtual ~InputSource() = default;
  /// True when keys come from a keyboard; false when they must be taken from standard input.
  virtual bool hasKeyboard() const = 0;
  /// Waits for one key code 0..255, flushing `output` once ready to read; kEndOfKeys when
  /// the keyboard has ended or failed. Only called when `hasKeyboard()`.
  virtual int readKeyboard(Output& output) = 0;
  /// Reads up to `capacity` bytes of standard input into `buffer`, waiting if none are there
  /// yet; returns 0 only at end of input (or on a read error).
  virtual std::size_t readStandardInput(char* buffer, std::size_t capacity) = 0;
};

/// Input from strings. With keys it behaves like a terminal: keys and standard input are
/// separate and standard input arrives a line per read. Without, it is a script on standard
/// input, handed out in blocks, from which the keys are taken too.
class ScriptedInput : public InputSource {
 public:
  /// No keyboard: `standardInput` holds keys and numbers in the order they are read.
  explicit ScriptedInput(std::string standardInput);
  /// A keyboard typing `keys`, and the lines typed for number reads in `standardInput`.
  ScriptedInput(std::string keys, std::string standardInput);

  bool hasKeyboard() const override { return hasKeyboard_; }
  int readKeyboard(Output& output) override;
  std::size_t readStandardInput(char* buffer, std::size_t capacity) override;

 private:
  bool hasKeyboard_;
  std::string keys_;
  std::size_t nextKey_ = 0;
  std::string standardInput_;
  std::size_t nextInput_ = 0;
};

}  // namespace zorpi
