#include "console/text/line_discipline.h"

#include <algorithm>

namespace zorpi {

namespace {

constexpr char kDelete = 0x7f;
constexpr char kBell = 0x07;
constexpr std::size_t kTabWidth = 8;
// U+0080 to U+009F are C1 control codes, which a terminal would execute (U+009B starts a
// control sequence); they are shown as U+FFFD instead.
constexpr unsigned char kC1Lead = 0xc2;
constexpr char kPlaceholder[] = "\xef\xbf\xbd";

unsigned char byteOf(char c) {
  return static_cast<unsigned char>(c);
}

// Shown as ^X: the C0 codes but for tab and line feed, and DEL.
bool isControl(char c) {
  return (byteOf(c) < 0x20 && c != '\t' && c != '\n') || c == kDelete;
}

bool isContinuation(char c) {
  return (byteOf(c) & 0xc0) == 0x80;
}

bool isC1Continuation(char c) {
  return byteOf(c) >= 0x80 && byteOf(c) <= 0x9f;
}

// The cells a byte of a typed line takes on screen, but for tabs.
std::size_t cellsOf(char c) {
  if (isControl(c)) {
    return 2;
  }
  return isContinuation(c) ? 0 : 1;
}

std::size_t nextTabStop(std::size_t column) {
  return (column / kTabWidth + 1) * kTabWidth;
}

// A word, for the word erase, is letters, digits and '_'; any byte of a UTF-8 character counts
// as a letter.
bool isWordByte(char c) {
  const unsigned char b = byteOf(c);
  return b >= 0x80 || (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') ||
         c == '_';
}

}  // namespace

void LineDiscipline::receive(std::string_view bytes, Arrival arrival) {
  if (arrival == Arrival::Paste) {
    pasteAsKeys_ = keyMode_;
  }
  const bool pasted = arrival != Arrival::Typed;
  // The rest of a paste begun as keys stays keys, unless a line of it is being typed on: then
  // it continues that line.
  const bool asKeys =
      keyMode_ || (arrival == Arrival::RestOfPaste && pasteAsKeys_ && editing_.empty());
  std::string block;  // the rest of a paste taken as keys, arriving in line mode
  for (char c : bytes) {
    if (interrupted_) {
      break;
    }
    if (literal_ && !asKeys) {
      literal_ = false;
      add(c, pasted);  // as it is, a carriage return included
      continue;
    }
    if (c == '\r') {
      c = '\n';  // Enter, in either mode, as with icrnl
    }
    if (!pasted && is(c, controls_.interrupt)) {
      interrupted_ = true;
      if (!asKeys) {
        echo_ += "^C";
      }
    } else if (keyMode_) {
      keys_ += c;
    } else if (asKeys) {
      block += c;
    } else {
      receiveInLine(c, pasted);
    }
  }
  if (!block.empty()) {
    lines_.push_back(std::move(block));
  }
}

void LineDiscipline::receiveInLine(char c, bool pasted) {
  if (c == '\n') {
    echo(c);
    lines_.push_back(editing_ + '\n');
    editing_.clear();
  } else if (!pasted && is(c, controls_.endOfFile)) {
    releaseHeldLead();
    lines_.push_back(editing_);  // empty: the end of input; else the line without Enter
    editing_.clear();
  } else if (!pasted && is(c, controls_.erase)) {
    eraseLast();
  } else if (!pasted && is(c, controls_.kill)) {
    while (!editing_.empty()) {
      eraseLast();
    }
  } else if (!pasted && is(c, controls_.wordErase)) {
    eraseWord();
  } else if (!pasted && is(c, controls_.literalNext)) {
    literal_ = true;
    echo_ += "^\b";  // a caret that the next character overwrites
  } else if (!pasted && is(c, controls_.reprint)) {
    heldLead_ = false;
    echo(c);
    echo('\n');
    showAgain();
  } else {
    add(c, pasted);
  }
}

void LineDiscipline::add(char c, bool pasted) {
  if (editing_.size() >= kMaxLine && !pasted) {
    echo_ += kBell;  // the queue is full: only Enter, erasing or Ctrl-D still do something
    return;
  }
  if (editing_.empty()) {
    lineColumn_ = column_;
  }
  editing_ += c;
  echo(c);
}

void LineDiscipline::showAgain() {
  heldLead_ = false;
  lineColumn_ = column_;
  for (const char c : editing_) {
    echo(c);
  }
}

void LineDiscipline::noteScreenLine(std::string_view screenLine) {
  column_ = 0;
  noteOutput(screenLine);
}

void LineDiscipline::beginLine(std::string_view text) {
  for (const char c : text) {
    receiveInLine(c, true);
  }
}

void LineDiscipline::echo(char c) {
  if (heldLead_) {
    heldLead_ = false;
    if (isC1Continuation(c)) {
      echo_ += kPlaceholder;
      ++column_;
      return;
    }
    echo_ += static_cast<char>(kC1Lead);
    ++column_;
  }
  if (byteOf(c) == kC1Lead) {
    heldLead_ = true;
  } else if (c == '\n') {
    echo_ += c;
    column_ = 0;
  } else if (c == '\t') {
    echo_ += c;
    column_ = nextTabStop(column_);
  } else if (isControl(c)) {
    echo_ += '^';
    echo_ += static_cast<char>(c ^ 0x40);
    column_ += 2;
  } else {
    echo_ += c;
    column_ += cellsOf(c);
  }
}

void LineDiscipline::releaseHeldLead() {
  if (heldLead_) {
    heldLead_ = false;
    echo_ += static_cast<char>(kC1Lead);
    ++column_;
  }
}

void LineDiscipline::eraseLast() {
  if (editing_.empty()) {
    return;
  }
  if (heldLead_) {
    heldLead_ = false;  // never shown
    editing_.pop_back();
    return;
  }
  if (editing_.back() == '\t') {
    eraseTab();
    return;
  }
  // A control character was shown as two cells, a UTF-8 sequence as one.
  std::size_t cells = isControl(editing_.back()) ? 2 : 1;
  while (controls_.utf8 && isContinuation(editing_.back()) && editing_.size() > 1) {
    editing_.pop_back();
  }
  editing_.pop_back();
  for (; cells > 0 && column_ > 0; --cells, --column_) {
    echo_ += "\b \b";
  }
}

void LineDiscipline::eraseWord() {
  bool inWord = false;
  while (!editing_.empty()) {
    const bool word = isWordByte(editing_.back());
    if (inWord && !word) {
      return;
    }
    inWord = inWord || word;
    eraseLast();
  }
}

void LineDiscipline::eraseTab() {
  editing_.pop_back();
  std::size_t columns = 0;
  bool afterTab = false;
  for (auto c = editing_.rbegin(); c != editing_.rend(); ++c) {
    if (*c == '\t') {
      afterTab = true;
      break;
    }
    columns += cellsOf(*c);
  }
  if (!afterTab) {
    columns += lineColumn_;
  }
  const std::size_t back = std::min(kTabWidth - columns % kTabWidth, column_);
  echo_.append(back, '\b');
  column_ -= back;
}

void LineDiscipline::noteOutput(std::string_view written) {
  for (const char c : written) {
    if (c == '\n' || c == '\r') {
      column_ = 0;
    } else if (c == '\b') {
      column_ -= column_ > 0 ? 1 : 0;
    } else if (c == '\t') {
      column_ = nextTabStop(column_);
    } else if (!isControl(c)) {
      column_ += cellsOf(c);
    }
  }
}

void LineDiscipline::setKeyMode(bool on) {
  if (on == keyMode_) {
    return;
  }
  keyMode_ = on;
  if (on) {
    heldLead_ = false;  // its line goes to the keys unechoed
    literal_ = false;
    std::string waiting;
    bool ended = false;
    for (const std::string& line : lines_) {
      waiting += line;
      ended = ended || line.empty();
    }
    keys_ = waiting + editing_ + keys_;
    lines_.clear();
    editing_.clear();
    if (ended) {
      lines_.emplace_back();  // the end of the typed input is no key: the line reads get it
    }
  } else if (!keys_.empty()) {
    // Whole lines go to line reads as they are; what follows the last line end is the start
    // of the line being typed.
    const std::size_t lineEnd = keys_.find_last_of('\n');
    std::string rest = lineEnd == std::string::npos ? keys_ : keys_.substr(lineEnd + 1);
    keys_.resize(keys_.size() - rest.size());
    if (!keys_.empty()) {
      lines_.push_back(std::move(keys_));
    }
    keys_.clear();
    beginLine(rest);
  }
}

std::size_t LineDiscipline::takeKeys(char* buffer, std::size_t capacity) {
  const std::size_t taken = keys_.copy(buffer, capacity);
  keys_.erase(0, taken);
  return taken;
}

std::size_t LineDiscipline::takeLine(char* buffer, std::size_t capacity) {
  if (lines_.empty()) {
    return 0;
  }
  std::string& line = lines_.front();
  const std::size_t taken = line.copy(buffer, capacity);
  if (taken == line.size()) {
    lines_.pop_front();
  } else {
    line.erase(0, taken);
  }
  return taken;
}

std::string LineDiscipline::takeEcho() {
  std::string echo;
  echo.swap(echo_);
  return echo;
}

}  // namespace zorpi
