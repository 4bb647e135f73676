#include "console/entry_dialogues.h"

#include "console/type_names.h"

namespace zorpi {

namespace {

// The key to the two variants of the type, then the choice of one of them.
void askVariant(Session& session, ConnectionRecord& r, const char* prompt) {
  const TypeNames& names = typeNames(r.typ);
  if (names.variantKey.empty()) {
    for (std::int32_t variante = 1; variante <= 2; ++variante) {
      printValue(session, "\n%d ", variante);
      printText(session, names.variants[variante - 1]);
    }
  } else {
    printText(session, "\n");
    printText(session, names.variantKey);
  }
  choicePrompt(session, prompt, r.variante, 1, 2);
}

void enterPassfederGeometry(Session& session, ConnectionRecord& r) {
  printText(session, typeNames(Passfeder).heading);
  askReal(session, "\nd  [mm]= ", r.d);
  askReal(session, "\nlt [mm]= ", r.lt);
  askReal(session, "\nh  [mm]= ", r.h);
  askReal(session, "\nt1 [mm]= ", r.t1);
  askInt(session, "\ni (1~2)= ", r.i);
}

void enterKeilwelleGeometry(Session& session, ConnectionRecord& r) {
  printText(session, typeNames(Keilwelle).heading);
  askReal(session, "\nd1 [mm]= ", r.d1);
  askReal(session, "\nd2 [mm]= ", r.d2);
  askReal(session, "\nlt [mm]= ", r.lt);
  askInt(session, "\nAnz. i = ", r.i);
  askVariant(session, r, "\nZentrierung= ");
}

void enterZahnwelleGeometry(Session& session, ConnectionRecord& r) {
  printText(session, typeNames(Zahnwelle).heading);
  askReal(session, "\nd2 [mm]= ", r.d2);
  askReal(session, "\nd3 [mm]= ", r.d3);
  askReal(session, "\nlt [mm]= ", r.lt);
  askInt(session, "\nAnz. z = ", r.z);
  askVariant(session, r, "\nVerzahnung= ");
}

void enterPolygonGeometry(Session& session, ConnectionRecord& r) {
  printText(session, typeNames(Polygon).heading);
  choicePrompt(session, "\nTyp= ", r.polygonTyp, 1, 2);
  askReal(session, "\nlt [mm]= ", r.lt);
  if (r.polygonTyp == 1) {
    askReal(session, "\nd1 [mm]= ", r.d1);
    askReal(session, "\ne1 [mm]= ", r.e1);
  } else if (r.polygonTyp == 2) {
    askReal(session, "\nd2 [mm]= ", r.d2);
    askReal(session, "\ne  [mm]= ", r.e);
    askReal(session, "\ner [mm]= ", r.er);
  }
}

void enterKegelGeometry(Session& session, ConnectionRecord& r) {
  printText(session, typeNames(Kegel).heading);
  askReal(session, "\nKegel 1:", r.X);
  askReal(session, "\nD [mm]= ", r.D);
  askReal(session, "\nL [mm]= ", r.L);
  askReal(session, "\nFV [N]= ", r.FV);
  askReal(session, "\nmy    = ", r.my);
}

void enterKlemmGeometry(Session& session, ConnectionRecord& r) {
  printText(session, typeNames(Klemm).heading);
  askReal(session, "\nd [mm]= ", r.d);
  askReal(session, "\nl [mm]= ", r.l);
  askReal(session, "\nls[mm]= ", r.ls);
  askReal(session, "\na [mm]= ", r.a);
  askReal(session, "\nFV [N]= ", r.FV);
  askInt(session, "\nAnz. i= ", r.i);
  askInt(session, "\nAnz. m= ", r.m);
  askReal(session, "\nmy    = ", r.my);
  askVariant(session, r, "\nAusfuehrung= ");
}

}  // namespace

void enterConnectionType(Session& session, ConnectionRecord& r) {
  printText(session, "Verbindungstyp:");
  // The last line has no line break: the prompt's own leading one ends it.
  for (std::int32_t typ = Passfeder; typ <= Klemm; ++typ) {
    printText(session, "\n");
    printText(session, typeNames(typ).choice);
  }
  choicePrompt(session, "\nTyp= ", r.typ, Passfeder, Klemm);
}

void enterTorque(Session& session, ConnectionRecord& r) {
  if (!isFormFit(r.typ)) {
    return;
  }
  printText(session, "Drehmoment:");
  askReal(session, "\nT [Nm]= ", r.T);
}

void enterMaterialValues(Session& session, ConnectionRecord& r) {
  printText(session, "Grundwert Flankenpres:");
  askReal(session, "\np0 [N/mm2]= ", r.p0);
  if (r.typ != Kegel) {
    return;
  }
  printText(session, "\nfuer Kegelverband:");
  askReal(session, "\nDA [mm]   = ", r.DA);
  askReal(session, "\nSp        = ", r.Sp);
  askReal(session, "\nReA[N/mm2]= ", r.ReA);
  askReal(session, "\nReI[N/mm2]= ", r.ReI);
}

void enterLoadType(Session& session, ConnectionRecord& r) {
  if (!isFormFit(r.typ)) {
    return;
  }
  printText(session, "Beanspruchungsart:\n");
  for (std::int32_t kind = EinseitigRuhend; kind <= WechselndStark; ++kind) {
    printValue(session, "%d ", kind);
    printText(session, loadText(kind));
    printText(session, "\n");
  }
  choicePrompt(session, "\nBean.art= ", r.beanArt, EinseitigRuhend, WechselndStark);
}

void enterGeometry(Session& session, ConnectionRecord& r) {
  printText(session, "Geometrieangaben fuer\n");
  switch (r.typ) {
    case Passfeder:
      enterPassfederGeometry(session, r);
      break;
    case Keilwelle:
      enterKeilwelleGeometry(session, r);
      break;
    case Zahnwelle:
      enterZahnwelleGeometry(session, r);
      break;
    case Polygon:
      enterPolygonGeometry(session, r);
      break;
    case Kegel:
      enterKegelGeometry(session, r);
      break;
    case Klemm:
      enterKlemmGeometry(session, r);
      break;
    default:
      break;
  }
}

}  // namespace zorpi
