#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace zorpi {

// The words the program and the browser page know each other's things by, in one table: what
// a read waits for, how bytes arrived, what a fact is, and the page's functions the program
// calls. Across the seam only these names travel, never the numbers of the enumerations.

/// What a read waits for.
enum class ReadKind {
  MenuKey,         // a key at the menu without b and d (taper, clamp)
  FormFitMenuKey,  // a key at the menu with b and d (types 1 to 4)
  PageBreak,       // a key at "weiter mit bel.Taste..", where x ends the listing
  Info,            // any key after the banner
  Number,          // a line for a number
};

/// How bytes reached the keyboard.
enum class Arrival {
  Typed,        // keys pressed, or what an input method commits
  Paste,        // the start of text that arrived in one piece
  RestOfPaste,  // more of the same paste, handed over later
  Replayed,     // a result an earlier run took, handed to the program as it is
  Begun,        // the line an earlier run was typing, already on the screen
};

/// What a fact the program states is.
enum class FactKind {
  Value,       // a value a screen shows: its field, symbol, value and unit as printed
  Choice,      // a line that names a choice: its field, the line, the choice's number
  Type,        // the connection type: typ, the line that names it, its number
  Banner,      // the info screen's banner line
  Loading,     // the kind of loading the calculation used: its number and words
  Derived,     // a value the calculation worked out that no screen shows
  Dialogue,    // an entry dialogue begins (its menu key) or ends ("")
  Menu,        // the menu follows on the screen, for the read kind its value names
  LineBegins,  // a number line begins here on the screen, before anything of it is shown
  Line,        // the number line being typed, as it stands
};

inline constexpr std::string_view kReadKindNames[] = {"menu", "formfit", "page", "info", "number"};
inline constexpr std::string_view kArrivalNames[] = {"typed", "paste", "restOfPaste", "replayed",
                                                     "begun"};
inline constexpr std::string_view kFactKindNames[] = {"value",      "choice",  "type",     "banner",
                                                      "loading",    "derived", "dialogue", "menu",
                                                      "lineBegins", "line"};
/// The page's functions, each of which the page must define: the next bytes for a read, the
/// screen text, what each read handed the program, where q ended the run, and the facts.
inline constexpr std::string_view kPageFunctions[] = {"zorpiRead", "zorpiWrite", "zorpiHandOut",
                                                      "zorpiQuit", "zorpiFact"};

/// The name of `kind` across the seam.
constexpr std::string_view nameOf(ReadKind kind) {
  return kReadKindNames[static_cast<std::size_t>(kind)];
}
/// The name of `arrival` across the seam.
constexpr std::string_view nameOf(Arrival arrival) {
  return kArrivalNames[static_cast<std::size_t>(arrival)];
}
/// The name of `kind` across the seam.
constexpr std::string_view nameOf(FactKind kind) {
  return kFactKindNames[static_cast<std::size_t>(kind)];
}
/// The arrival named `name`; false when there is none of that name.
constexpr bool arrivalNamed(std::string_view name, Arrival& arrival) {
  for (std::size_t index = 0; index < std::size(kArrivalNames); ++index) {
    if (kArrivalNames[index] == name) {
      arrival = static_cast<Arrival>(index);
      return true;
    }
  }
  return false;
}

}  // namespace zorpi
