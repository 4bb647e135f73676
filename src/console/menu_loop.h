#pragma once

#include "console/console.h"
#include "model/connection_record.h"

namespace zorpi {

/// Exit status on q and when the keys run out: the character code of q.
constexpr int kQuitStatus = 113;
/// Exit status when the screens could not be written (EX_IOERR).
constexpr int kOutputErrorStatus = 74;

/// Key i: prints the banner and "weiter mit bel.Taste..", then waits for any key.
void showInfo(Session& session);

/// One pass of the menu loop on `record`: prints the menu, reads one key and runs its action
/// to its end. False once the session must end: on q or when the keys have run out.
bool runMenuStep(Session& session, ConnectionRecord& r);

/// Creates the default record and runs the menu until q, the end of the keys or a failed
/// output; flushes what is pending and returns kQuitStatus, or kOutputErrorStatus when any
/// of the screens could not be written.
int runMenuLoop(Session& session);

}  // namespace zorpi
