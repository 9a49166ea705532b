// Arithmetic on numbers that come from outside (stored values, file fields), where any value may
// arrive. Sums and differences of a few int32_t values are taken in int64_t, which cannot
// overflow; these helpers bring such a result back into int32_t and convert floating values to
// integers without undefined behaviour: a value beyond the target range sticks at the nearer
// bound, a NaN gives 0. Rounding is to the nearest integer with halves to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarnik::platform {

constexpr int32_t ClampToInt32(int64_t v) {
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}

inline int64_t RoundToInt64(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  // 2^63 is exactly representable; every double below it fits.
  if (r >= 9223372036854775808.0) return std::numeric_limits<int64_t>::max();
  if (r < -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(r);
}

inline int32_t RoundToInt32(double v) { return ClampToInt32(RoundToInt64(v)); }

}  // namespace tarnik::platform
