#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// Clamp: reads `variante`, `FV`, `i`, `m`, `l`, `d`, `my`, `a`, `ls`; writes `kp`, `kb`
/// (only for `variante` 1 or 2), `p`, `FF`, `TV`, `W`, `SigB`. Divisors are not guarded.
void calcKlemm(ConnectionRecord& r);

}  // namespace zorpi
