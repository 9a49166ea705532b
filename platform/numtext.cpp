#include "platform/numtext.h"

#include <fmt/format.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "platform/text.h"

namespace tarnik::platform {
namespace {

char g_separator = ',';

// "%.15g" turned into the Windows general form: "E" and the exponent without "+" or leading
// zeros ("1E20", "1,5E-7").
std::string GeneralText(double value, char separator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  std::string s = fmt::format("{:.15g}", value);
  if (s == "-0") s = "0";
  size_t e = s.find('e');
  if (e != std::string::npos) {
    std::string mantissa = s.substr(0, e);
    std::string exp = s.substr(e + 1);
    bool negative = !exp.empty() && exp[0] == '-';
    size_t k = (!exp.empty() && (exp[0] == '-' || exp[0] == '+')) ? 1 : 0;
    while (k + 1 < exp.size() && exp[k] == '0') ++k;
    s = mantissa + "E" + (negative ? "-" : "") + exp.substr(k);
  }
  if (separator != '.') {
    for (char& c : s) {
      if (c == '.') c = separator;
    }
  }
  return s;
}

// Parses a whole number text with the given separator; blanks around allowed.
std::optional<double> ParseFloat(std::string_view text, char separator) {
  std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  // Only digits, one separator, sign and exponent are allowed; the other separator is not.
  std::string normal;
  normal.reserve(t.size());
  for (char c : t) {
    if (c == separator) {
      normal.push_back('.');
    } else if (c == '.' || c == ',') {
      return std::nullopt;
    } else if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E') {
      normal.push_back(c);
    } else {
      return std::nullopt;
    }
  }
  const char* begin = normal.c_str();
  if (*begin == '+') ++begin;
  double value = 0;
  auto [ptr, ec] = std::from_chars(begin, normal.c_str() + normal.size(), value);
  if (ec != std::errc() || ptr != normal.c_str() + normal.size()) return std::nullopt;
  return value;
}

}  // namespace

char DecimalSeparator() { return g_separator; }
void SetDecimalSeparator(char separator) { g_separator = separator; }

std::string FloatToText(double value) { return GeneralText(value, g_separator); }
std::string FloatToTextDot(double value) { return GeneralText(value, '.'); }

std::string FloatToFixedDot(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 15) decimals = 15;
  double scale = std::pow(10.0, decimals);
  double scaled = value * scale;
  // Round half away from zero on the decimal value, with a tolerance for binary representation.
  double r = std::floor(std::fabs(scaled) + 0.5 + 1e-9);
  if (r < 1e15) {
    // The rounded value is a whole number of units of the last place, far inside a double's
    // precision: its digits with the point put in are what fixed formatting of r / scale gives.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(r)).ptr;
    const size_t count = static_cast<size_t>(end - digits);
    const size_t places = static_cast<size_t>(decimals);
    std::string s;
    s.reserve(count + places + 3);
    if (value < 0 && r != 0) s.push_back('-');
    if (count <= places) {
      s.push_back('0');
      if (places > 0) s.push_back('.');
      s.append(places - count, '0');
      s.append(digits, count);
    } else {
      s.append(digits, count - places);
      if (places > 0) {
        s.push_back('.');
        s.append(digits + (count - places), places);
      }
    }
    return s;
  }
  if (value < 0) r = -r;
  std::string s = fmt::format("{:.{}f}", r / scale, decimals);
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::optional<int64_t> TextToInt64(std::string_view text) {
  std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (t[i] == '+' || t[i] == '-') negative = t[i++] == '-';
  int base = 10;
  if (i < t.size() && t[i] == '$') {
    base = 16, ++i;
  } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    base = 16, i += 2;
  }
  if (i >= t.size()) return std::nullopt;
  uint64_t value = 0;
  auto [ptr, ec] = std::from_chars(t.data() + i, t.data() + t.size(), value, base);
  if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
  if (negative) {
    if (value > uint64_t{1} << 63) return std::nullopt;
    return static_cast<int64_t>(0 - value);
  }
  if (value > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
  return static_cast<int64_t>(value);
}

std::optional<int32_t> TextToInt(std::string_view text) {
  auto v = TextToInt64(text);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(*v);
}

std::optional<double> TextToFloat(std::string_view text) {
  if (auto v = ParseFloat(text, '.')) return v;
  return ParseFloat(text, ',');
}

std::optional<double> TextToFloatDot(std::string_view text) { return ParseFloat(text, '.'); }

double DecimalTextToFloat(std::string_view text) {
  if (auto v = ParseFloat(text, g_separator)) return *v;
  std::string swapped(text);
  size_t p = swapped.find_first_of(".,");
  if (p != std::string::npos) {
    swapped[p] = swapped[p] == '.' ? ',' : '.';
    if (auto v = ParseFloat(swapped, g_separator)) return *v;
  }
  return 0;
}

bool IsValidDate(const Date& d) {
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  int days = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
  return d.day <= days;
}

std::string DateToText(const Date& d) { return fmt::format("{}.{}.{}", d.day, d.month, d.year); }

std::optional<Date> TextToDate(std::string_view text) {
  std::vector<std::string> parts = Split(Trim(text), '.');
  if (parts.size() != 3) return std::nullopt;
  int v[3];
  for (int k = 0; k < 3; ++k) {
    std::string p = Trim(parts[k]);
    if (p.empty() || p.size() > 4 || p.find_first_not_of("0123456789") != std::string::npos) {
      return std::nullopt;
    }
    v[k] = std::atoi(p.c_str());
  }
  Date d{v[0], v[1], v[2]};
  if (Trim(parts[2]).size() <= 2) d.year += d.year < 50 ? 2000 : 1900;
  if (!IsValidDate(d)) return std::nullopt;
  return d;
}

}  // namespace tarnik::platform
