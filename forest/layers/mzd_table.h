// The built-in table of soil-improving and stabilising species (TabulkaMZD, 88 rows) and its
// three readers: the MZD list expansion per (management set, site type) key, the row that fits a
// site type and a species, and the membership test of a species. The table is constant process
// data; the functions are pure and never throw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::plan {

struct MzdTableRow {
  std::string site_types;  // every site type followed by a comma: "1A,2A,2S9,2B9,2D9,"
  std::string variant;     // "", "BO", "DB" or "BK"
  int32_t mzd = 0;         // minimum share, per cent
  std::string species;     // a comma, then every code followed by a comma: ",BR,"
};

// Rows 1..88 at indices 0..87.
const std::vector<MzdTableRow>& TabulkaMZD();

// One key of the MZD list and one record of its expansion.
struct MzdKey {
  int32_t cislo_hs = 0;
  std::string lt_slt;
};
struct MzdRecord {
  int32_t cislo_hs = 0;
  int32_t mzd = 0;
  std::string dr_zkr;
  std::string lt_slt;
  bool operator==(const MzdRecord&) const = default;
};

// The key of a layer in the MZD list: the management set zero-padded to five digits, then the
// forest type right-padded with blanks to three characters ("00021" + "1A ").
std::string MzdListKey(int32_t cislo_hs, std::string_view lt);

// The records that one key expands to (none when the table holds neither its site type nor its
// first two characters).
std::vector<MzdRecord> RozvinMZDKlic(const MzdKey& key);
// The expansion of a whole list, key after key in list order.
std::vector<MzdRecord> RozvinMZDHospSoub(const std::vector<MzdKey>& keys);

struct MzdFit {
  std::string species;  // the row's species text; empty when none fits
  int32_t mzd = -1;     // -1 when none fits
  int row = 0;          // 1..88, 0 when none fits
};
// The row that fits a site type and a species code.
MzdFit NajdiRadekMZD(std::string_view site_type, std::string_view species_code);
// Whether `species` counts as soil-improving for the site type and species code.
bool JeMZDDrevina(std::string_view species, std::string_view site_type,
                  std::string_view species_code);

}  // namespace tarnik::plan
