#include "console/console.h"

#include <algorithm>

namespace zorpi {

namespace {

constexpr Key kAbandonKey = 'x';

// Splits "text %g more" around its two-character conversion and prints it with the value
// in between.
template <typename Value>
void printFormatted(Console& console, std::string_view format, Value value) {
  Output& output = console.output();
  const std::size_t at = format.find('%');
  if (at == std::string_view::npos || at + 1 >= format.size()) {
    output.append(format);
  } else {
    output.append(format.substr(0, at));
    output.appendValue(value);
    output.append(format.substr(at + 2));
  }
  output.flushIfFull();
}

}  // namespace

Key Console::nextKeyboardCode() {
  if (burstPos_ == burstEnd_) {
    burstPos_ = 0;
    burstEnd_ = input_.readKeyboard(output_, burst_, sizeof burst_);
    if (burstEnd_ == 0) {
      return kEndOfKeys;
    }
  }
  return static_cast<unsigned char>(burst_[burstPos_++]);
}

Key Console::keyOrEnd(Key key) {
  keysEnded_ = key == kEndOfKeys;
  return keysEnded() ? kEndOfKeys : key;
}

void printText(Console& console, std::string_view text) {
  console.output().append(text);
  console.output().flushIfFull();
}

void printValue(Console& console, std::string_view format, double value) {
  printFormatted(console, format, value);
}

void printValue(Console& console, std::string_view format, std::int32_t value) {
  printFormatted(console, format, value);
}

Key readKey(Console& console) {
  if (console.keysEnded()) {
    return kEndOfKeys;
  }
  if (!console.input_.hasKeyboard()) {
    return console.keyOrEnd(console.typed_.takeScriptKey());
  }
  if (!console.input_.standardInputIsKeyboard()) {
    return console.keyOrEnd(console.nextKeyboardCode());
  }
  TypedInput& typed = console.typed_;
  Key key = typed.takeTypedAheadKey();
  while (key == kNoTypedAheadKey) {
    char keys[kKeyboardBurst];
    const std::size_t room = std::min(sizeof keys, typed.typedAheadRoom());
    const std::size_t got =
        console.input_.readKeyboard(console.output_, keys, std::max<std::size_t>(room, 1));
    if (got <= 1) {
      key = got == 1 ? static_cast<unsigned char>(keys[0]) : kEndOfKeys;
    } else {
      typed.addTypedAhead(std::string_view(keys, got));
      key = typed.takeTypedAheadKey();
    }
  }
  return console.keyOrEnd(key);
}

bool readReal(Console& console, double& field) {
  return console.typed().readReal(field);
}

bool readInt(Console& console, std::int32_t& field) {
  return console.typed().readInt(field);
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
  const Key key = readKey(console);
  if (key == kAbandonKey || key == kEndOfKeys) {
    return false;
  }
  printText(console, "\n");
  return true;
}

}  // namespace zorpi
