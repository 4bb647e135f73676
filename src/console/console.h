#pragma once

#include <cstdint>
#include <string_view>

#include "console/text/input_source.h"
#include "console/text/key.h"
#include "console/text/output.h"
#include "console/text/typed_input.h"

namespace zorpi {

/// The screen and the keyboard of one session: buffered output, the number stream and the
/// key source, which is the keyboard where there is one (after any keys typed ahead on
/// standard input) and the number stream otherwise.
class Console {
 public:
  /// Reads from `input`, writes to `sink`; both must outlive the console.
  Console(InputSource& input, OutputSink& sink)
      : input_(input), output_(sink), typed_(input, output_) {}

  Output& output() { return output_; }
  TypedInput& typed() { return typed_; }
  /// True once a key read has met the end of the keys or the output has failed; the session
  /// must then end at once.
  bool keysEnded() const { return keysEnded_ || output_.failed(); }

 private:
  friend Key readKey(Console& console);
  /// Notes the end of the keys; `key` itself, or kEndOfKeys once the output has failed.
  Key keyOrEnd(Key key);
  /// The next code from the keyboard alone, each code of a burst as if typed by itself.
  Key nextKeyboardCode();

  InputSource& input_;
  Output output_;
  TypedInput typed_;
  bool keysEnded_ = false;
  // A burst from the keyboard while standard input is redirected: its lines cannot answer
  // the reads that come from there, so it is only keys.
  char burst_[kKeyboardBurst];
  std::size_t burstPos_ = 0;
  std::size_t burstEnd_ = 0;
};

/// Prints `text` unchanged.
void printText(Console& console, std::string_view text);
/// Prints `format` with its one "%g" replaced by `value` as printf would write it.
void printValue(Console& console, std::string_view format, double value);
/// Prints `format` with its one "%d" replaced by `value`.
void printValue(Console& console, std::string_view format, std::int32_t value);
/// Waits for one keystroke and returns its code 0..255 without echo; kEndOfKeys once the keys
/// have ended or the output has failed, and from then on. Codes that reach the keyboard
/// together (a paste, or a key of several codes) are typed ahead and taken as a script's
/// where standard input is the keyboard's terminal, and code by code where it is redirected;
/// a key pressed alone is taken as it is, Enter included.
Key readKey(Console& console);
/// Reads a real into `field`; `field` keeps its value on text that is not a number or at end
/// of input. Prints nothing. False only at end of input.
bool readReal(Console& console, double& field);
/// Reads an integer into `field`, as readReal does. False only at end of input.
bool readInt(Console& console, std::int32_t& field);
/// Prints `prompt` and reads an integer into `field` until it lies in lowest..highest.
/// At end of input `field` gets back the value it had before the prompt began.
void choicePrompt(Console& console, std::string_view prompt, std::int32_t& field,
                  std::int32_t lowest, std::int32_t highest);
/// Prints "weiter mit bel.Taste.." and reads a key: true (after printing "\n") to go on,
/// false to abandon the listing on x or at the end of the keys (nothing more printed then).
bool pageBreak(Console& console);

}  // namespace zorpi
