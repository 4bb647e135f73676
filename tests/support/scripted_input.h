#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "console/text/input_source.h"

namespace zorpi::testing {

/// Where standard input comes from in a session with a keyboard.
enum class StandardInput {
  Keyboard,    // the keyboard's own terminal: a line per read
  Redirected,  // a file: as much per read as asked for
};

/// Input from strings. With keys it behaves like a terminal: keys and standard input are
/// separate and standard input arrives a line per read. Without, it is a script on standard
/// input, handed out in blocks, from which the keys are taken too.
class ScriptedInput : public InputSource {
 public:
  /// No keyboard: `standardInput` holds keys and numbers in the order they are read.
  explicit ScriptedInput(std::string standardInput);
  /// A keyboard typing `keys` one at a time, and the lines typed for number reads in
  /// `standardInput`.
  ScriptedInput(std::string keys, std::string standardInput);
  /// A keyboard that hands over one of `bursts` per read (codes that arrive together: a key
  /// of several codes, a paste), and standard input from `from`.
  ScriptedInput(std::vector<std::string> bursts, std::string standardInput, StandardInput from);

  bool hasKeyboard() const override { return hasKeyboard_; }
  bool standardInputIsKeyboard() const override { return standardInputIsKeyboard_; }
  /// The next burst, cut to `capacity`; the rest of it comes with the next read.
  std::size_t readKeyboard(Output& output, char* buffer, std::size_t capacity) override;
  std::size_t readStandardInput(char* buffer, std::size_t capacity) override;

 private:
  bool hasKeyboard_;
  bool standardInputIsKeyboard_;
  std::vector<std::string> bursts_;
  std::size_t nextBurst_ = 0;
  std::string standardInput_;
  std::size_t nextInput_ = 0;
};

}  // namespace zorpi::testing
