#pragma once

#include <cstdint>
#include <string>

namespace zorpi {

/// Appends `value` to `out` exactly as printf's "%g" writes it, "inf", "-inf", "nan" and
/// "-nan" included.
void appendG(std::string& out, double value);

/// Appends `value` to `out` exactly as printf's "%d" writes it.
void appendD(std::string& out, std::int32_t value);

}  // namespace zorpi
