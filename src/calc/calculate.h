#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// What the results screen does before it prints: sets `pzul` (setAllowablePressure), then
/// runs the calculation of the connection type in `typ`. After a `typ` outside 1..6 every
/// derived value and result (`pzul` too, not the shared inputs `d` and `h`) is NaN, so that
/// none is taken for a result; check() says what else the calculation cannot take.
void calculate(ConnectionRecord& r);

}  // namespace zorpi
