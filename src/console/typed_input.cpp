#include "console/typed_input.h"

#include <cstring>

#include "console/number_item.h"

namespace zorpi {

namespace {

bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isLineBreak(char c) {
  return c == '\n' || c == '\r';
}

}  // namespace

TypedInput::TypedInput(InputSource& source, Output& output)
    : source_(source), output_(output), block_(new char[kBlockSize]) {}

bool TypedInput::fetch() {
  output_.flush();
  if (ended_ || output_.failed()) {
    ended_ = true;
    return false;
  }
  pos_ = 0;
  end_ = source_.readStandardInput(block_.get(), kBlockSize);
  typedAheadFrom_ = kNone;
  if (end_ == 0) {
    ended_ = true;
    return false;
  }
  if (source_.standardInputIsKeyboard()) {
    // A terminal hands over a line per read, unless keys were typed or pasted while it was
    // out of line mode: then all of them come at once, and what follows the first line
    // break was meant for later reads, keys included.
    typedAheadFrom_ = afterLineBreak(0);
    if (typedAheadFrom_ >= end_) {
      typedAheadFrom_ = kNone;
    }
  }
  return true;
}

std::size_t TypedInput::afterLineBreak(std::size_t from) const {
  const void* lineBreak = std::memchr(block_.get() + from, '\n', end_ - from);
  if (lineBreak == nullptr) {
    return kNone;
  }
  return static_cast<std::size_t>(static_cast<const char*>(lineBreak) - block_.get()) + 1;
}

int TypedInput::peek() {
  if (output_.failed()) {
    ended_ = true;  // the screens are lost: nothing more is read
    return kEndOfStream;
  }
  if (pos_ >= end_ && !fetch()) {
    return kEndOfStream;
  }
  return static_cast<unsigned char>(block_[pos_]);
}

bool TypedInput::skipWhiteSpace() {
  for (;;) {
    const int c = peek();
    if (c == kEndOfStream) {
      return false;
    }
    if (!isWhiteSpace(c)) {
      return true;
    }
    ++pos_;
  }
}

void TypedInput::dropLine() {
  while (peek() != kEndOfStream) {
    const std::size_t next = afterLineBreak(pos_);
    if (next != kNone) {
      pos_ = next;
      return;
    }
    pos_ = end_;
  }
}

template <typename Item, typename Value>
NumberRead TypedInput::readNumber(Value& value) {
  if (!skipWhiteSpace()) {
    return NumberRead::EndOfInput;
  }
  // As scanf: the longest text that can still begin a number, taken byte by byte; the byte
  // that ends it stays in the stream.
  Item item;
  for (;;) {
    pos_ += item.take(std::string_view(block_.get() + pos_, end_ - pos_));
    if (pos_ < end_ || peek() == kEndOfStream) {
      break;  // the byte that ends the item, or the end of input
    }
  }
  if (!item.complete()) {
    dropLine();
    return NumberRead::NotANumber;
  }
  value = item.value();
  return NumberRead::Stored;
}

NumberRead TypedInput::readReal(double& value) {
  return readNumber<RealItem>(value);
}

NumberRead TypedInput::readInt(std::int32_t& value) {
  return readNumber<IntItem>(value);
}

int TypedInput::takeScriptKey() {
  for (;;) {
    const int c = peek();
    if (c == kEndOfStream) {
      return kEndOfKeys;
    }
    ++pos_;
    if (!isLineBreak(static_cast<char>(c))) {
      return c;
    }
  }
}

int TypedInput::takeTypedAheadKey() {
  if (typedAheadFrom_ == kNone || pos_ >= end_) {
    return kNoTypedAheadKey;
  }
  // Only a key after the line break makes the rest typed ahead; line breaks alone are not.
  std::size_t next = pos_ > typedAheadFrom_ ? pos_ : typedAheadFrom_;
  while (next < end_ && isLineBreak(block_[next])) {
    ++next;
  }
  if (next >= end_) {
    return kNoTypedAheadKey;
  }
  return takeScriptKey();
}

std::size_t TypedInput::typedAheadRoom() {
  if (pos_ > 0) {
    std::memmove(block_.get(), block_.get() + pos_, end_ - pos_);
    end_ -= pos_;
    if (typedAheadFrom_ != kNone) {
      typedAheadFrom_ = typedAheadFrom_ > pos_ ? typedAheadFrom_ - pos_ : 0;
    }
    pos_ = 0;
  }
  return kBlockSize - end_;
}

void TypedInput::addTypedAhead(std::string_view text) {
  text = text.substr(0, typedAheadRoom());
  if (typedAheadFrom_ == kNone) {
    typedAheadFrom_ = end_;
  }
  std::memcpy(block_.get() + end_, text.data(), text.size());
  end_ += text.size();
}

}  // namespace zorpi
