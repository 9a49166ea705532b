#include "forest/hierarchy/key_rules.h"

#include <cmath>

#include <fmt/format.h>

#include "forest/codelists/species.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Number of characters (code points) of a UTF-8 text.
size_t CodePoints(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

// Byte length of the first code point.
size_t FirstCodePointBytes(std::string_view text) {
  size_t i = 1;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return i;
}

}  // namespace

std::string NormalizeShortCode(std::string_view text) {
  const std::string lower = platform::LowerCz(text);
  const std::string t = platform::RemoveBlanks(lower);
  const size_t length = CodePoints(t);
  if (length == 1) return " " + t + " ";
  if (length == 2) {
    const std::string_view second = std::string_view(t).substr(FirstCodePointBytes(t));
    if (second.size() == 1 && IsDigit(second[0])) return t + " ";
    return " " + t;
  }
  return lower;
}

std::string NormalizeGroupDesignation(std::string_view text) {
  std::string pieces_text(text);
  for (char& c : pieces_text) {
    if (c == '\\') c = '/';
  }
  std::string result;
  size_t start = 0;
  while (true) {
    const size_t slash = pieces_text.find('/', start);
    const std::string_view piece =
        std::string_view(pieces_text)
            .substr(start, slash == std::string::npos ? slash : slash - start);
    if (start > 0) result += "/";
    result += NormalizeShortCode(piece);
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return result;
}

std::string NormalizeRegionCode(std::string_view text) {
  const std::string t = platform::RemoveBlanks(text);
  std::string result(text);
  const size_t length = CodePoints(t);
  if (length == 1) {
    result = " " + t;
  } else if (length == 2) {
    const std::string_view second = std::string_view(t).substr(FirstCodePointBytes(t));
    if (!(second.size() == 1 && IsDigit(second[0]))) result = " " + t;
  }
  if (result == "XXX") return result;
  return platform::LowerCz(result);
}

double RoundArea(double x) {
  if (x >= 0) return 0.01 * std::trunc(x / 0.01 + 0.50000001);
  return 0.01 * std::trunc(x / 0.01 - 0.500000001);
}

double RoundAreaEven(double x) { return static_cast<double>(RoundHalfEven(x * 100)) / 100; }

std::string FixedDot(double x, int decimals) {
  if (x == 0) x = 0;  // no "-0.00"
  return fmt::format("{:.{}f}", x, decimals);
}

}  // namespace tarnik::plan
