#include "forest/codelists/stand_categories.h"

#include <algorithm>
#include <exception>

#include "data/engine/table.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using engine::Value;

// Sets a range on ODD;DIL;POR;ID and answers whether it holds rows.
bool RangeHasRows(engine::Table& table, const std::vector<Value>& low,
                  const std::vector<Value>& high) {
  table.SetRange(low, high);
  return !table.IsEmpty();
}

bool StandRange(engine::Table& table, const std::string& odd, const std::string& dil,
                const std::string& por) {
  return RangeHasRows(table, {Value(odd), Value(dil), Value(por), Value(-1)},
                      {Value(odd), Value(dil), Value(por), Value(99999)});
}

// Joins distinct values with "/", comparing them by `key` and keeping the first occurrence.
std::string JoinDistinct(const std::vector<std::string>& values,
                         const std::vector<std::string>& keys) {
  std::vector<std::string> seen;
  std::vector<std::string> kept;
  for (size_t i = 0; i < values.size(); ++i) {
    if (std::find(seen.begin(), seen.end(), keys[i]) != seen.end()) continue;
    seen.push_back(keys[i]);
    kept.push_back(values[i]);
  }
  return platform::Join(kept, "/");
}

}  // namespace

StandCategoryRows StandCategoryRowsOf(engine::Table* table, const std::string& odd,
                                      const std::string& dil, const std::string& por) {
  StandCategoryRows result;
  if (table == nullptr) return result;
  try {
    table->SetIndexFieldNames("ODD;DIL;POR;ID");
    bool found = false;
    bool compartment_has_rows = RangeHasRows(*table, {Value(odd), Value(""), Value(""), Value(-1)},
                                             {Value(odd), Value("Z"), Value("z"), Value(99999)});
    if (compartment_has_rows) {
      found = StandRange(*table, odd, dil, por) || StandRange(*table, odd, dil, "") ||
              StandRange(*table, odd, "", "");
    }
    if (!found) StandRange(*table, "0", "", "");
    result.has_remarks_column = table->HasField("Poznamka");
    const bool has_status = table->HasField("Org_Uroven2");
    for (table->First(); !table->Eof(); table->Next()) {
      StandCategoryRow row;
      row.kategorie = table->AsString("Kategorie");
      if (has_status) row.org_uroven2 = table->AsString("Org_Uroven2");
      if (result.has_remarks_column) row.poznamka = table->AsString("Poznamka");
      result.rows.push_back(std::move(row));
    }
  } catch (const std::exception&) {
    result.rows.clear();
  }
  try {
    table->CancelRange();
  } catch (const std::exception&) {
  }
  return result;
}

std::string CategoriesIncludingOverlay(const StandCategoryRows& rows) {
  std::vector<std::string> values;
  for (const auto& row : rows.rows) {
    std::string value = platform::RemoveBlanks(row.kategorie);
    if (value.empty() || value == "0") continue;
    values.push_back(value);
  }
  std::string joined = JoinDistinct(values, values);
  return joined.empty() ? "10" : joined;
}

std::string SpecialStatusesIncludingOverlay(const StandCategoryRows& rows) {
  std::vector<std::string> values;
  std::vector<std::string> keys;
  for (const auto& row : rows.rows) {
    std::string key = platform::RemoveBlanks(row.org_uroven2);
    if (key.empty() || key == "0") continue;
    values.push_back(row.org_uroven2);
    keys.push_back(key);
  }
  std::string joined = JoinDistinct(values, keys);
  if (platform::RemoveBlanks(joined) == "0") return "";
  return joined;
}

std::string RemarksOfStand(const StandCategoryRows& rows) {
  if (!rows.has_remarks_column) return "";
  std::string text;
  for (const auto& row : rows.rows) {
    text += row.poznamka;
    if (row.poznamka.empty() || row.poznamka.back() != ';') text += ';';
  }
  return text;
}

}  // namespace tarnik::plan
