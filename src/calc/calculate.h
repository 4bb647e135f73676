#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// What the results screen does before it prints: sets `pzul` (setAllowablePressure), then
/// runs the calculation of the connection type in `typ`. A `typ` outside 1..6 calculates
/// nothing beyond `pzul`.
void calculate(ConnectionRecord& r);

}  // namespace zorpi
