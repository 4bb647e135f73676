#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// The factor f of pzul = f x p0 for `typ` and `beanArt`: the load factor of the kind of
/// loading for types 1 to 4, 1 for the taper and the clamp; 0 where there is none (a form-fit
/// type with `beanArt` outside 1..5, or `typ` outside 1..6).
double loadFactor(const ConnectionRecord& r);

/// Reads `typ`, `beanArt`, `p0`; writes `pzul` = loadFactor x `p0` (types 5, 6: `p0`). Where
/// loadFactor is 0, `pzul` stays as it was.
void setAllowablePressure(ConnectionRecord& r);

}  // namespace zorpi
