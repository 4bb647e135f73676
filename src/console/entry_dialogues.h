#pragma once

#include "console/console.h"
#include "model/connection_record.h"

namespace zorpi {

/// Key a: lists the six types and asks "Typ= " until `typ` is 1..6.
void enterConnectionType(Session& session, ConnectionRecord& r);
/// Key b: asks `T`; prints and reads nothing for the taper and the clamp.
void enterTorque(Session& session, ConnectionRecord& r);
/// Key c: asks `p0`, and for the taper also `DA`, `Sp`, `ReA`, `ReI`.
void enterMaterialValues(Session& session, ConnectionRecord& r);
/// Key d: lists the kinds of loading and asks `beanArt` 1..5; nothing for taper and clamp.
void enterLoadType(Session& session, ConnectionRecord& r);
/// Key e: asks the geometry of the current `typ`, writing each answer into its field.
void enterGeometry(Session& session, ConnectionRecord& r);

}  // namespace zorpi
