#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace zorpi {

/// What a terminal's line discipline does with typed bytes, for a keyboard that has none (the
/// browser page): in key mode the bytes wait unprocessed and unechoed; otherwise lines are
/// edited and echoed (Backspace, Ctrl-U, Enter as "\n", Ctrl-D as end of input, control
/// characters shown as ^X, a line capped at kMaxLine bytes). Ctrl-C interrupts in both modes.
/// Switching modes keeps what is waiting, as Linux does.
class LineDiscipline {
 public:
  /// The longest line a read can get, as a Linux terminal's input queue allows.
  static constexpr std::size_t kMaxLine = 4095;

  /// Takes bytes as typed, in the mode now in force.
  void receive(std::string_view typed);
  /// Key mode on: everything waiting, whole lines and the line being edited, is taken as
  /// keys. Off: keys not yet taken become one block for the next line read.
  void setKeyMode(bool on);
  /// True when a key read would get bytes now.
  bool hasKeys() const { return !keys_.empty(); }
  /// Moves up to `capacity` waiting keys into `buffer`; returns how many.
  std::size_t takeKeys(char* buffer, std::size_t capacity);
  /// True when a line read would return now: a whole line, a block, or the end of input.
  bool hasLine() const { return !lines_.empty(); }
  /// Moves up to `capacity` bytes of the next line into `buffer`; 0 at the end of input
  /// (Ctrl-D at the start of a line). The rest of a long line stays for the next read.
  std::size_t takeLine(char* buffer, std::size_t capacity);
  /// True once Ctrl-C was typed.
  bool interrupted() const { return interrupted_; }
  /// What the terminal shows of the typing since the last call.
  std::string takeEcho();

 private:
  void receiveInLine(char c);
  void eraseLast();

  bool keyMode_ = false;
  bool interrupted_ = false;
  std::string keys_;
  std::deque<std::string> lines_;  // ready for line reads; "" is the end of input
  std::string editing_;
  std::string echo_;
};

}  // namespace zorpi
