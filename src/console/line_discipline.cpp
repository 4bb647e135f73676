#include "console/line_discipline.h"

#include <algorithm>

namespace zorpi {

namespace {

constexpr char kInterrupt = 0x03;  // Ctrl-C
constexpr char kEndOfFile = 0x04;  // Ctrl-D
constexpr char kKillLine = 0x15;   // Ctrl-U
constexpr char kErase = 0x7f;      // Backspace
constexpr char kBell = 0x07;

bool isControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 && c != '\t' && c != '\n';
}

}  // namespace

void LineDiscipline::receive(std::string_view typed) {
  for (char c : typed) {
    if (interrupted_) {
      return;
    }
    if (c == '\r') {
      c = '\n';  // Enter, in either mode, as with icrnl
    }
    if (c == kInterrupt) {
      interrupted_ = true;
      if (!keyMode_) {
        echo_ += "^C";
      }
    } else if (keyMode_) {
      keys_ += c;
    } else {
      receiveInLine(c);
    }
  }
}

void LineDiscipline::receiveInLine(char c) {
  if (c == '\n') {
    lines_.push_back(editing_ + '\n');
    editing_.clear();
    echo_ += '\n';
  } else if (c == kEndOfFile) {
    lines_.push_back(editing_);  // empty: the end of input; else the line without Enter
    editing_.clear();
  } else if (c == kErase) {
    eraseLast();
  } else if (c == kKillLine) {
    while (!editing_.empty()) {
      eraseLast();
    }
  } else if (editing_.size() >= kMaxLine) {
    echo_ += kBell;  // the queue is full: only Enter, erasing or Ctrl-D still do something
  } else {
    editing_ += c;
    if (isControl(c)) {
      echo_ += '^';
      echo_ += static_cast<char>(c + '@');
    } else {
      echo_ += c;
    }
  }
}

void LineDiscipline::eraseLast() {
  if (editing_.empty()) {
    return;
  }
  // A control character was shown as two cells, a UTF-8 sequence as one.
  std::size_t cells = isControl(editing_.back()) ? 2 : 1;
  while ((static_cast<unsigned char>(editing_.back()) & 0xc0) == 0x80 && editing_.size() > 1) {
    editing_.pop_back();
  }
  editing_.pop_back();
  while (cells-- > 0) {
    echo_ += "\b \b";
  }
}

void LineDiscipline::setKeyMode(bool on) {
  if (on == keyMode_) {
    return;
  }
  keyMode_ = on;
  if (on) {
    std::string waiting;
    for (const std::string& line : lines_) {
      waiting += line;
    }
    keys_ = waiting + editing_ + keys_;
    lines_.clear();
    editing_.clear();
  } else if (!keys_.empty()) {
    lines_.push_back(keys_);
    keys_.clear();
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
