#include "console/results_report.h"

#include "calc/allowable_pressure.h"
#include "calc/form_fit.h"
#include "calc/kegel.h"
#include "calc/klemm.h"

namespace zorpi {

namespace {

// False when the listing was abandoned at the taper's page break.
bool printKegelLines(Console& console, const ConnectionRecord& r) {
  printValue(console, "rho  = %g [Grad]\n", kDegreesPerRadian * r.rho);
  printValue(console, "alpha= %g [Grad]\n", 2 * r.alpha * kDegreesPerRadian);
  printText(console, isSelfLocking(r) ? "Selbsthemmung\n" : "keine Selbsthemmung\n");
  printValue(console, "d    = %g [mm]\n", r.d);
  printValue(console, "DF   = %g [mm]\n", r.DF);
  printValue(console, "FF   = %g [N]\n", r.FF);
  printValue(console, "TV   = %g [Nm]\n", r.TV);
  if (!pageBreak(console)) {
    return false;
  }
  printValue(console, "pAzul= %g [N/mm2]\n", r.pAzul);
  printValue(console, "pIzul= %g [N/mm2]\n", r.pIzul);
  return true;
}

void printKlemmLines(Console& console, const ConnectionRecord& r) {
  printValue(console, "FF   = %g [N]\n", r.FF);
  printValue(console, "TV   = %g [Nm]\n", r.TV);
  printValue(console, "SigB = %g [N/mm2]\n", r.SigB);
}

}  // namespace

void showResults(Console& console, ConnectionRecord& r) {
  printText(console, "Ergebnisse\n");
  setAllowablePressure(r);
  switch (r.typ) {
    case Passfeder:
      calcPassfeder(r);
      break;
    case Keilwelle:
      calcKeilwelle(r);
      break;
    case Zahnwelle:
      calcZahnwelle(r);
      break;
    case Polygon:
      calcPolygon(r);
      break;
    case Kegel:
      calcKegel(r);
      if (!printKegelLines(console, r)) {
        return;
      }
      break;
    case Klemm:
      calcKlemm(r);
      printKlemmLines(console, r);
      break;
    default:
      break;
  }
  printValue(console, "p    = %g [N/mm2]\n", r.p);
  printValue(console, "pzul = %g [N/mm2]\n", r.pzul);
  pageBreak(console);
}

}  // namespace zorpi
