#include "console/console.h"

#include <string>

#include "console/text/value_format.h"

namespace zorpi {

namespace {

constexpr Key kAbandonKey = 'x';

std::string_view trimmed(std::string_view text) {
  const std::size_t from = text.find_first_not_of(" \n");
  if (from == std::string_view::npos) {
    return {};
  }
  return text.substr(from, text.find_last_not_of(" \n") - from + 1);
}

// Tells the sink of the value of `field` printed as `shown` by `format`, "sym= pre%gpost
// [unit]\n" with the conversion at `at`: the symbol, the value with its pre and post text (the
// taper's "1:"), and the unit.
void noteShownValue(Output& output, std::string_view field, std::string_view format, std::size_t at,
                    std::string_view shown) {
  const std::size_t equals = format.find('=');
  const std::size_t open = format.find('[', at);
  const std::string_view symbol = trimmed(format.substr(0, equals));
  const std::string_view before = trimmed(format.substr(equals + 1, at - equals - 1));
  const std::string_view after = trimmed(format.substr(at + 2, open - at - 2));
  const std::string_view unit = open == std::string_view::npos
                                    ? ""
                                    : format.substr(open + 1, format.find(']', open) - open - 1);
  std::string whole;
  if (!before.empty() || !after.empty()) {
    whole.append(before).append(shown).append(after);
    shown = whole;
  }
  output.noteFact({FactKind::Value, field, symbol, shown, unit});
}

// Splits "text %g more" around its two-character conversion and prints it with the value
// in between; a value of a record field is told to the sink too.
template <typename Value>
void printFormatted(Session& session, std::string_view field, std::string_view format,
                    Value value) {
  Output& output = session.output();
  const std::size_t at = format.find('%');
  if (at == std::string_view::npos || at + 1 >= format.size()) {
    output.append(format);
  } else {
    output.append(format.substr(0, at));
    const std::string_view shown = output.appendValue(value);
    if (!field.empty() && output.wantsFacts()) {
      noteShownValue(output, field, format, at, shown);
    }
    output.append(format.substr(at + 2));
  }
  output.flushIfFull();
}

// Prints `line` and a line break (nothing when it is empty), and states it as a fact of `kind`
// about `field`, with the number `value` where it names one.
void printFactLine(Session& session, FactKind kind, std::string_view field, std::string_view line,
                   std::int32_t value) {
  Output& output = session.output();
  if (!line.empty()) {
    output.append(line);
    output.append("\n");
  }
  if (output.wantsFacts()) {
    std::string number;
    appendD(number, value);
    output.noteFact({kind, field, line, number, {}});
  }
  output.flushIfFull();
}

}  // namespace

void printText(Session& session, std::string_view text) {
  session.output().append(text);
  session.output().flushIfFull();
}

void printValue(Session& session, std::string_view format, double value) {
  printFormatted(session, {}, format, value);
}

void printValue(Session& session, std::string_view format, std::int32_t value) {
  printFormatted(session, {}, format, value);
}

void printField(Session& session, std::string_view field, std::string_view format, double value) {
  printFormatted(session, field, format, value);
}

void printField(Session& session, std::string_view field, std::string_view format,
                std::int32_t value) {
  printFormatted(session, field, format, value);
}

void printChoice(Session& session, std::string_view field, std::int32_t value,
                 std::string_view line) {
  printFactLine(session, FactKind::Choice, field, line, value);
}

void printType(Session& session, std::int32_t typ, std::string_view line) {
  printFactLine(session, FactKind::Type, "typ", line, typ);
}

void printBanner(Session& session, std::string_view line) {
  Output& output = session.output();
  output.append(line);
  output.append("\n");
  output.noteFact({FactKind::Banner, {}, line, {}, {}});
  output.flushIfFull();
}

void stateFact(Session& session, const Fact& fact) {
  session.output().noteFact(fact);
}

void stateFactHere(Session& session, const Fact& fact) {
  Output& output = session.output();
  if (output.wantsFacts()) {
    output.flush();
    output.noteFact(fact);
  }
}

void stateDerived(Session& session, std::string_view field, double value) {
  Output& output = session.output();
  if (output.wantsFacts()) {
    std::string shown;
    appendG(shown, value);
    output.noteFact({FactKind::Derived, field, {}, shown, {}});
  }
}

Key readKey(Session& session, ReadKind kind) {
  return session.keys().read(kind);
}

bool readReal(Session& session, double& field) {
  return session.typed().readReal(field);
}

bool readInt(Session& session, std::int32_t& field) {
  return session.typed().readInt(field);
}

namespace {

bool readInto(TypedInput& typed, double& field) {
  return typed.readReal(field);
}

bool readInto(TypedInput& typed, std::int32_t& field) {
  return typed.readInt(field);
}

template <typename Value>
bool ask(Session& session, std::string_view prompt, Value& field) {
  printText(session, prompt);
  TypedInput& typed = session.typed();
  typed.setQuestion(trimmed(prompt));
  const bool read = readInto(typed, field);
  typed.setQuestion({});
  return read;
}

}  // namespace

void askReal(Session& session, std::string_view prompt, double& field) {
  ask(session, prompt, field);
}

void askInt(Session& session, std::string_view prompt, std::int32_t& field) {
  ask(session, prompt, field);
}

void choicePrompt(Session& session, std::string_view prompt, std::int32_t& field,
                  std::int32_t lowest, std::int32_t highest) {
  const std::int32_t before = field;
  do {
    if (!ask(session, prompt, field)) {
      field = before;
      return;
    }
  } while (field < lowest || field > highest);
}

bool pageBreak(Session& session) {
  printText(session, "weiter mit bel.Taste..");
  const Key key = readKey(session, ReadKind::PageBreak);
  if (key == kAbandonKey || key == kEndOfKeys) {
    return false;
  }
  printText(session, "\n");
  return true;
}

}  // namespace zorpi
