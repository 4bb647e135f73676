#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "console/text/vocabulary.h"

namespace zorpi {

/// The control characters a line discipline obeys when typed, 0 for none, and whether an
/// erase takes a whole UTF-8 character. The last three are a terminal's extended editing
/// (IEXTEN); the page leaves Ctrl-W, Ctrl-V and Ctrl-R to the browser.
struct LineKeys {
  char erase = 0x7f;      // Backspace
  char kill = 0x15;       // Ctrl-U
  char endOfFile = 0x04;  // Ctrl-D
  char interrupt = 0x03;  // Ctrl-C
  bool utf8 = true;
  char wordErase = 0;    // Ctrl-W at a terminal
  char literalNext = 0;  // Ctrl-V
  char reprint = 0;      // Ctrl-R
};

/// What a terminal's line discipline does with typed bytes: in key mode the bytes wait
/// unprocessed and unechoed; otherwise lines are edited and echoed (the erase, word erase, kill,
/// literal next and reprint keys, Enter as "\n", end of file as the end of input or a line
/// without Enter, control codes shown as ^X and U+0080 to U+009F as U+FFFD, a typed line capped
/// at kMaxLine bytes). A typed interrupt key interrupts in both modes. Switching modes keeps
/// what is waiting, as Linux does, but for the end of input: it stays for the line reads. A paste
/// is taken literally and uncapped: its control codes are shown or are keys, never obeyed; one that
/// began in key mode stays keys to its end, whatever the mode when its rest arrives. Used for a
/// keyboard that has no terminal driver (the browser page), and where a terminal's own line editing
/// cannot be handed text typed ahead.
class LineDiscipline {
 public:
  /// The longest line a read can get, as a Linux terminal's input queue allows.
  static constexpr std::size_t kMaxLine = 4095;

  explicit LineDiscipline(LineKeys controls = {}) : controls_(controls) {}

  /// Takes bytes as they arrived (typed, or a paste and its rest), in the mode now in force.
  void receive(std::string_view bytes, Arrival arrival = Arrival::Typed);
  /// Puts `text`, which has no line end, at the end of the line being typed, echoed and taken
  /// literally as a paste is: text typed ahead that the next typing continues.
  void beginLine(std::string_view text);
  /// Notes what the program wrote, to know the column where a typed line begins.
  void noteOutput(std::string_view written);
  /// Obeys `controls` from now on (the terminal's settings may have changed).
  void setControls(const LineKeys& controls) { controls_ = controls; }
  /// The screen's line holds `screenLine` now, with the cursor at its end: a prompt written
  /// where the output was not noted, say.
  void noteScreenLine(std::string_view screenLine);
  /// Shows the line being typed again where the cursor stands: typed before the prompt that
  /// now takes it, it then stands after that prompt.
  void showAgain();
  /// Key mode on: everything waiting, whole lines and the line being edited, is taken as
  /// keys. Off: whole lines of the keys not yet taken become one block for the next line read,
  /// and what follows their last line end is the start of the line being typed.
  void setKeyMode(bool on);
  /// True when a key read would get bytes now.
  bool hasKeys() const { return !keys_.empty(); }
  /// Moves up to `capacity` waiting keys into `buffer`; returns how many.
  std::size_t takeKeys(char* buffer, std::size_t capacity);
  /// The line being typed, as it stands.
  std::string_view editing() const { return editing_; }
  /// True when a line read would return now: a whole line, a block, or the end of input.
  bool hasLine() const { return !lines_.empty(); }
  /// True when anything typed waits: a line, a line being edited, or keys.
  bool holdsText() const { return hasLine() || hasKeys() || !editing_.empty(); }
  /// Moves up to `capacity` bytes of the next line into `buffer`; 0 at the end of input
  /// (end of file at the start of a line). The rest of a long line stays for the next read.
  std::size_t takeLine(char* buffer, std::size_t capacity);
  /// True once the interrupt key was typed.
  bool interrupted() const { return interrupted_; }
  /// What the terminal shows of the typing since the last call.
  std::string takeEcho();

 private:
  void receiveInLine(char c, bool pasted);
  /// Adds `c` to the line being typed, unless the line is full.
  void add(char c, bool pasted);
  void eraseLast();
  /// Erases back over what is no word, then over the word, as Linux does.
  void eraseWord();
  /// Erases a tab as Linux does: back to where the tab began, counted from the line's start
  /// column or from the tab before it.
  void eraseTab();
  /// Shows `c` as the terminal echoes it and moves the column on.
  void echo(char c);
  /// Shows a held-back U+0080 lead byte as it is: what followed it was no C1 code.
  void releaseHeldLead();
  /// True when `c`, typed, is the control key `key` (0 disables it).
  static bool is(char c, char key) { return key != 0 && c == key; }

  LineKeys controls_;
  bool keyMode_ = false;
  bool interrupted_ = false;
  bool pasteAsKeys_ = false;    // the paste being received began in key mode
  bool heldLead_ = false;       // the echo of a 0xC2 waits for the byte that decides it
  bool literal_ = false;        // the literal next key came: the next byte is text
  std::size_t column_ = 0;      // where the cursor is, as the output and the echo left it
  std::size_t lineColumn_ = 0;  // where the line being edited began
  std::string keys_;
  std::deque<std::string> lines_;  // ready for line reads; "" is the end of input
  std::string editing_;
  std::string echo_;
};

}  // namespace zorpi
