#include "console/console.h"

#include <algorithm>

#include "console/value_format.h"

namespace zorpi {

namespace {

constexpr int kAbandonKey = 'x';

// Splits "text %g more" around its two-character conversion and prints it with `append`
// writing the value in between.
template <typename AppendValue>
void printFormatted(Console& console, std::string_view format, AppendValue appendValue) {
  Output& output = console.output();
  const std::size_t at = format.find('%');
  if (at == std::string_view::npos || at + 1 >= format.size()) {
    output.append(format);
  } else {
    output.append(format.substr(0, at));
    appendValue(output.pending());
    output.append(format.substr(at + 2));
  }
  output.flushIfFull();
}

}  // namespace

int Console::nextKey() {
  if (keysEnded()) {
    return kEndOfKeys;
  }
  if (!input_.hasKeyboard()) {
    return keyOrEnd(typed_.takeScriptKey());
  }
  if (!input_.standardInputIsKeyboard()) {
    return keyOrEnd(nextKeyboardCode());
  }
  int key = typed_.takeTypedAheadKey();
  while (key == kNoTypedAheadKey) {
    char keys[kKeyboardBurst];
    const std::size_t room = std::min(sizeof keys, typed_.typedAheadRoom());
    const std::size_t got = input_.readKeyboard(output_, keys, std::max<std::size_t>(room, 1));
    if (got <= 1) {
      key = got == 1 ? static_cast<unsigned char>(keys[0]) : kEndOfKeys;
    } else {
      typed_.addTypedAhead(std::string_view(keys, got));
      key = typed_.takeTypedAheadKey();
    }
  }
  return keyOrEnd(key);
}

int Console::nextKeyboardCode() {
  if (burstPos_ == burstEnd_) {
    burstPos_ = 0;
    burstEnd_ = input_.readKeyboard(output_, burst_, sizeof burst_);
    if (burstEnd_ == 0) {
      return kEndOfKeys;
    }
  }
  return static_cast<unsigned char>(burst_[burstPos_++]);
}

int Console::keyOrEnd(int key) {
  keysEnded_ = key == kEndOfKeys;
  return keysEnded() ? kEndOfKeys : key;
}

void printText(Console& console, std::string_view text) {
  console.output().append(text);
  console.output().flushIfFull();
}

void printValue(Console& console, std::string_view format, double value) {
  printFormatted(console, format, [value](std::string& out) { appendG(out, value); });
}

void printValue(Console& console, std::string_view format, std::int32_t value) {
  printFormatted(console, format, [value](std::string& out) { appendD(out, value); });
}

int readKey(Console& console) {
  return console.nextKey();
}

bool readReal(Console& console, double& field) {
  return console.typed().readReal(field) != NumberRead::EndOfInput;
}

bool readInt(Console& console, std::int32_t& field) {
  return console.typed().readInt(field) != NumberRead::EndOfInput;
}

void choicePrompt(Console& console, std::string_view prompt, std::int32_t& field,
                  std::int32_t lowest, std::int32_t highest) {
  const std::int32_t before = field;
  do {
    printText(console, prompt);
    if (!readInt(console, field)) {
      field = before;
      return;
    }
  } while (field < lowest || field > highest);
}

bool pageBreak(Console& console) {
  printText(console, "weiter mit bel.Taste..");
  const int key = readKey(console);
  if (key == kAbandonKey || key == kEndOfKeys) {
    return false;
  }
  printText(console, "\n");
  return true;
}

}  // namespace zorpi
