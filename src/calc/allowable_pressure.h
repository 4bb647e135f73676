#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// Reads `typ`, `beanArt`, `p0`; writes `pzul` = load factor x `p0` (types 5, 6: `p0`).
/// A form-fit type with `beanArt` outside 1..5 leaves `pzul` as it was.
void setAllowablePressure(ConnectionRecord& r);

}  // namespace zorpi
