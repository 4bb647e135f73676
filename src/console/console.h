#pragma once

#include <cstdint>
#include <string_view>

#include "console/text/input_source.h"
#include "console/text/key.h"
#include "console/text/key_reader.h"
#include "console/text/output.h"
#include "console/text/typed_input.h"

namespace zorpi {

/// The screen and the keyboard of one session: buffered output, the number stream and the
/// key reader.
class Session {
 public:
  /// Reads from `input`, writes to `sink`; both must outlive the session.
  Session(InputSource& input, OutputSink& sink)
      : input_(input), output_(sink), typed_(input, output_), keys_(input, output_, typed_) {}

  Output& output() { return output_; }
  TypedInput& typed() { return typed_; }
  KeyReader& keys() { return keys_; }
  /// True once a key read has met the end of the keys or the output has failed; the session
  /// must then end at once.
  bool keysEnded() const { return keys_.ended(); }
  /// Tells the input that q ended the session, and how much of its last hand-over followed.
  void noteQuit() { input_.noteQuit(keys_.untakenAfterLastKey()); }

 private:
  InputSource& input_;
  Output output_;
  TypedInput typed_;
  KeyReader keys_;
};

/// Prints `text` unchanged.
void printText(Session& session, std::string_view text);
/// Prints `format` with its one "%g" replaced by `value` as printf would write it.
void printValue(Session& session, std::string_view format, double value);
/// Prints `format` with its one "%d" replaced by `value`.
void printValue(Session& session, std::string_view format, std::int32_t value);
/// Prints `format` with `value` as printValue does, and states the value shown as a Value
/// fact of the record field `field`.
void printField(Session& session, std::string_view field, std::string_view format, double value);
/// As above for an integer field.
void printField(Session& session, std::string_view field, std::string_view format,
                std::int32_t value);
/// Prints `line` and a line break, unless it is empty: it names the choice `value` of `field`
/// (a Choice fact, stated also when nothing is printed).
void printChoice(Session& session, std::string_view field, std::int32_t value,
                 std::string_view line);
/// Prints `line` and a line break, unless it is empty: it names the connection type `typ` (a
/// Type fact, stated also when nothing is printed).
void printType(Session& session, std::int32_t typ, std::string_view line);
/// Prints the banner `line` and a line break (a Banner fact).
void printBanner(Session& session, std::string_view line);
/// States `fact`, which no screen shows, when the screen's sink wants facts.
void stateFact(Session& session, const Fact& fact);
/// States `fact` at this place of the screen text: what was printed before it reaches the
/// sink first.
void stateFactHere(Session& session, const Fact& fact);
/// States `value` of `field` as a Derived fact, written as "%g" writes it.
void stateDerived(Session& session, std::string_view field, double value);
/// Waits for one keystroke for `kind` and returns its code 0..255 without echo; kEndOfKeys
/// once the keys have ended or the output has failed, and from then on (KeyReader).
Key readKey(Session& session, ReadKind kind);
/// Reads a real into `field`; `field` keeps its value on text that is not a number or at end
/// of input. Prints nothing. False only at end of input.
bool readReal(Session& session, double& field);
/// Reads an integer into `field`, as readReal does. False only at end of input.
bool readInt(Session& session, std::int32_t& field);
/// Prints `prompt` and reads a real into `field` as readReal does; the read is told the
/// prompt, without its line breaks and blanks around it, as the question it answers.
void askReal(Session& session, std::string_view prompt, double& field);
/// As askReal, for an integer.
void askInt(Session& session, std::string_view prompt, std::int32_t& field);
/// Prints `prompt` and reads an integer into `field` until it lies in lowest..highest.
/// At end of input `field` gets back the value it had before the prompt began.
void choicePrompt(Session& session, std::string_view prompt, std::int32_t& field,
                  std::int32_t lowest, std::int32_t highest);
/// Prints "weiter mit bel.Taste.." and reads a key: true (after printing "\n") to go on,
/// false to abandon the listing on x or at the end of the keys (nothing more printed then).
bool pageBreak(Session& session);

}  // namespace zorpi
