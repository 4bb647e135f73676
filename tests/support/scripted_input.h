#pragma once

#include <cstddef>
#include <string>

#include "console/input_source.h"

namespace zorpi::testing {

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
  bool standardInputIsKeyboard() const override { return hasKeyboard_; }
  /// One key per call, as keys pressed one at a time.
  std::size_t readKeyboard(Output& output, char* buffer, std::size_t capacity) override;
  std::size_t readStandardInput(char* buffer, std::size_t capacity) override;

 private:
  bool hasKeyboard_;
  std::string keys_;
  std::size_t nextKey_ = 0;
  std::string standardInput_;
  std::size_t nextInput_ = 0;
};

}  // namespace zorpi::testing
