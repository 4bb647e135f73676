#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "console/text/input_source.h"
#include "console/text/key.h"
#include "console/text/output.h"

namespace zorpi {

/// The typed-input stream on standard input: numbers typed a line at a time, and, where there
/// is no keyboard, the keys too, in the order they stand in the stream. Reads it in blocks of
/// a fixed size and looks at each byte once, however long a line or a number is.
class TypedInput {
 public:
  /// Reads from `source`; flushes `output` before every wait for more data, and takes a
  /// failed output as the end of input.
  TypedInput(InputSource& source, Output& output);

  /// Skips white space across lines, then takes the input item of "%lf" (RealItem). A whole
  /// number is stored and what follows stays for the next read; otherwise the field keeps
  /// its value and the rest of the line is dropped. False, with the field kept, only once
  /// standard input has ended for good.
  bool readReal(double& value);
  /// As readReal with the item of "%d" (IntItem); out-of-range values saturate.
  bool readInt(std::int32_t& value);
  /// A key as a script gives it: the next byte of the stream that is not a line break
  /// ('\n', '\r'); kEndOfKeys at the end.
  Key takeScriptKey();
  /// At a keyboard: the next key of text typed or pasted ahead (what arrived on standard
  /// input after a line break, or was kept by `keepTypedAhead`), taken in stream order as
  /// takeScriptKey does; kNoTypedAheadKey, and nothing taken, when there is none. What a
  /// number read left of its line before that text stays for the next number read.
  Key takeTypedAheadKey();
  /// How many bytes of the text typed ahead follow the last key takeTypedAheadKey took.
  std::size_t untakenAfterKey() const { return untakenAfterKey_; }
  /// Moves what is unread to the front and returns where text from the keyboard may go
  /// next, after all of it; `room` gets how many bytes fit there.
  char* makeRoomForTypedAhead(std::size_t& room);
  /// Keeps the `size` bytes written where makeRoomForTypedAhead said as text typed ahead: a
  /// paste, or a key of several codes. Keys and number lines are then taken from it as from
  /// a script; a last line without its line end goes back to the keyboard when a number read
  /// reaches it, as the start of the line being typed.
  void keepTypedAhead(std::size_t size);
  /// What is left of the current number line, white space trimmed: the next number read
  /// takes it. Empty when what is left is typed ahead, which keys take first.
  std::string_view unreadNumberText() const;
  /// The question the number reads from now on answer, as the prompt wrote it; "" for none.
  void setQuestion(std::string_view question) { question_.assign(question); }

 private:
  /// Flushes the output and reads the next block, the line read beginning with `begun`;
  /// false (and for good) at end of input.
  bool fetch(std::string_view begun);
  /// The next byte of the number reads' stream, fetching as needed, without taking it;
  /// kEndOfStream at end of input.
  int peek();
  /// Once the number reads have finished the line before text typed ahead, they go on where
  /// the keys have got to in it.
  void catchUpWithKeys();
  /// True while the number reads still have the line that text typed ahead follows.
  bool lineBeforeTypedAhead() const { return aheadFrom_ != kNone && pos_ < aheadFrom_; }
  /// True when the number reads stand in text typed ahead that has no line end left.
  bool atUnfinishedTypedAhead();
  /// Where a number read begins at the keyboard and the rest of the line the last read took
  /// has no line end (the line ended with Ctrl-D), that rest begins the line typed next.
  void beginWithLeftover();
  /// Where the number reads' text ends for now: at the typed-ahead text while the line
  /// before it is unfinished, else at the end of the block.
  std::size_t numberEnd() const { return lineBeforeTypedAhead() ? aheadFrom_ : end_; }
  /// Moves past white space, fetching as needed; false at end of input.
  bool skipWhiteSpace();
  /// Where the first line end (LF, CR or CRLF) in [from, to) begins; kNone if there is none.
  std::size_t lineBreak(std::size_t from, std::size_t to) const;
  /// Where the text continues after the first line end in [from, to); kNone if there is none.
  std::size_t afterLineBreak(std::size_t from, std::size_t to) const;
  /// Discards the rest of the current line, its line end included.
  void dropLine();
  /// The shared frame of both number reads.
  template <typename Item, typename Value>
  bool readNumber(Value& value);

  static constexpr int kEndOfStream = -1;
  static constexpr std::size_t kBlockSize = 64 * 1024;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  InputSource& source_;
  Output& output_;
  std::unique_ptr<char[]> block_;
  std::size_t pos_ = 0;  // where number reads go on
  std::size_t end_ = 0;
  // Text typed ahead lies in [aheadFrom_, end_): after the first line end of a block read at
  // the keyboard's terminal, and every burst of keys. kNone when the block holds none. While
  // number reads still have the line before it, key reads take from it at keyPos_; once
  // number reads reach it, they go on at keyPos_, and both take from pos_.
  std::size_t aheadFrom_ = kNone;
  std::size_t keyPos_ = 0;
  // A line end in the typed-ahead text at or after pos_, once found; kNone before.
  std::size_t aheadLineBreak_ = kNone;
  std::size_t untakenAfterKey_ = 0;
  bool ended_ = false;
  std::string question_;
};

}  // namespace zorpi
