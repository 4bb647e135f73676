#pragma once

#include "console/console.h"
#include "model/connection_record.h"

namespace zorpi {

/// Key a: lists the six types and asks "Typ= " until `typ` is 1..6.
void enterConnectionType(Console& console, ConnectionRecord& record);
/// Key b: asks `T`; prints and reads nothing for the taper and the clamp.
void enterTorque(Console& console, ConnectionRecord& record);
/// Key c: asks `p0`, and for the taper also `DA`, `Sp`, `ReA`, `ReI`.
void enterMaterialValues(Console& console, ConnectionRecord& record);
/// Key d: lists the kinds of loading and asks `beanArt` 1..5; nothing for taper and clamp.
void enterLoadType(Console& console, ConnectionRecord& record);
/// Key e: asks the geometry of the current `typ`, writing each answer into its field.
void enterGeometry(Console& console, ConnectionRecord& record);

}  // namespace zorpi
