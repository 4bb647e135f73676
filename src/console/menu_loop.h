#pragma once

#include "console/console.h"

namespace zorpi {

/// Exit status on q and when the keys run out: the character code of q.
constexpr int kQuitStatus = 113;

/// Key i: prints the banner and "weiter mit bel.Taste..", then waits for any key.
void showInfo(Console& console);

/// Creates the default record and runs the menu until q or the end of the keys; returns
/// kQuitStatus. Output still pending is left in the console for the caller to flush.
int runMenuLoop(Console& console);

}  // namespace zorpi
