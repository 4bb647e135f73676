#pragma once

#include "console/console.h"
#include "model/connection_record.h"

namespace zorpi {

/// Key w: lists the type and the input fields of the current `typ` from the record, with
/// page breaks; x at one returns at once. Reads the record only.
void showCurrentValues(Session& session, const ConnectionRecord& r);

}  // namespace zorpi
