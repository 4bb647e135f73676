#pragma once

#include "../model/connection_record.h"

namespace zorpi {

/// Parallel key: reads `i`, `d`, `T`, `h`, `t1`, `lt`; writes `ki` (only for `i` 1 or 2),
/// `rm`, `p`. Zero divisors give IEEE infinities or not-a-numbers in `p`.
void calcPassfeder(ConnectionRecord& r);

/// Spline shaft: reads `variante`, `d1`, `d2`, `T`, `lt`, `i`; writes `phi` (only for
/// `variante` 1 or 2), `rm`, `h` (the flank height), `p`. Divisors are not guarded.
void calcKeilwelle(ConnectionRecord& r);

/// Serrated or involute shaft: reads `variante`, `d2`, `d3`, `T`, `lt`, `z`; writes `phi`
/// (only for `variante` 1 or 2), `rm`, `h` (the flank height), `p`. Divisors are not guarded.
void calcZahnwelle(ConnectionRecord& r);

/// Polygon: P3G reads `T`, `d1`, `e1`, `lt`; P4C reads `T`, `e`, `d2`, `er`, `lt` and writes
/// `dm`; both write `p`. With `polygonTyp` not 1 or 2 nothing is written.
void calcPolygon(ConnectionRecord& r);

}  // namespace zorpi
