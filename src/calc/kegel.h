#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// Taper 1:X: reads `X`, `D`, `L`, `FV`, `my`, `DA`, `Sp`, `ReA`, `ReI`; writes `C`, `DF`,
/// `rho`, `alpha`, `d` (the small diameter), `p`, `FF`, `TV`, `Q`, `pAzul`, `pIzul`.
/// Zero divisors give IEEE infinities or not-a-numbers; nothing is checked.
void calcKegel(ConnectionRecord& r);

/// Reads `rho`, `alpha`: true only when `rho` > `alpha` strictly; false if either is NaN.
bool isSelfLocking(const ConnectionRecord& r);

}  // namespace zorpi
