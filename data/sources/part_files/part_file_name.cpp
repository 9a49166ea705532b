#include "data/sources/part_files/part_file_name.h"

#include <charconv>

namespace tarnik::plan {
namespace {

// An optional sign followed by decimal digits only, fitting 32 bits.
std::optional<int32_t> WholeInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (*begin == '+') ++begin;
  int32_t value = 0;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<PartFileName> ParsePartFileName(const std::string& name) {
  const auto dot = name.find('.');
  if (dot == std::string::npos) return std::nullopt;
  const std::string before = name.substr(0, dot);
  std::string extension = name.substr(dot + 1);
  if (extension.empty()) return std::nullopt;
  extension.pop_back();
  auto unit = WholeInteger(before);
  auto part = WholeInteger(extension);
  if (!unit || !part) return std::nullopt;
  return PartFileName{*unit, *part};
}

}  // namespace tarnik::plan
