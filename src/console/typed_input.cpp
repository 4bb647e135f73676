#include "console/typed_input.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace zorpi {

namespace {

constexpr std::size_t kReadSize = 64 * 1024;

bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::int32_t saturate(long value) {
  if (value > std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (value < std::numeric_limits<std::int32_t>::min()) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool TypedInput::fetch() {
  if (ended_) {
    return false;
  }
  // Keep only what is still unread, so the buffer is bounded by the longest line.
  buffer_.erase(0, pos_);
  pos_ = 0;
  output_.flush();
  const std::size_t kept = buffer_.size();
  buffer_.resize(kept + kReadSize);
  const std::size_t got = source_.readStandardInput(&buffer_[kept], kReadSize);
  buffer_.resize(kept + got);
  if (got == 0) {
    ended_ = true;
    buffer_.shrink_to_fit();
  }
  return got > 0;
}

bool TypedInput::skipWhiteSpace() {
  for (;;) {
    while (pos_ < buffer_.size() && isWhiteSpace(buffer_[pos_])) {
      ++pos_;
    }
    if (pos_ < buffer_.size()) {
      return true;
    }
    if (!fetch()) {
      return false;
    }
  }
}

void TypedInput::bufferWholeLine() {
  std::size_t searched = 0;  // bytes after pos_ known to hold no line break
  for (;;) {
    const char* from = buffer_.data() + pos_ + searched;
    const std::size_t left = buffer_.size() - pos_ - searched;
    if (std::memchr(from, '\n', left) != nullptr) {
      return;
    }
    searched += left;
    if (!fetch()) {
      return;
    }
  }
}

void TypedInput::dropLine() {
  bufferWholeLine();
  const void* lineEnd = std::memchr(buffer_.data() + pos_, '\n', buffer_.size() - pos_);
  pos_ = lineEnd == nullptr
             ? buffer_.size()
             : static_cast<std::size_t>(static_cast<const char*>(lineEnd) - buffer_.data()) + 1;
}

template <typename Parse>
NumberRead TypedInput::readNumber(Parse parse) {
  if (!skipWhiteSpace()) {
    return NumberRead::EndOfInput;
  }
  // A number never spans a line break, and the whole line is buffered, so the parser sees
  // the number's every digit; c_str() ends the text after an unfinished last line.
  bufferWholeLine();
  const char* start = buffer_.c_str() + pos_;
  const char* end = parse(start);
  if (end == start) {
    dropLine();
    return NumberRead::NotANumber;
  }
  pos_ += static_cast<std::size_t>(end - start);
  return NumberRead::Stored;
}

NumberRead TypedInput::readReal(double& value) {
  return readNumber([&value](const char* start) {
    char* end = nullptr;
    const double parsed = std::strtod(start, &end);
    if (end != start) {
      value = parsed;
    }
    return static_cast<const char*>(end);
  });
}

NumberRead TypedInput::readInt(std::int32_t& value) {
  return readNumber([&value](const char* start) {
    char* end = nullptr;
    const long parsed = std::strtol(start, &end, 10);
    if (end != start) {
      value = saturate(parsed);
    }
    return static_cast<const char*>(end);
  });
}

int TypedInput::readKey() {
  for (;;) {
    if (pos_ >= buffer_.size() && !fetch()) {
      return kEndOfKeys;
    }
    const char c = buffer_[pos_++];
    if (c != '\n' && c != '\r') {
      return static_cast<unsigned char>(c);
    }
  }
}

}  // namespace zorpi
