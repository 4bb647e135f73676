#include "console/text/typed_input.h"

#include <cstring>
#include <string>

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

bool TypedInput::fetch(std::string_view begun) {
  if (ended_ || output_.failed()) {
    ended_ = true;
    return false;
  }
  pos_ = 0;
  end_ = source_.readStandardInput(output_, {begun, question_}, block_.get(), kBlockSize);
  aheadFrom_ = aheadLineBreak_ = kNone;
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

std::size_t TypedInput::lineBreak(std::size_t from, std::size_t to) const {
  const char* block = block_.get();
  for (std::size_t at = from; at < to; ++at) {
    if (isLineBreak(block[at])) {
      return at;
    }
  }
  return kNone;
}

std::size_t TypedInput::afterLineBreak(std::size_t from, std::size_t to) const {
  const std::size_t at = lineBreak(from, to);
  if (at == kNone) {
    return kNone;
  }
  return block_[at] == '\r' && at + 1 < to && block_[at + 1] == '\n' ? at + 2 : at + 1;
}

bool TypedInput::atUnfinishedTypedAhead() {
  if (aheadFrom_ == kNone || pos_ < aheadFrom_) {
    return false;
  }
  if (aheadLineBreak_ == kNone || aheadLineBreak_ < pos_) {
    aheadLineBreak_ = lineBreak(pos_, end_);
  }
  return aheadLineBreak_ == kNone;
}

void TypedInput::catchUpWithKeys() {
  if (pos_ == aheadFrom_ && keyPos_ > pos_) {
    pos_ = aheadFrom_ = keyPos_;  // the line is done; keys were taken from what follows
  }
}

int TypedInput::peek() {
  if (output_.failed()) {
    ended_ = true;  // the screens are lost: nothing more is read
    return kEndOfStream;
  }
  catchUpWithKeys();
  if (pos_ < end_ && atUnfinishedTypedAhead()) {
    // A line typed ahead without its line end is the start of the line being typed: shown
    // after the prompt, continued by what is typed next, and taken back by the erase keys.
    const std::string begun(block_.get() + pos_, end_ - pos_);
    end_ = pos_;
    if (!fetch(begun)) {
      return kEndOfStream;
    }
  }
  if (pos_ >= end_ && !fetch({})) {
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

void TypedInput::beginWithLeftover() {
  std::size_t from = pos_;
  while (from < end_ && isWhiteSpace(block_[from])) {
    ++from;
  }
  if (from == end_ || aheadFrom_ != kNone || lineBreak(from, end_) != kNone ||
      !source_.standardInputIsKeyboard()) {
    return;
  }
  // Shown after the prompt and continued by the typing, as a line typed ahead: the screen
  // then shows what the read takes.
  const std::string begun(block_.get() + from, end_ - from);
  pos_ = end_ = from;
  fetch(begun);
}

template <typename Item, typename Value>
bool TypedInput::readNumber(Value& value) {
  beginWithLeftover();
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
  catchUpWithKeys();
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
  untakenAfterKey_ = end_ - cursor;
  return static_cast<unsigned char>(block_[next]);
}

char* TypedInput::makeRoomForTypedAhead(std::size_t& room) {
  char* block = block_.get();
  aheadLineBreak_ = kNone;
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
  room = kBlockSize - end_;
  return block + end_;
}

void TypedInput::keepTypedAhead(std::size_t size) {
  if (aheadFrom_ == kNone) {
    aheadFrom_ = keyPos_ = end_;
  }
  end_ += size;
}

std::string_view TypedInput::unreadNumberText() const {
  if (aheadFrom_ != kNone && pos_ >= aheadFrom_) {
    return {};
  }
  std::size_t from = pos_;
  std::size_t to = lineBreak(pos_, numberEnd());
  to = to == kNone ? numberEnd() : to;
  while (from < to && isWhiteSpace(block_[from])) {
    ++from;
  }
  while (to > from && isWhiteSpace(block_[to - 1])) {
    --to;
  }
  return {block_.get() + from, to - from};
}

}  // namespace zorpi
