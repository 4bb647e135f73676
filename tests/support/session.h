#pragma once

#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/menu_loop.h"
#include "support/scripted_input.h"
#include "support/string_output_sink.h"

namespace zorpi::testing {

struct Outcome {
  std::string screen;
  int status;
};

// A person at a terminal: `keys` pressed one by one, `lines` typed for the number reads.
// The screen holds only what the program printed (the terminal's echo of lines is not in it).
inline Outcome typeAtTerminal(std::string keys, std::string lines) {
  ScriptedInput input(std::move(keys), std::move(lines));
  StringOutputSink sink;
  Session session(input, sink);
  const int status = runMenuLoop(session);
  session.output().flush();
  return {sink.text, status};
}

// A keyboard handing over `bursts`, one per read, and standard input from `from`.
inline Outcome typeBursts(std::vector<std::string> bursts, std::string standardInput,
                          StandardInput from) {
  ScriptedInput input(std::move(bursts), std::move(standardInput), from);
  StringOutputSink sink;
  Session session(input, sink);
  const int status = runMenuLoop(session);
  session.output().flush();
  return {sink.text, status};
}

// A session for driving the primitives directly: standard input at a terminal (a line per
// read), or a script without a keyboard when `script` is set.
struct Reader {
  explicit Reader(std::string lines, bool script = false)
      : input(script ? ScriptedInput(std::move(lines)) : ScriptedInput("", std::move(lines))),
        session(input, sink) {}
  ScriptedInput input;
  StringOutputSink sink;
  Session session;
};

// No terminal: keys and numbers both from the script on standard input.
inline Outcome runScript(std::string script) {
  ScriptedInput input(std::move(script));
  StringOutputSink sink;
  Session session(input, sink);
  const int status = runMenuLoop(session);
  session.output().flush();
  return {sink.text, status};
}

// The menu as the taper and the clamp show it, and as the form-fit types show it.
inline const std::string kShortMenu =
    "\nWelle-Nabe Verb.,i Info\nF1 a Verbindungstyp\nF3 c Werkstoffwerte\nF5 e Geometrie\n"
    "F6 w momentan def. Werte\nF7 g Compute\nF8 q Exit\n";
inline const std::string kFullMenu =
    "\nWelle-Nabe Verb.,i Info\nF1 a Verbindungstyp\nF2 b Drehmoment\nF3 c Werkstoffwerte\n"
    "F4 d Beanspruchung\nF5 e Geometrie\nF6 w momentan def. Werte\nF7 g Compute\nF8 q Exit\n";
inline const std::string kTypeList =
    "Verbindungstyp:\n1 Passfeder\n2 Keilwelle\n3 Zahnwelle\n4 Polygonverb.\n"
    "5 Kegelverb. 1:X\n6 Klemmverb.\nTyp= ";
inline const std::string kLoadList =
    "Beanspruchungsart:\n1 einseitig,ruhend\n2 einseit.,leichte Stoesse\n"
    "3 einseit.,starke Stoesse\n4 wechsel.,leichte Stoesse\n5 wechsel.,starke Stoesse\n"
    "\nBean.art= ";
inline const std::string kPageBreak = "weiter mit bel.Taste..";

}  // namespace zorpi::testing
