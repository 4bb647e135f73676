#include "console/menu_loop.h"

#include "console/current_values.h"
#include "console/entry_dialogues.h"
#include "console/results_report.h"
#include "model/connection_record.h"

namespace zorpi {

namespace {

void printMenu(Console& console, const ConnectionRecord& record) {
  const bool formFit = isFormFit(record.typ);
  printText(console, "\nWelle-Nabe Verb.,i Info\nF1 a Verbindungstyp\n");
  if (formFit) {
    printText(console, "F2 b Drehmoment\n");
  }
  printText(console, "F3 c Werkstoffwerte\n");
  if (formFit) {
    printText(console, "F4 d Beanspruchung\n");
  }
  printText(console, "F5 e Geometrie\nF6 w momentan def. Werte\nF7 g Compute\nF8 q Exit\n");
}

}  // namespace

void showInfo(Console& console) {
  printText(console,
            "ZORPI berechnet Welle-Nabe Verbindungen,vereinfacht nach DIN 6892 und verwandten "
            "Normen,ZORPI-Entwicklerteam,Dezember 2026\n"
            "weiter mit bel.Taste..");
  readKey(console, ReadKind::AnyKey);
}

bool runMenuStep(Console& console, ConnectionRecord& record) {
  printMenu(console, record);
  switch (readKey(console, isFormFit(record.typ) ? ReadKind::FormFitMenuKey : ReadKind::MenuKey)) {
    case kEndOfKeys:
      return false;
    case 'q':
      console.noteQuit();
      return false;
    case 'i':
      showInfo(console);
      break;
    case 'a':
      enterConnectionType(console, record);
      break;
    case 'b':
      enterTorque(console, record);
      break;
    case 'c':
      enterMaterialValues(console, record);
      break;
    case 'd':
      enterLoadType(console, record);
      break;
    case 'e':
      enterGeometry(console, record);
      break;
    case 'w':
      showCurrentValues(console, record);
      break;
    case 'g':
      showResults(console, record);
      break;
    default:
      break;
  }
  return !console.keysEnded();
}

int runMenuLoop(Console& console) {
  ConnectionRecord record = createDefaultRecord();
  while (runMenuStep(console, record)) {
  }
  console.output().flush();
  return console.output().failed() ? kOutputErrorStatus : kQuitStatus;
}

}  // namespace zorpi
