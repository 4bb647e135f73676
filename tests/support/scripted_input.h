#pragma once

#include <cstddef>
#include <string>
#include <string_view>
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
  /// The next burst, cut to `capacity`; the rest of it comes with the next read. Notes what
  /// the read waited for.
  std::size_t readKeyboard(Output& output, const KeyWait& wait, char* buffer,
                           std::size_t capacity) override;
  /// At the keyboard's terminal the person types the next line after what `begun` shows.
  std::size_t readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                std::size_t capacity) override;

  void noteQuit(std::size_t untaken) override { quitUntaken = static_cast<int>(untaken); }

  /// Each key read's facts, as "kind:unread".
  std::vector<std::string> keyWaits;
  /// What noteQuit was told; -1 before.
  int quitUntaken = -1;
  /// The text shown at the start of each line typed, where there was any.
  std::vector<std::string> begunLines;
  /// The question each line read answered.
  std::vector<std::string> questions;

 private:
  bool hasKeyboard_;
  bool standardInputIsKeyboard_;
  std::vector<std::string> bursts_;
  std::size_t nextBurst_ = 0;
  std::string standardInput_;
  std::size_t nextInput_ = 0;
};

}  // namespace zorpi::testing
