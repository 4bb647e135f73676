#include "console/current_values.h"

#include "console/type_names.h"

namespace zorpi {

namespace {

// The type line: the polygon's names its profile, and without one there is none.
void printTypeLine(Session& session, const ConnectionRecord& r) {
  if (r.typ == Polygon) {
    const bool profile = r.polygonTyp == 1 || r.polygonTyp == 2;
    printType(session, r.typ, profile ? polygonListing(r.polygonTyp) : "");
    if (profile) {
      printChoice(session, "polygonTyp", r.polygonTyp, "");  // named by the type line
    }
  } else if (r.typ >= Passfeder && r.typ <= Klemm) {
    printType(session, r.typ, typeNames(r.typ).listing);
  }
}

void printLoadLine(Session& session, const ConnectionRecord& r) {
  if (r.beanArt >= EinseitigRuhend && r.beanArt <= WechselndStark) {
    printChoice(session, "beanArt", r.beanArt, loadText(r.beanArt));
  }
}

// The line of variante 1 or 2 for the type; nothing otherwise.
void printVariantLine(Session& session, const ConnectionRecord& r) {
  if (r.variante == 1 || r.variante == 2) {
    printChoice(session, "variante", r.variante, variantName(r.typ, r.variante));
  }
}

// The blocks return false when the listing was abandoned at their page break.
bool printKegelBlock(Session& session, const ConnectionRecord& r) {
  printField(session, "X", "Kegel= 1:%g\n", r.X);
  printField(session, "D", "D  = %g [mm]\n", r.D);
  printField(session, "L", "L  = %g [mm]\n", r.L);
  printField(session, "FV", "FV = %g [N]\n", r.FV);
  printField(session, "my", "my = %g\n", r.my);
  if (!pageBreak(session)) {
    return false;
  }
  printField(session, "DA", "DA = %g [mm]\n", r.DA);
  printField(session, "Sp", "Sp = %g\n", r.Sp);
  printField(session, "ReA", "ReA= %g [N/mm2]\n", r.ReA);
  printField(session, "ReI", "ReI= %g [N/mm2]\n", r.ReI);
  return true;
}

bool printKlemmBlock(Session& session, const ConnectionRecord& r) {
  printField(session, "d", "d = %g [mm]\n", r.d);
  printField(session, "l", "l = %g [mm]\n", r.l);
  printField(session, "ls", "ls= %g [mm]\n", r.ls);
  printField(session, "a", "a = %g [mm]\n", r.a);
  printField(session, "FV", "FV= %g [N]\n", r.FV);
  if (!pageBreak(session)) {
    return false;
  }
  printField(session, "i", "i = %d\n", r.i);
  printField(session, "m", "m = %d\n", r.m);
  printField(session, "my", "my= %g\n", r.my);
  printVariantLine(session, r);
  return true;
}

void printFormFitBlock(Session& session, const ConnectionRecord& r) {
  switch (r.typ) {
    case Passfeder:
      printField(session, "d", "d = %g [mm]\n", r.d);
      printField(session, "lt", "lt= %g [mm]\n", r.lt);
      printField(session, "h", "h = %g [mm]\n", r.h);
      printField(session, "t1", "t1= %g [mm]\n", r.t1);
      printField(session, "i", "i = %d\n", r.i);
      break;
    case Keilwelle:
      printField(session, "d1", "d1= %g [mm]\n", r.d1);
      printField(session, "d2", "d2= %g [mm]\n", r.d2);
      printField(session, "lt", "lt= %g [mm]\n", r.lt);
      printField(session, "i", "i = %d\n", r.i);
      printVariantLine(session, r);
      break;
    case Zahnwelle:
      printField(session, "d2", "d2= %g [mm]\n", r.d2);
      printField(session, "d3", "d3= %g [mm]\n", r.d3);
      printField(session, "lt", "lt= %g [mm]\n", r.lt);
      printField(session, "z", "z = %d\n", r.z);
      printVariantLine(session, r);
      break;
    case Polygon:
      if (r.polygonTyp == 1) {
        printField(session, "lt", "lt= %g [mm]\n", r.lt);
        printField(session, "d1", "d1= %g [mm]\n", r.d1);
        printField(session, "e1", "e1= %g [mm]\n", r.e1);
      } else if (r.polygonTyp == 2) {
        printField(session, "lt", "lt= %g [mm]\n", r.lt);
        printField(session, "d2", "d2= %g [mm]\n", r.d2);
        printField(session, "e", "e = %g [mm]\n", r.e);
        printField(session, "er", "er= %g [mm]\n", r.er);
      }
      break;
    default:
      break;
  }
}

}  // namespace

void showCurrentValues(Session& session, const ConnectionRecord& r) {
  printText(session, "momentan def. Werte:\n");
  printTypeLine(session, r);
  const bool formFit = isFormFit(r.typ);
  if (formFit) {
    printField(session, "T", "T = %g [Nm]\n", r.T);
  }
  printField(session, "p0", "p0= %g [N/mm2]\n", r.p0);
  if (formFit) {
    printLoadLine(session, r);
  }
  bool goOn = true;
  if (r.typ == Kegel) {
    goOn = printKegelBlock(session, r);
  } else if (r.typ == Klemm) {
    goOn = printKlemmBlock(session, r);
  } else {
    printFormFitBlock(session, r);
  }
  if (goOn) {
    pageBreak(session);
  }
}

}  // namespace zorpi
