#include "console/results_report.h"

#include "calc/allowable_pressure.h"
#include "calc/form_fit.h"
#include "calc/kegel.h"
#include "calc/klemm.h"

namespace zorpi {

namespace {

// False when the listing was abandoned at the taper's page break.
bool printKegelLines(Console& console, const ConnectionRecord& r) {
  printField(console, "rho", "rho  = %g [Grad]\n", kDegreesPerRadian * r.rho);
  printField(console, "alpha", "alpha= %g [Grad]\n", 2 * r.alpha * kDegreesPerRadian);
  const bool locking = isSelfLocking(r);
  printChoice(console, "isSelfLocking", locking ? 1 : 0,
              locking ? "Selbsthemmung\n" : "keine Selbsthemmung\n");
  printField(console, "d", "d    = %g [mm]\n", r.d);
  printField(console, "DF", "DF   = %g [mm]\n", r.DF);
  printField(console, "FF", "FF   = %g [N]\n", r.FF);
  printField(console, "TV", "TV   = %g [Nm]\n", r.TV);
  if (!pageBreak(console)) {
    return false;
  }
  printField(console, "pAzul", "pAzul= %g [N/mm2]\n", r.pAzul);
  printField(console, "pIzul", "pIzul= %g [N/mm2]\n", r.pIzul);
  return true;
}

void printKlemmLines(Console& console, const ConnectionRecord& r) {
  printField(console, "FF", "FF   = %g [N]\n", r.FF);
  printField(console, "TV", "TV   = %g [Nm]\n", r.TV);
  printField(console, "SigB", "SigB = %g [N/mm2]\n", r.SigB);
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
  printField(console, "p", "p    = %g [N/mm2]\n", r.p);
  printField(console, "pzul", "pzul = %g [N/mm2]\n", r.pzul);
  pageBreak(console);
}

}  // namespace zorpi
