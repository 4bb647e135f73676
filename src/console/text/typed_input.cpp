#include "console/text/typed_input.h"

#include <cstring>

#include "console/text/number_item.h"

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
  aheadFrom_ = kNone;
  if (end_ == 0) {
    ended_ = true;
    return false;
  }
  if (source_.standardInputIsKeyboard()) {
    // A terminal hands over a line per read, unless keys were typed or pasted while it was
    // out of line mode: then all of them come at once, and what follows the first line
    // end was meant for later reads, keys included.
    const std::size_t ahead = afterLineBreak(0, end_);
    if (ahead < end_) {
      aheadFrom_ = keyPos_ = ahead;
    }
  }
  return true;
}

std::size_t TypedInput::afterLineBreak(std::size_t from, std::size_t to) const {
  const char* block = block_.get();
  for (std::size_t at = from; at < to; ++at) {
    if (block[at] == '\n') {
      return at + 1;
    }
    if (block[at] == '\r') {
      return at + 1 < to && block[at + 1] == '\n' ? at + 2 : at + 1;
    }
  }
  return kNone;
}

int TypedInput::peek() {
  if (output_.failed()) {
    ended_ = true;  // the screens are lost: nothing more is read
    return kEndOfStream;
  }
  if (pos_ == aheadFrom_ && keyPos_ > pos_) {
    pos_ = aheadFrom_ = keyPos_;  // the line is done; keys were taken from what follows
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
    const std::size_t next = afterLineBreak(pos_, numberEnd());
    if (next != kNone) {
      pos_ = next;
      return;
    }
    pos_ = numberEnd();
  }
}

template <typename Item, typename Value>
bool TypedInput::readNumber(Value& value) {
  if (!skipWhiteSpace()) {
    return false;
  }
  // As scanf: the longest text that can still begin a number, taken byte by byte; the byte
  // that ends it stays in the stream.
  Item item;
  for (;;) {
    pos_ += item.take(std::string_view(block_.get() + pos_, numberEnd() - pos_));
    if (pos_ < numberEnd() || peek() == kEndOfStream) {
      break;  // the byte that ends the item, or the end of input
    }
  }
  if (item.complete()) {
    value = item.value();
  } else {
    dropLine();
  }
  return true;
}

bool TypedInput::readReal(double& value) {
  return readNumber<RealItem>(value);
}

bool TypedInput::readInt(std::int32_t& value) {
  return readNumber<IntItem>(value);
}

Key TypedInput::takeScriptKey() {
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

Key TypedInput::takeTypedAheadKey() {
  if (aheadFrom_ == kNone) {
    return kNoTypedAheadKey;
  }
  // Keys never take what a number read left of its line: they go on where the typed-ahead
  // text does. Only a key after the line end makes the rest typed ahead; line ends alone are
  // not.
  std::size_t& cursor = lineBeforeTypedAhead() ? keyPos_ : pos_;
  std::size_t next = cursor;
  while (next < end_ && isLineBreak(block_[next])) {
    ++next;
  }
  if (next >= end_) {
    return kNoTypedAheadKey;
  }
  cursor = next + 1;
  return static_cast<unsigned char>(block_[next]);
}

std::size_t TypedInput::typedAheadRoom() {
  char* block = block_.get();
  if (lineBeforeTypedAhead()) {
    // The unfinished line, then the typed-ahead text not yet taken, closed up.
    const std::size_t line = aheadFrom_ - pos_;
    const std::size_t ahead = end_ - keyPos_;
    std::memmove(block, block + pos_, line);
    std::memmove(block + line, block + keyPos_, ahead);
    pos_ = 0;
    aheadFrom_ = keyPos_ = line;
    end_ = line + ahead;
  } else if (pos_ > 0) {
    std::memmove(block, block + pos_, end_ - pos_);
    end_ -= pos_;
    if (aheadFrom_ != kNone) {
      aheadFrom_ = keyPos_ = 0;
    }
    pos_ = 0;
  }
  return kBlockSize - end_;
}

void TypedInput::addTypedAhead(std::string_view text) {
  text = text.substr(0, typedAheadRoom());
  if (aheadFrom_ == kNone) {
    aheadFrom_ = keyPos_ = end_;
  }
  std::memcpy(block_.get() + end_, text.data(), text.size());
  end_ += text.size();
}

}  // namespace zorpi
