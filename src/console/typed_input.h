#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "console/input_source.h"
#include "console/output.h"

namespace zorpi {

/// How a number read ended.
enum class NumberRead {
  Stored,      // a number was parsed and stored
  NotANumber,  // the field kept its value; the rest of that line was dropped
  EndOfInput,  // the field kept its value; standard input has ended for good
};

/// Returned by `TypedInput::readTypedAheadKey` when no key was typed ahead.
constexpr int kNoTypedAheadKey = -2;

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
  /// its value and the rest of the line is dropped.
  NumberRead readReal(double& value);
  /// As readReal with the item of "%d" (IntItem); out-of-range values saturate.
  NumberRead readInt(std::int32_t& value);
  /// Next byte of the stream that is not a line break ('\n', '\r'); kEndOfKeys at the end.
  int readKey();
  /// At a keyboard: the next key of text that arrived on standard input after a line break
  /// (typed or pasted ahead), taken in stream order as readKey does; kNoTypedAheadKey, and
  /// nothing taken, when there is none.
  int readTypedAheadKey();

 private:
  /// Flushes the output and reads the next block; false (and for good) at end of input.
  bool fetch();
  /// The next byte, fetching as needed, without taking it; -1 at end of input.
  int peek();
  /// Moves past white space, fetching as needed; false at end of input.
  bool skipWhiteSpace();
  /// Where the block continues after the first line break at or after `from`; kNone if the
  /// block holds none there.
  std::size_t afterLineBreak(std::size_t from) const;
  /// Discards the rest of the current line, its line break included.
  void dropLine();
  /// The shared frame of both number reads.
  template <typename Item, typename Value>
  NumberRead readNumber(Value& value);

  static constexpr std::size_t kBlockSize = 64 * 1024;
  InputSource& source_;
  Output& output_;
  std::unique_ptr<char[]> block_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // Where text typed ahead begins in the block: after the first line break of a block read
  // at the keyboard's terminal. kNone when the block holds no such text.
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t typedAheadFrom_ = kNone;
  bool ended_ = false;
};

}  // namespace zorpi
