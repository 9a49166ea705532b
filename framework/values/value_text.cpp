#include "framework/values/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tarnik::framework {

std::string FloatToScientific(double value) {
  if (std::isnan(value)) return "                    NAN";
  if (std::isinf(value)) return value < 0 ? "                   -INF" : "                    INF";
  char buf[64];
  // "%.14E" gives d.ddddddddddddddE±XX[X]; the exponent is widened to four digits.
  std::snprintf(buf, sizeof buf, "%.14E", std::fabs(value));
  std::string text(buf);
  size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  char sign = text[e + 1];
  int exponent = std::atoi(text.c_str() + e + 2);
  char exp_digits[16];
  std::snprintf(exp_digits, sizeof exp_digits, "%04d", exponent);
  return std::string(std::signbit(value) && value != 0 ? "-" : " ") + mantissa + "E" + sign +
         exp_digits;
}

std::optional<int32_t> TruncToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double t = std::trunc(value);
  if (t < -2147483648.0 || t > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(t);
}

std::optional<int64_t> TruncToInt64(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double t = std::trunc(value);
  // 2^63 is exactly representable; every double below it fits.
  if (t < -9223372036854775808.0 || t >= 9223372036854775808.0) return std::nullopt;
  return static_cast<int64_t>(t);
}

}  // namespace tarnik::framework
