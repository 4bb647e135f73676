#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace zorpi {

/// How bytes reached a keyboard without a terminal driver; the page sends these numbers.
enum class Arrival {
  Typed = 0,        // keys pressed, or what an input method commits
  Paste = 1,        // the start of text that arrived in one piece
  RestOfPaste = 2,  // more of the same paste, handed over later
};

/// What a terminal's line discipline does with typed bytes, for a keyboard that has none (the
/// browser page): in key mode the bytes wait unprocessed and unechoed; otherwise lines are
/// edited and echoed (Backspace, Ctrl-U, Enter as "\n", Ctrl-D as end of input, control
/// codes shown as ^X and U+0080 to U+009F as U+FFFD, a typed line capped at kMaxLine bytes).
/// Ctrl-C interrupts in both modes. Switching modes keeps what is waiting, as Linux does.
/// A paste is taken literally and uncapped, and one that began in key mode stays keys to its
/// end, whatever the mode when its rest arrives.
class LineDiscipline {
 public:
  /// The longest line a read can get, as a Linux terminal's input queue allows.
  static constexpr std::size_t kMaxLine = 4095;

  /// Takes bytes as they arrived, in the mode now in force.
  void receive(std::string_view bytes, Arrival arrival = Arrival::Typed);
  /// Notes what the program wrote, to know the column where a typed line begins.
  void noteOutput(std::string_view written);
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
  void receiveInLine(char c, bool pasted);
  void eraseLast();
  /// Erases a tab as Linux does: back to where the tab began, counted from the line's start
  /// column or from the tab before it.
  void eraseTab();
  /// Shows `c` as the terminal echoes it and moves the column on.
  void echo(char c);
  /// Shows a held-back U+0080 lead byte as it is: what followed it was no C1 code.
  void releaseHeldLead();

  bool keyMode_ = false;
  bool interrupted_ = false;
  bool pasteAsKeys_ = false;    // the paste being received began in key mode
  bool heldLead_ = false;       // the echo of a 0xC2 waits for the byte that decides it
  std::size_t column_ = 0;      // where the cursor is, as the output and the echo left it
  std::size_t lineColumn_ = 0;  // where the line being edited began
  std::string keys_;
  std::deque<std::string> lines_;  // ready for line reads; "" is the end of input
  std::string editing_;
  std::string echo_;
};

}  // namespace zorpi
