#include "console/current_values.h"

namespace zorpi {

namespace {

void printTypeLine(Console& console, const ConnectionRecord& r) {
  switch (r.typ) {
    case Passfeder:
      printChoice(console, "typ", r.typ, "Passfeder\n");
      break;
    case Keilwelle:
      printChoice(console, "typ", r.typ, "Keilwelle\n");
      break;
    case Zahnwelle:
      printChoice(console, "typ", r.typ, "Zahnwelle\n");
      break;
    case Polygon:
      if (r.polygonTyp == 1) {
        printChoice(console, "polygonTyp", r.polygonTyp, "Polygon P3G\n");
      } else if (r.polygonTyp == 2) {
        printChoice(console, "polygonTyp", r.polygonTyp, "Polygon P4C\n");
      }
      break;
    case Kegel:
      printChoice(console, "typ", r.typ, "Kegelverb.\n");
      break;
    case Klemm:
      printChoice(console, "typ", r.typ, "Klemmverb.\n");
      break;
    default:
      break;
  }
}

void printLoadLine(Console& console, const ConnectionRecord& r) {
  static const char* const kTexts[] = {
      "einseitig,ruhend\n",         "einseit.,leichte Stoesse\n", "einseit.,starke Stoesse\n",
      "wechsel.,leichte Stoesse\n", "wechsel.,starke Stoesse\n",
  };
  if (r.beanArt >= EinseitigRuhend && r.beanArt <= WechselndStark) {
    printChoice(console, "beanArt", r.beanArt, kTexts[r.beanArt - 1]);
  }
}

// Prints the first text for variante 1, the second for 2, nothing otherwise.
void printVariantLine(Console& console, const ConnectionRecord& r, const char* one,
                      const char* two) {
  if (r.variante == 1) {
    printChoice(console, "variante", r.variante, one);
  } else if (r.variante == 2) {
    printChoice(console, "variante", r.variante, two);
  }
}

// The blocks return false when the listing was abandoned at their page break.
bool printKegelBlock(Console& console, const ConnectionRecord& r) {
  printField(console, "X", "Kegel= 1:%g\n", r.X);
  printField(console, "D", "D  = %g [mm]\n", r.D);
  printField(console, "L", "L  = %g [mm]\n", r.L);
  printField(console, "FV", "FV = %g [N]\n", r.FV);
  printField(console, "my", "my = %g\n", r.my);
  if (!pageBreak(console)) {
    return false;
  }
  printField(console, "DA", "DA = %g [mm]\n", r.DA);
  printField(console, "Sp", "Sp = %g\n", r.Sp);
  printField(console, "ReA", "ReA= %g [N/mm2]\n", r.ReA);
  printField(console, "ReI", "ReI= %g [N/mm2]\n", r.ReI);
  return true;
}

bool printKlemmBlock(Console& console, const ConnectionRecord& r) {
  printField(console, "d", "d = %g [mm]\n", r.d);
  printField(console, "l", "l = %g [mm]\n", r.l);
  printField(console, "ls", "ls= %g [mm]\n", r.ls);
  printField(console, "a", "a = %g [mm]\n", r.a);
  printField(console, "FV", "FV= %g [N]\n", r.FV);
  if (!pageBreak(console)) {
    return false;
  }
  printField(console, "i", "i = %d\n", r.i);
  printField(console, "m", "m = %d\n", r.m);
  printField(console, "my", "my= %g\n", r.my);
  printVariantLine(console, r, "Nabe geteilt\n", "Nabe geschlitzt\n");
  return true;
}

void printFormFitBlock(Console& console, const ConnectionRecord& r) {
  switch (r.typ) {
    case Passfeder:
      printField(console, "d", "d = %g [mm]\n", r.d);
      printField(console, "lt", "lt= %g [mm]\n", r.lt);
      printField(console, "h", "h = %g [mm]\n", r.h);
      printField(console, "t1", "t1= %g [mm]\n", r.t1);
      printField(console, "i", "i = %d\n", r.i);
      break;
    case Keilwelle:
      printField(console, "d1", "d1= %g [mm]\n", r.d1);
      printField(console, "d2", "d2= %g [mm]\n", r.d2);
      printField(console, "lt", "lt= %g [mm]\n", r.lt);
      printField(console, "i", "i = %d\n", r.i);
      printVariantLine(console, r, "Innenzentrierung\n", "Flankenzentrierung\n");
      break;
    case Zahnwelle:
      printField(console, "d2", "d2= %g [mm]\n", r.d2);
      printField(console, "d3", "d3= %g [mm]\n", r.d3);
      printField(console, "lt", "lt= %g [mm]\n", r.lt);
      printField(console, "z", "z = %d\n", r.z);
      printVariantLine(console, r, "Kerbverzahnung\n", "Evolventenverzahnung\n");
      break;
    case Polygon:
      if (r.polygonTyp == 1) {
        printField(console, "lt", "lt= %g [mm]\n", r.lt);
        printField(console, "d1", "d1= %g [mm]\n", r.d1);
        printField(console, "e1", "e1= %g [mm]\n", r.e1);
      } else if (r.polygonTyp == 2) {
        printField(console, "lt", "lt= %g [mm]\n", r.lt);
        printField(console, "d2", "d2= %g [mm]\n", r.d2);
        printField(console, "e", "e = %g [mm]\n", r.e);
        printField(console, "er", "er= %g [mm]\n", r.er);
      }
      break;
    default:
      break;
  }
}

}  // namespace

void showCurrentValues(Console& console, const ConnectionRecord& r) {
  printText(console, "momentan def. Werte:\n");
  printTypeLine(console, r);
  const bool formFit = isFormFit(r.typ);
  if (formFit) {
    printField(console, "T", "T = %g [Nm]\n", r.T);
  }
  printField(console, "p0", "p0= %g [N/mm2]\n", r.p0);
  if (formFit) {
    printLoadLine(console, r);
  }
  bool goOn = true;
  if (r.typ == Kegel) {
    goOn = printKegelBlock(console, r);
  } else if (r.typ == Klemm) {
    goOn = printKlemmBlock(console, r);
  } else {
    printFormFitBlock(console, r);
  }
  if (goOn) {
    pageBreak(console);
  }
}

}  // namespace zorpi
