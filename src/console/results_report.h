#pragma once

#include "console/console.h"
#include "model/connection_record.h"

namespace zorpi {

/// Key g: sets `pzul`, runs the calculation of the current `typ` on the record (storing its
/// results there) and prints them; x at the taper's page break skips the rest of the listing.
void showResults(Session& session, ConnectionRecord& r);

}  // namespace zorpi
