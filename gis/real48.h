// The 6-byte real number of the map files (Real48): byte 0 the biased exponent e, bytes 1 to 5
// the 39-bit fraction f (byte 1 least significant) with the sign in the top bit of byte 5; the
// value is 0 when e = 0, otherwise (-1)^sign * (1 + f / 2^39) * 2^(e - 129). Every byte pattern
// decodes to a finite number. Pure functions.
#pragma once

#include <cstdint>

namespace tarnik::gis {

inline constexpr int kReal48Size = 6;

double DecodeReal48(const uint8_t* bytes);
// Writes the nearest Real48 (rounding the fraction half away from zero). False, with the six
// bytes zero, for values that are not finite or whose magnitude is beyond what the format holds;
// values too small for it are written as 0 (true).
bool EncodeReal48(double value, uint8_t* bytes);

}  // namespace tarnik::gis
