#include "console/results_report.h"

#include "calc/calculate.h"
#include "calc/kegel.h"

namespace zorpi {

namespace {

// False when the listing was abandoned at the taper's page break.
bool printKegelLines(Session& session, const ConnectionRecord& r) {
  printField(session, "rho", "rho  = %g [Grad]\n", kDegreesPerRadian * r.rho);
  printField(session, "alpha", "alpha= %g [Grad]\n", 2 * r.alpha * kDegreesPerRadian);
  const bool locking = isSelfLocking(r);
  printChoice(session, "isSelfLocking", locking ? 1 : 0,
              locking ? "Selbsthemmung" : "keine Selbsthemmung");
  printField(session, "d", "d    = %g [mm]\n", r.d);
  printField(session, "DF", "DF   = %g [mm]\n", r.DF);
  printField(session, "FF", "FF   = %g [N]\n", r.FF);
  printField(session, "TV", "TV   = %g [Nm]\n", r.TV);
  if (!pageBreak(session)) {
    return false;
  }
  printField(session, "pAzul", "pAzul= %g [N/mm2]\n", r.pAzul);
  printField(session, "pIzul", "pIzul= %g [N/mm2]\n", r.pIzul);
  return true;
}

void printKlemmLines(Session& session, const ConnectionRecord& r) {
  printField(session, "FF", "FF   = %g [N]\n", r.FF);
  printField(session, "TV", "TV   = %g [Nm]\n", r.TV);
  printField(session, "SigB", "SigB = %g [N/mm2]\n", r.SigB);
}

}  // namespace

void showResults(Session& session, ConnectionRecord& r) {
  printText(session, "Ergebnisse\n");
  calculate(r);
  if (r.typ == Kegel && !printKegelLines(session, r)) {
    return;
  }
  if (r.typ == Klemm) {
    printKlemmLines(session, r);
  }
  printField(session, "p", "p    = %g [N/mm2]\n", r.p);
  printField(session, "pzul", "pzul = %g [N/mm2]\n", r.pzul);
  pageBreak(session);
}

}  // namespace zorpi
