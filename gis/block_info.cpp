#include "gis/block_info.h"

#include <exception>

#include "gis/record_file.h"
#include "platform/fs.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::gis {
namespace {

bool IsNumberChar(char c) { return c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9'); }

}  // namespace

BlockInfoValues ReadBlockInfoValues(const std::string& block_directory) {
  BlockInfoValues values;
  const auto path = platform::FindInDirectory(block_directory, kInfoFileName);
  if (!path) return values;
  try {
    auto file = TextLineFile::Open(*path);
    if (!file) return values;
    while (auto line = file->NextLine()) {
      const size_t eq = line->find('=');
      if (eq == std::string::npos) continue;
      const std::string name = platform::UpperAscii(platform::Trim(line->substr(0, eq)));
      std::string value = line->substr(eq + 1);
      if (name == "CODEPAGE" && !values.code_page) values.code_page = value;
      if (name == "OPSANYOBDELNIKBLOKU" && !values.rectangle) values.rectangle = value;
    }
  } catch (const std::exception&) {
    return {};
  }
  return values;
}

TCodePage CodePageFromInfoValue(const std::optional<std::string>& value) {
  if (!value) return cpIBM;
  const std::string v = platform::Trim(*value);
  if (v == "1" || v == "867") return cpKamenickych;
  if (v == "2" || v == "852") return cpLatin2;
  if (v == "1250") return cpWindows;
  return cpIBM;
}

std::optional<spatial::Bounds> RectangleFromInfoValue(const std::optional<std::string>& value) {
  if (!value) return std::nullopt;
  double n[4] = {0, 0, 0, 0};
  const std::string& text = *value;
  size_t pos = 0;
  for (double& number : n) {
    while (pos < text.size() && !IsNumberChar(text[pos])) ++pos;
    const size_t start = pos;
    while (pos < text.size() && IsNumberChar(text[pos])) ++pos;
    if (start == pos) break;
    const auto parsed = platform::TextToFloatDot(std::string_view(text).substr(start, pos - start));
    if (!parsed) break;
    number = *parsed;
  }
  if (n[0] == 0 && n[2] == 0) return std::nullopt;
  spatial::Bounds b;
  b.min_x = -n[2];
  b.max_x = -n[0];
  b.min_y = -n[3];
  b.max_y = -n[1];
  return b;
}

}  // namespace tarnik::gis
