#include "console/menu_loop.h"

#include "console/current_values.h"
#include "console/entry_dialogues.h"
#include "console/results_report.h"
#include "model/connection_record.h"

namespace zorpi {

namespace {

// The menu's key read: with b and d for types 1 to 4.
ReadKind menuKind(const ConnectionRecord& r) {
  return isFormFit(r.typ) ? ReadKind::FormFitMenuKey : ReadKind::MenuKey;
}

void printMenu(Session& session, const ConnectionRecord& r) {
  stateFactHere(session, {FactKind::Menu, {}, {}, nameOf(menuKind(r)), {}});
  const bool formFit = isFormFit(r.typ);
  printText(session, "\nWelle-Nabe Verb.,i Info\nF1 a Verbindungstyp\n");
  if (formFit) {
    printText(session, "F2 b Drehmoment\n");
  }
  printText(session, "F3 c Werkstoffwerte\n");
  if (formFit) {
    printText(session, "F4 d Beanspruchung\n");
  }
  printText(session, "F5 e Geometrie\nF6 w momentan def. Werte\nF7 g Compute\nF8 q Exit\n");
}

// Runs the entry dialogue of menu key `key`, stated as a fact when it begins and ends; b and d
// ask nothing of the taper and the clamp.
void runDialogue(Session& session, ConnectionRecord& r, Key key) {
  const bool asks = (key != 'b' && key != 'd') || isFormFit(r.typ);
  const char name[] = {static_cast<char>(key), '\0'};
  if (asks) {
    stateFact(session, {FactKind::Dialogue, {}, {}, name, {}});
  }
  switch (key) {
    case 'a':
      enterConnectionType(session, r);
      break;
    case 'b':
      enterTorque(session, r);
      break;
    case 'c':
      enterMaterialValues(session, r);
      break;
    case 'd':
      enterLoadType(session, r);
      break;
    default:
      enterGeometry(session, r);
      break;
  }
  if (asks) {
    stateFact(session, {FactKind::Dialogue, {}, {}, {}, {}});
  }
}

}  // namespace

void showInfo(Session& session) {
  printBanner(session,
              "ZORPI berechnet Welle-Nabe Verbindungen,vereinfacht nach DIN 6892 und verwandten "
              "Normen,ZORPI-Entwicklerteam,Dezember 2026");
  printText(session, "weiter mit bel.Taste..");
  readKey(session, ReadKind::Info);
}

bool runMenuStep(Session& session, ConnectionRecord& r) {
  printMenu(session, r);
  const Key key = readKey(session, menuKind(r));
  switch (key) {
    case kEndOfKeys:
      return false;
    case 'q':
      session.noteQuit();
      return false;
    case 'i':
      showInfo(session);
      break;
    case 'a':
    case 'b':
    case 'c':
    case 'd':
    case 'e':
      runDialogue(session, r, key);
      break;
    case 'w':
      showCurrentValues(session, r);
      break;
    case 'g':
      showResults(session, r);
      break;
    default:
      break;
  }
  return !session.keysEnded();
}

int runMenuLoop(Session& session) {
  ConnectionRecord record = createDefaultRecord();
  while (runMenuStep(session, record)) {
  }
  session.output().flush();
  return session.output().failed() ? kOutputErrorStatus : kQuitStatus;
}

}  // namespace zorpi
