#include "console/current_values.h"

namespace zorpi {

namespace {

void printTypeLine(Console& console, const ConnectionRecord& r) {
  switch (r.typ) {
    case Passfeder:
      printText(console, "Passfeder\n");
      break;
    case Keilwelle:
      printText(console, "Keilwelle\n");
      break;
    case Zahnwelle:
      printText(console, "Zahnwelle\n");
      break;
    case Polygon:
      if (r.polygonTyp == 1) {
        printText(console, "Polygon P3G\n");
      } else if (r.polygonTyp == 2) {
        printText(console, "Polygon P4C\n");
      }
      break;
    case Kegel:
      printText(console, "Kegelverb.\n");
      break;
    case Klemm:
      printText(console, "Klemmverb.\n");
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
    printText(console, kTexts[r.beanArt - 1]);
  }
}

// Prints the first text for variante 1, the second for 2, nothing otherwise.
void printVariantLine(Console& console, const ConnectionRecord& r, const char* one,
                      const char* two) {
  if (r.variante == 1) {
    printText(console, one);
  } else if (r.variante == 2) {
    printText(console, two);
  }
}

// The blocks return false when the listing was abandoned at their page break.
bool printKegelBlock(Console& console, const ConnectionRecord& r) {
  printValue(console, "Kegel= 1:%g\n", r.X);
  printValue(console, "D  = %g [mm]\n", r.D);
  printValue(console, "L  = %g [mm]\n", r.L);
  printValue(console, "FV = %g [N]\n", r.FV);
  printValue(console, "my = %g\n", r.my);
  if (!pageBreak(console)) {
    return false;
  }
  printValue(console, "DA = %g [mm]\n", r.DA);
  printValue(console, "Sp = %g\n", r.Sp);
  printValue(console, "ReA= %g [N/mm2]\n", r.ReA);
  printValue(console, "ReI= %g [N/mm2]\n", r.ReI);
  return true;
}

bool printKlemmBlock(Console& console, const ConnectionRecord& r) {
  printValue(console, "d = %g [mm]\n", r.d);
  printValue(console, "l = %g [mm]\n", r.l);
  printValue(console, "ls= %g [mm]\n", r.ls);
  printValue(console, "a = %g [mm]\n", r.a);
  printValue(console, "FV= %g [N]\n", r.FV);
  if (!pageBreak(console)) {
    return false;
  }
  printValue(console, "i = %d\n", r.i);
  printValue(console, "m = %d\n", r.m);
  printValue(console, "my= %g\n", r.my);
  printVariantLine(console, r, "Nabe geteilt\n", "Nabe geschlitzt\n");
  return true;
}

void printFormFitBlock(Console& console, const ConnectionRecord& r) {
  switch (r.typ) {
    case Passfeder:
      printValue(console, "d = %g [mm]\n", r.d);
      printValue(console, "lt= %g [mm]\n", r.lt);
      printValue(console, "h = %g [mm]\n", r.h);
      printValue(console, "t1= %g [mm]\n", r.t1);
      printValue(console, "i = %d\n", r.i);
      break;
    case Keilwelle:
      printValue(console, "d1= %g [mm]\n", r.d1);
      printValue(console, "d2= %g [mm]\n", r.d2);
      printValue(console, "lt= %g [mm]\n", r.lt);
      printValue(console, "i = %d\n", r.i);
      printVariantLine(console, r, "Innenzentrierung\n", "Flankenzentrierung\n");
      break;
    case Zahnwelle:
      printValue(console, "d2= %g [mm]\n", r.d2);
      printValue(console, "d3= %g [mm]\n", r.d3);
      printValue(console, "lt= %g [mm]\n", r.lt);
      printValue(console, "z = %d\n", r.z);
      printVariantLine(console, r, "Kerbverzahnung\n", "Evolventenverzahnung\n");
      break;
    case Polygon:
      if (r.polygonTyp == 1) {
        printValue(console, "lt= %g [mm]\n", r.lt);
        printValue(console, "d1= %g [mm]\n", r.d1);
        printValue(console, "e1= %g [mm]\n", r.e1);
      } else if (r.polygonTyp == 2) {
        printValue(console, "lt= %g [mm]\n", r.lt);
        printValue(console, "d2= %g [mm]\n", r.d2);
        printValue(console, "e = %g [mm]\n", r.e);
        printValue(console, "er= %g [mm]\n", r.er);
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
    printValue(console, "T = %g [Nm]\n", r.T);
  }
  printValue(console, "p0= %g [N/mm2]\n", r.p0);
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
