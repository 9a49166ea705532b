#include "framework/int_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/numtext.h"

namespace tarnik::framework {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

TIntPrefix ScanInteger(std::string_view text) {
  TIntPrefix result;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  }
  // Hexadecimal reads as an unsigned 32-bit pattern ("$FFFFFFFF" is -1); decimal must fit int32.
  int64_t value = 0;
  const int64_t limit = hex ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
  bool stopped = false;
  for (; i < text.size(); ++i) {
    int digit = hex ? HexDigit(text[i])
                    : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
    if (digit < 0) {
      stopped = true;
      break;
    }
    int64_t next = value * (hex ? 16 : 10) + digit;
    if (next > limit) {
      stopped = true;
      break;
    }
    value = next;
    result.any_digit = true;
  }
  if (hex) {
    int32_t bits = static_cast<int32_t>(static_cast<uint32_t>(value));
    result.value = negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
  } else {
    result.value = static_cast<int32_t>(negative ? -value : value);
  }
  size_t rest = i;
  while (rest < text.size() && IsBlank(text[rest])) ++rest;
  result.complete = result.any_digit && (!stopped || rest == text.size());
  return result;
}

int32_t ReadIntegerPrefix(std::string_view text) { return ScanInteger(text).value; }

std::optional<int32_t> WholeTextToInteger(std::string_view text) {
  TIntPrefix scan = ScanInteger(text);
  if (!scan.complete) return std::nullopt;
  return scan.value;
}

std::optional<double> ParseFloatWithSeparator(std::string_view text, char separator) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  if (b == e) return std::nullopt;
  std::string buf;
  bool seen_digit = false, seen_point = false, seen_exp = false;
  for (size_t i = b; i < e; ++i) {
    char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      seen_digit = true;
      buf += c;
    } else if (c == separator && !seen_point && !seen_exp) {
      seen_point = true;
      buf += '.';
    } else if ((c == '+' || c == '-') && (i == b || (seen_exp && (buf.back() == 'E')))) {
      buf += c;
    } else if ((c == 'e' || c == 'E') && seen_digit && !seen_exp) {
      seen_exp = true;
      buf += 'E';
    } else {
      return std::nullopt;
    }
  }
  if (!seen_digit || buf.back() == 'E' || buf.back() == '+' || buf.back() == '-') {
    return std::nullopt;
  }
  char* end = nullptr;
  double v = std::strtod(buf.c_str(), &end);
  if (end != buf.c_str() + buf.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<double> ReadDecimalText(std::string_view text) {
  char separator = platform::DecimalSeparator();
  if (auto v = ParseFloatWithSeparator(text, separator)) return v;
  std::string swapped(text);
  size_t pos = swapped.find_first_of(".,");
  if (pos == std::string::npos) return std::nullopt;
  swapped[pos] = swapped[pos] == '.' ? ',' : '.';
  return ParseFloatWithSeparator(swapped, separator);
}

}  // namespace tarnik::framework
