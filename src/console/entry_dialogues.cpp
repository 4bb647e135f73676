#include "console/entry_dialogues.h"

namespace zorpi {

namespace {

void askReal(Console& console, const char* prompt, double& field) {
  printText(console, prompt);
  readReal(console, field);
}

void askInt(Console& console, const char* prompt, std::int32_t& field) {
  printText(console, prompt);
  readInt(console, field);
}

void enterPassfederGeometry(Console& console, ConnectionRecord& r) {
  printText(console, "Passfeder:");
  askReal(console, "\nd  [mm]= ", r.d);
  askReal(console, "\nlt [mm]= ", r.lt);
  askReal(console, "\nh  [mm]= ", r.h);
  askReal(console, "\nt1 [mm]= ", r.t1);
  askInt(console, "\ni (1~2)= ", r.i);
}

void enterKeilwelleGeometry(Console& console, ConnectionRecord& r) {
  printText(console, "Keilwelle:");
  askReal(console, "\nd1 [mm]= ", r.d1);
  askReal(console, "\nd2 [mm]= ", r.d2);
  askReal(console, "\nlt [mm]= ", r.lt);
  askInt(console, "\nAnz. i = ", r.i);
  printText(console, "\nInnenzen=1,Flankenzen=2");
  choicePrompt(console, "\nZentrierung= ", r.variante, 1, 2);
}

void enterZahnwelleGeometry(Console& console, ConnectionRecord& r) {
  printText(console, "Zahnwelle:");
  askReal(console, "\nd2 [mm]= ", r.d2);
  askReal(console, "\nd3 [mm]= ", r.d3);
  askReal(console, "\nlt [mm]= ", r.lt);
  askInt(console, "\nAnz. z = ", r.z);
  printText(console, "\nKerbver=1,Evolv.ver=2");
  choicePrompt(console, "\nVerzahnung= ", r.variante, 1, 2);
}

void enterPolygonGeometry(Console& console, ConnectionRecord& r) {
  printText(console, "Polygon:1 P3G / 2 P4C");
  choicePrompt(console, "\nTyp= ", r.polygonTyp, 1, 2);
  askReal(console, "\nlt [mm]= ", r.lt);
  if (r.polygonTyp == 1) {
    askReal(console, "\nd1 [mm]= ", r.d1);
    askReal(console, "\ne1 [mm]= ", r.e1);
  } else if (r.polygonTyp == 2) {
    askReal(console, "\nd2 [mm]= ", r.d2);
    askReal(console, "\ne  [mm]= ", r.e);
    askReal(console, "\ner [mm]= ", r.er);
  }
}

void enterKegelGeometry(Console& console, ConnectionRecord& r) {
  printText(console, "Kegelverbindung:");
  askReal(console, "\nKegel 1:", r.X);
  askReal(console, "\nD [mm]= ", r.D);
  askReal(console, "\nL [mm]= ", r.L);
  askReal(console, "\nFV [N]= ", r.FV);
  askReal(console, "\nmy    = ", r.my);
}

void enterKlemmGeometry(Console& console, ConnectionRecord& r) {
  printText(console, "Klemmverb.:");
  askReal(console, "\nd [mm]= ", r.d);
  askReal(console, "\nl [mm]= ", r.l);
  askReal(console, "\nls[mm]= ", r.ls);
  askReal(console, "\na [mm]= ", r.a);
  askReal(console, "\nFV [N]= ", r.FV);
  askInt(console, "\nAnz. i= ", r.i);
  askInt(console, "\nAnz. m= ", r.m);
  askReal(console, "\nmy    = ", r.my);
  printText(console, "\n1 Nabe geteilt\n2 Nabe geschlitzt");
  choicePrompt(console, "\nAusfuehrung= ", r.variante, 1, 2);
}

}  // namespace

void enterConnectionType(Console& console, ConnectionRecord& record) {
  printText(console,
            "Verbindungstyp:\n1 Passfeder\n2 Keilwelle\n3 Zahnwelle\n4 Polygonverb.\n"
            "5 Kegelverb. 1:X\n6 Klemmverb.");
  choicePrompt(console, "\nTyp= ", record.typ, Passfeder, Klemm);
}

void enterTorque(Console& console, ConnectionRecord& record) {
  if (!isFormFit(record.typ)) {
    return;
  }
  printText(console, "Drehmoment:\nT [Nm]= ");
  readReal(console, record.T);
}

void enterMaterialValues(Console& console, ConnectionRecord& record) {
  printText(console, "Grundwert Flankenpres:");
  askReal(console, "\np0 [N/mm2]= ", record.p0);
  if (record.typ != Kegel) {
    return;
  }
  printText(console, "\nfuer Kegelverband:");
  askReal(console, "\nDA [mm]   = ", record.DA);
  askReal(console, "\nSp        = ", record.Sp);
  askReal(console, "\nReA[N/mm2]= ", record.ReA);
  askReal(console, "\nReI[N/mm2]= ", record.ReI);
}

void enterLoadType(Console& console, ConnectionRecord& record) {
  if (!isFormFit(record.typ)) {
    return;
  }
  printText(console,
            "Beanspruchungsart:\n1 einseitig,ruhend\n2 einseit.,leichte Stoesse\n"
            "3 einseit.,starke Stoesse\n4 wechsel.,leichte Stoesse\n"
            "5 wechsel.,starke Stoesse\n");
  choicePrompt(console, "\nBean.art= ", record.beanArt, EinseitigRuhend, WechselndStark);
}

void enterGeometry(Console& console, ConnectionRecord& record) {
  printText(console, "Geometrieangaben fuer\n");
  switch (record.typ) {
    case Passfeder:
      enterPassfederGeometry(console, record);
      break;
    case Keilwelle:
      enterKeilwelleGeometry(console, record);
      break;
    case Zahnwelle:
      enterZahnwelleGeometry(console, record);
      break;
    case Polygon:
      enterPolygonGeometry(console, record);
      break;
    case Kegel:
      enterKegelGeometry(console, record);
      break;
    case Klemm:
      enterKlemmGeometry(console, record);
      break;
    default:
      break;
  }
}

}  // namespace zorpi
