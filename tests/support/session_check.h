#pragma once

#include <string>
#include <string_view>

#include "model/connection_record.h"

namespace zorpi::testing {

/// Runs the whole dialogue on `script` as standard input with no terminal, and checks what
/// must hold for any input: the run ends, the selectors are in their ranges whenever the menu
/// is shown, and the screen is plain ASCII. Returns what went wrong, or "" when all held.
std::string checkSession(std::string_view script);
/// As above, on `record` as it stands, which is left as the session left it.
std::string checkSession(std::string_view script, ConnectionRecord& record);

}  // namespace zorpi::testing
