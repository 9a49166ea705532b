// The number texts and truncations of the typed value conversions. Pure functions, never throw.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarnik::framework {

// Scientific form of width 23: a blank or "-", one digit, ".", 14 digits, "E", the exponent's
// sign and four exponent digits (1.5 gives " 1.50000000000000E+0000").
std::string FloatToScientific(double value);
// The value with its fractional part cut off towards zero; nullopt when that does not fit.
std::optional<int32_t> TruncToInt32(double value);
std::optional<int64_t> TruncToInt64(double value);

}  // namespace tarnik::framework
