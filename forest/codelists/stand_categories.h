// Categories, special statuses and remarks of one stand from the per-stand category table
// (KATEGPOR of the plan-wide database, index ODD;DIL;POR;ID). The rows of the stand apply; when it
// has none, those of its sub-compartment, then of its compartment, then the unit defaults (ODD
// "0" with empty DIL and POR). The table is borrowed; its index and range are changed and the
// range is cancelled afterwards. Failures answer no rows.
#pragma once

#include <string>
#include <vector>

namespace tarnik::engine {
class Table;
}

namespace tarnik::plan {

struct StandCategoryRow {
  std::string kategorie;    // column Kategorie
  std::string org_uroven2;  // column Org_Uroven2
  std::string poznamka;     // column Poznamka ("" when the table has none)
};

struct StandCategoryRows {
  std::vector<StandCategoryRow> rows;
  bool has_remarks_column = false;
};

StandCategoryRows StandCategoryRowsOf(engine::Table* table, const std::string& odd,
                                      const std::string& dil, const std::string& por);

// "32a/10" from the rows: categories without blanks, empty and "0" left out, each value once;
// "10" when nothing remains.
std::string CategoriesIncludingOverlay(const StandCategoryRows& rows);
// Special statuses as stored, empty and "0" (after blank removal) left out, each value once.
std::string SpecialStatusesIncludingOverlay(const StandCategoryRows& rows);
// The remarks concatenated, each closed by ";" unless it ends with one.
std::string RemarksOfStand(const StandCategoryRows& rows);

}  // namespace tarnik::plan
