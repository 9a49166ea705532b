#include "forest/layers/mzd_table.h"

#include <algorithm>

#include "platform/text.h"

namespace tarnik::plan {
namespace {

struct RawRow {
  const char* site_types;  // blank-separated
  const char* variant;
  int32_t mzd;
  const char* species;  // blank-separated
};

constexpr RawRow kRawRows[] = {
    {"0M 0K 0C 0Q 0P 0O", "", 5, "BK DB DBZ JR JD DBC BR"},
    {"1M", "", 15, "DB DBZ BR HB LP LPV JD DBC"},
    {"0N", "", 10, "BK BR DB DBZ JD"},
    {"1L 2L", "", 15, "LP LPV JV KL JL JLV JLH HB BB BRK DB DBZ TP ORC"},
    {"1U", "", 15, "JL JLV JLH LP LPV OL VR OS DB DBZ TP"},
    {"3U", "", 15, "BK JV KL JL JLV JLH LP LPV JD OL DB DBZ JS"},
    {"1N 2N 1C 2C 3N4 4N4 2M9 2K9 3M9 4M9", "", 30, "BK DB DBZ LP LPV HB JD BR"},
    {"1N 2N 1C 2C 3N4 4N4 2M9 2K9 3M9 4M9", "DB", 30, "BK LP LPV HB BR JD DB DBZ"},
    {"1A 2A 2S9 2B9 2D9", "", 30, "BK DB DBZ LP LPV JV KL HB JS JD BRK BB TS"},
    {"1A 2A 2S9 2B9 2D9", "DB", 30, "BK LP LPV JV KL HB JS JL JLV JLH JD BRK BB TS DB DBZ"},
    {"1K 2K 1I 2I 2M 3M 4M 1S0 1S1 1S6 2S6 1S7 2S7 2S0 3K0 3K5 3I5", "", 25,
     "BK DB DBZ LP LPV HB JD BR DG"},
    {"1K 2K 1I 2I 2M 3M 4M 1S0 1S1 1S6 2S6 1S7 2S7 2S0 3K0 3K5 3I5", "DB", 25,
     "BK LP LPV HB JD DB DBZ"},
    {"1H 2H 1B 2B 1D 2D 1W 2W 1V 2V 1O 2O 1S 2S", "", 20,
     "BK LP LPV HB JV KL JS JL JLV JLH JD JDO TR BRK BB DB DBZ"},
    {"1P 2P 1Q 2Q 3Q 4Q 3P 5Q", "", 20, "BK DB DBZ BR JD OS"},
    {"1P 2P 1Q 2Q 3Q 4Q 3P 5Q", "DB", 20, "BK DB DBZ BR JD OS"},
    {"1T9", "", 65, "DB DBZ BR OL"},
    {"1T", "", 75, "DB DBZ BR OL"},
    {"1G", "", 90, "OL VR"},
    {"3L 5L", "", 70, "JV KL OL JS"},
    {"3C 4C 5C", "", 30, "BK DB DBZ LP LPV JD HB JV KL BRK TR"},
    {"3C 4C 5C", "BO", 30, "BK DB DBZ LP LPV JD HB"},
    {"3A3 3A9 4A9 5A9 3W9 3W4 4W4 4W9", "", 30,
     "BK DB DBZ LP LPV JV KL JS JL JLV JLH JD HB BRK TR"},
    {"3W 4W 5W", "", 70, "BK DB DBZ JV KL JS LP LPV JD JL JLV JLH HB BRK TR"},
    {"0T 0G", "", 5, "DB DBZ JD BR OS"},
    {"2T 3T 5T", "", 10, "DB DBZ JD BR OS"},
    {"3R 5R", "", 5, "BR"},
    {"3N 4N 3K9 4K9", "", 30, "BK JD LP LPV DB DBZ DG"},
    {"3N 4N 3K9 4K9", "BO", 30, "BK DB DBZ LP LPV JD"},
    {"3N 4N 3K9 4K9", "BK", 30, "BK DB DBZ JD LP LPV"},
    {"3F 4F 3A 4A 3S9 4S9 3B6 3B9 4B9 3D6 3D9 4D9", "", 30,
     "BK JD JV KL JS JL JLV JLH LP LPV HB DG"},
    {"3F 4F 3A 4A 3S9 4S9 3B6 3B9 4B9 3D6 3D9 4D9", "BK", 30,
     "BK JD JV KL JS JL JLV JLH LP LPV HB"},
    {"3K 4K 3I 4I 5M1 5M2 5M3 5M5 5K5 5K6 5I4", "", 25, "BK DB DBZ LP LPV HB JD DG"},
    {"3K 4K 3I 4I 5M1 5M2 5M3 5M5 5K5 5K6 5I4", "BO", 25, "BK DB DBZ LP LPV HB JD"},
    {"3K 4K 3I 4I 5M1 5M2 5M3 5M5 5K5 5K6 5I4", "BK", 25, "BK DB DBZ LP LPV HB JD"},
    {"3S 4S 3B 4B 3D 4D 3H 4H", "", 25, "BK JD LP LPV JV KL JS JL JLV JLH DB DBZ JDO HB TR"},
    {"3S 4S 3B 4B 3D 4D 3H 4H", "BK", 25, "BK DB DBZ JD LP LPV JV KL JS JL JLV JLH HB TR JDO"},
    {"3S 4S 3B 4B 3D 4D 3H 4H", "DB", 25, "BK LP LPV JD JV KL JS JL JLV JLH HB TR JDO DB DBZ"},
    {"3V 4V 3O", "", 25, "BK JD DB DBZ LP LPV JV KL JS JL JLV JLH JDO HB"},
    {"3V 4V 3O", "DB", 25, "BK LP LPV HB JV KL JS JL JLV JLH JD DB DBZ"},
    {"3V 4V 3O", "BK", 25, "BK DB DBZ JD LP LPV JV KL JS JL JLV JLH HB"},
    {"4O 4P", "", 25, "BK JD DB DBZ LP LPV OS JDO"},
    {"4O 4P", "BO", 25, "BK DB DBZ JD LP LPV BR OS"},
    {"4O 4P", "DB", 25, "BK JD LP LPV"},
    {"5N 6N 5M9 5K9 6K9", "", 30, "BK JD JV KL LP LPV DG"},
    {"5N 6N 5M9 5K9 6K9", "BK", 30, "BK JD JV KL LP LPV DG"},
    {"5S9 6S9 5B9 6B9 6B6 5D9 5F 6F 5A 6A", "", 30, "BK JD JV KL JS JL JLV JLH LP LPV DG"},
    {"5S9 6S9 5B9 6B9 6B6 5D9 5F 6F 5A 6A", "BK", 30, "BK JD JV KL JS JL JLV JLH LP LPV"},
    {"5U", "", 30, "BK JL JLV JLH LP LPV JD JV KL JS"},
    {"5K 6K 5I 6I 6M", "", 25, "BK JD LP LPV DG"},
    {"5S 6S 5B 6B 5D 6D 5H 6H", "", 25, "BK JD JV KL JL JLV JLH LP LPV JS JDO TR"},
    {"5S 6S 5B 6B 5D 6D 5H 6H", "BK", 25, "BK JD JV KL JL JLV JLH LP LPV JS JDO"},
    {"5V 6V", "", 25, "BK JD JV KL JL JLV JLH LP LPV JS JDO"},
    {"5O 6O 5P 6P 6Q", "", 25, "BK JD JDO BR OS"},
    {"2G 3G 4G 3V9 3V8 4V9 4V8", "", 20, "BK JD DB DBZ JV KL LP LPV OL OS"},
    {"2G 3G 4G 3V9 3V8 4V9 4V8", "DB", 20, "BK JD JV KL LP LPV DB DBZ"},
    {"5G 6G", "", 15, "BK JD JV KL OL OS"},
    {"5V9 6V9 5V7 6V7 6V8", "", 20, "BK JD JV KL OL OS"},
    {"0G9 0G8", "", 5, "JD DB DBZ BR OL OS"},
    {"4R", "", 5, "BR JD"},
    {"7M9 7K9 7S9 7N 7F 7A", "", 15, "BK JD JV KL JR"},
    {"7M 7K", "", 15, "BK JD JR"},
    {"7S 7B", "", 15, "BK JD JR JV KL"},
    {"7V 7O 7P 7Q", "", 10, "BK JD JR JV KL BR"},
    {"8V 8O 8P", "", 5, "JD JR"},
    {"6T 7T 7G 7V9 8V9", "", 5, "JD JR"},
    {"8Q 8T 8G 7R 6R", "", 5, "BR JD JR"},
    {"0X", "", 10, "BK DB DBZ HB LP LPV DBP BRK MK BB"},
    {"0Z", "", 5, "BK BR DB DBZ JD"},
    {"0Y", "", 5, "BK BR DB DBZ JD"},
    {"1X", "", 90, "DB DBZ DBP HB LP LPV BB BRK MK BR JV KL JS JL JLV JLH"},
    {"2X", "", 90, "BK DB DBZ HB LP LPV JV KL JS JL JLV JLH BRK MK BB TS"},
    {"3X 4X", "", 80, "BK DB DBZ LP LPV HB JV KL JS JL JLV JLH JD BRK MK BB TS"},
    {"1Z", "", 70, "DB DBZ HB LP LPV BR BRK MK"},
    {"2Z 2Y", "", 60, "BK DB DBZ LP LPV BR HP"},
    {"3Z 4Z 3Y 4Y", "", 30, "BK DB DBZ JD BR"},
    {"5Z 6Z 5Y 6Y", "", 30, "BK JD BR JR JV KL"},
    {"7Y 7Z", "", 10, "BK JD BR JR"},
    {"8Y", "", 5, "BR JR"},
    {"1J", "", 95, "DB DBZ JV KL HB LP LPV JL JLV JLH BRK MK BB TS TR JS"},
    {"3J", "", 90, "BK JV KL LP LPV DB DBZ HB JS JL JLV JLH BRK MK TS JD"},
    {"5J", "", 60, "BK JV KL JD JL JLV JLH LP LPV JS"},
    {"6L", "", 70, "BK OLS JV KL JS OL JD"},
    {"0R", "", 5, "BRP BL"},
    {"0R5 0R6", "", 1, "BRP KOS"},
    {"8R", "", 1, "BRP KOS JR"},
    {"9R", "", 0, "BRP JR"},
    {"8Z 8N 8F 8A 8M 8K 8S", "", 0, "BK JR BR JV KL"},
    {"9K 9Z 9Y", "", 0, "JR"},
};

// Every blank-separated item followed by a comma.
std::string CommaList(const char* items) {
  std::string result;
  for (const std::string& item : platform::Split(items, ' '))
    if (!item.empty()) result += item + ",";
  return result;
}

// "a contains b": b occurs in a; an empty b is contained in nothing.
bool Contains(std::string_view a, std::string_view b) {
  return !b.empty() && a.find(b) != std::string_view::npos;
}

// The last row (1-based) whose site-type text contains the text; 0 when none.
int LastRowContaining(const std::string& text) {
  const auto& rows = TabulkaMZD();
  int found = 0;
  for (size_t i = 0; i < rows.size(); ++i)
    if (Contains(rows[i].site_types, text)) found = static_cast<int>(i) + 1;
  return found;
}

std::string VariantOfSet(int32_t cislo_hs) {
  int digit = cislo_hs % 10;
  if (digit < 0) digit = -digit;
  switch (digit) {
    case 3:
      return "BO";
    case 5:
      return "DB";
    case 6:
      return "BK";
    default:
      return "";
  }
}

int VariantRow(int site_row, const std::string& variant) {
  const auto& rows = TabulkaMZD();
  const std::string& site_text = rows[static_cast<size_t>(site_row - 1)].site_types;
  const int count = static_cast<int>(rows.size());
  int found = 0;
  for (int r = std::max(1, site_row - 8); r <= std::min(count, site_row + 8); ++r) {
    const MzdTableRow& row = rows[static_cast<size_t>(r - 1)];
    if (row.site_types == site_text && row.variant == variant) found = r;
  }
  return found;
}

}  // namespace

const std::vector<MzdTableRow>& TabulkaMZD() {
  static const std::vector<MzdTableRow> rows = [] {
    std::vector<MzdTableRow> built;
    for (const RawRow& raw : kRawRows)
      built.push_back(
          {CommaList(raw.site_types), raw.variant, raw.mzd, "," + CommaList(raw.species)});
    return built;
  }();
  return rows;
}

std::string MzdListKey(int32_t cislo_hs, std::string_view lt) {
  std::string number = std::to_string(cislo_hs);
  if (number.size() < 5) number.insert(0, 5 - number.size(), '0');
  std::string type(lt);
  if (type.size() < 3) type.append(3 - type.size(), ' ');
  return number + type;
}

std::vector<MzdRecord> RozvinMZDKlic(const MzdKey& key) {
  std::vector<MzdRecord> records;
  std::string written = key.lt_slt;
  int site_row = LastRowContaining(key.lt_slt + ",");
  if (site_row == 0) {
    written = key.lt_slt.substr(0, std::min<size_t>(2, key.lt_slt.size()));
    site_row = LastRowContaining(written + ",");
  }
  if (site_row == 0) return records;
  const std::string variant = VariantOfSet(key.cislo_hs);
  int row = VariantRow(site_row, variant);
  if (row == 0 && !variant.empty()) row = VariantRow(site_row, "");
  if (row == 0) return records;  // every group has a row without variant; kept for safety
  const MzdTableRow& chosen = TabulkaMZD()[static_cast<size_t>(row - 1)];
  std::string rest = chosen.species.substr(1);
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    const std::string piece = rest.substr(0, comma);
    rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
    records.push_back({key.cislo_hs, chosen.mzd, piece, written});
  }
  return records;
}

std::vector<MzdRecord> RozvinMZDHospSoub(const std::vector<MzdKey>& keys) {
  std::vector<MzdRecord> records;
  for (const MzdKey& key : keys) {
    std::vector<MzdRecord> more = RozvinMZDKlic(key);
    records.insert(records.end(), more.begin(), more.end());
  }
  return records;
}

MzdFit NajdiRadekMZD(std::string_view site_type, std::string_view species_code) {
  const std::string t = platform::Trim(site_type);
  const std::string k = t.size() == 3 ? t.substr(0, 2) + "," : std::string("xx");
  const auto& rows = TabulkaMZD();
  int a = 0, b = 0, c = 0, d = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const MzdTableRow& row = rows[i];
    const int n = static_cast<int>(i) + 1;
    const bool has_p = Contains(row.variant, species_code);
    const bool plain = platform::Trim(row.variant).empty();
    if (Contains(row.site_types, t)) {
      if (has_p)
        a = n;
      else if (plain)
        c = n;
    }
    if (Contains(row.site_types, k)) {
      if (has_p)
        b = n;
      else if (plain)
        d = n;
    }
  }
  for (int n : {a, c, b, d}) {
    if (n == 0) continue;
    const MzdTableRow& row = rows[static_cast<size_t>(n - 1)];
    return {row.species, row.mzd, n};
  }
  return {};
}

bool JeMZDDrevina(std::string_view species, std::string_view site_type,
                  std::string_view species_code) {
  const std::string text = NajdiRadekMZD(site_type, species_code).species;
  return Contains(text, "," + platform::UpperCz(platform::Trim(species)) + ",");
}

}  // namespace tarnik::plan
