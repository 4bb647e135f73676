#include "console/results_report.h"

#include "calc/allowable_pressure.h"
#include "calc/calculate.h"
#include "calc/kegel.h"
#include "console/text/value_format.h"
#include "console/type_names.h"

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

// States the kind of loading the calculation used (none for the taper and the clamp, which take
// pzul = p0) and the factor f of pzul = f x p0 where one set pzul.
void stateLoading(Session& session, const ConnectionRecord& r) {
  if (!session.output().wantsFacts()) {
    return;
  }
  std::string number;
  std::string_view words;
  if (isFormFit(r.typ)) {
    appendD(number, r.beanArt);
    if (r.beanArt >= EinseitigRuhend && r.beanArt <= WechselndStark) {
      words = loadText(r.beanArt);
    }
  }
  stateFact(session, {FactKind::Loading, "beanArt", words, number, {}});
  const double factor = loadFactor(r);
  if (factor != 0) {
    stateDerived(session, "f", factor);
  }
}

// States what the type's calculation holds that no screen prints as it is held (the angles
// are in radians), for an account of the calculation step by step.
void stateWorkedOut(Session& session, const ConnectionRecord& r) {
  if (!session.output().wantsFacts()) {
    return;
  }
  switch (r.typ) {
    case Passfeder:
      stateDerived(session, "ki", r.ki);
      stateDerived(session, "rm", r.rm);
      break;
    case Keilwelle:
    case Zahnwelle:
      stateDerived(session, "phi", r.phi);
      stateDerived(session, "rm", r.rm);
      stateDerived(session, "h", r.h);
      break;
    case Polygon:
      stateDerived(session, "dm", r.dm);
      break;
    case Kegel:
      stateDerived(session, "X", r.X);  // the listing shows it as 1:X
      stateDerived(session, "C", r.C);
      stateDerived(session, "rho", r.rho);
      stateDerived(session, "alpha", r.alpha);
      stateDerived(session, "Q", r.Q);
      break;
    case Klemm:
      stateDerived(session, "kp", r.kp);
      stateDerived(session, "kb", r.kb);
      stateDerived(session, "W", r.W);
      break;
    default:
      break;
  }
}

}  // namespace

void showResults(Session& session, ConnectionRecord& r) {
  printText(session, "Ergebnisse\n");
  calculate(r);
  stateLoading(session, r);
  stateWorkedOut(session, r);
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
