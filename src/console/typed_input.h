#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "console/input_source.h"
#include "console/output.h"

namespace zorpi {

/// How a number read ended.
enum class NumberRead {
  Stored,      // a number was parsed and stored
  NotANumber,  // the field kept its value; the rest of that line was dropped
  EndOfInput,  // the field kept its value; standard input has ended for good
};

/// The typed-input stream on standard input: numbers typed a line at a time, and, where there is
/// no keyboard, the keys too, in the order they stand in the stream.
class TypedInput {
 public:
  /// Reads from `source`; flushes `output` before every wait for more data.
  TypedInput(InputSource& source, Output& output) : source_(source), output_(output) {}

  /// Skips white space across lines, then stores the longest prefix std::strtod accepts.
  /// What follows the number stays for the next read.
  NumberRead readReal(double& value);
  /// As readReal with base-10 std::strtol; out-of-range values saturate at INT32_MIN/MAX.
  NumberRead readInt(std::int32_t& value);
  /// Next byte of the stream that is not a line break ('\n', '\r'); kEndOfKeys at the end.
  int readKey();

 private:
  /// Flushes the output and appends more input; false (and for good) at end of input.
  bool fetch();
  /// Moves past white space, fetching as needed; false at end of input.
  bool skipWhiteSpace();
  /// Makes sure the current line is buffered through its line break or the end of input.
  void bufferWholeLine();
  /// Discards the rest of the current line, its line break included.
  void dropLine();
  /// The shared frame of both number reads; `parse` returns the end of the accepted prefix.
  template <typename Parse>
  NumberRead readNumber(Parse parse);

  InputSource& source_;
  Output& output_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool ended_ = false;
};

}  // namespace zorpi
