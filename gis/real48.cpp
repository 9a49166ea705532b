#include "gis/real48.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace tarnik::gis {

double DecodeReal48(const uint8_t* bytes) {
  const int exponent = bytes[0];
  if (exponent == 0) return 0;
  uint64_t fraction = 0;
  for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | bytes[i];
  const uint64_t sign = (fraction >> 39) & 1;
  fraction &= (uint64_t{1} << 39) - 1;
  // Every Real48 is a normal double: the 39-bit fraction becomes the top of the 52-bit one and
  // the exponent (bias 129) is rebiased to 1023, so the value is exact without arithmetic.
  const uint64_t bits = sign << 63 | uint64_t(exponent - 129 + 1023) << 52 | fraction << 13;
  return std::bit_cast<double>(bits);
}

bool EncodeReal48(double value, uint8_t* bytes) {
  std::memset(bytes, 0, kReal48Size);
  if (!std::isfinite(value)) return false;
  if (value == 0) return true;
  int exp2 = 0;
  const double m = std::frexp(std::fabs(value), &exp2);  // |value| = m * 2^exp2, m in [0.5, 1)
  int exponent = exp2 + 128;                             // |value| = (2m) * 2^(exponent - 129)
  uint64_t fraction = static_cast<uint64_t>(std::llround(std::ldexp(2 * m - 1, 39)));
  if (fraction >> 39) {  // rounded up to 2: the next power of two
    fraction = 0;
    ++exponent;
  }
  if (exponent < 1) return true;
  if (exponent > 255) return false;
  if (value < 0) fraction |= uint64_t{1} << 39;
  bytes[0] = static_cast<uint8_t>(exponent);
  for (int i = 1; i <= 5; ++i) {
    bytes[i] = static_cast<uint8_t>(fraction & 0xFF);
    fraction >>= 8;
  }
  return true;
}

}  // namespace tarnik::gis
