#include "forest/codelists/growth_table.h"

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "data/engine/table.h"
#include "forest/codelists/species.h"

namespace tarnik::plan {

GrowthValues GrowthValuesOf(engine::Table* rust_tab, const std::string& species_code, int vek,
                            int obmyti, int bon_a, bool under_bark) {
  GrowthValues values;
  if (rust_tab == nullptr) return values;
  try {
    if (rust_tab->IsEmpty()) return values;
    const std::string species = GrowthClassSpecies(GrowthClassOf(species_code));
    const int age = 10 * std::min(vek / 10, 12);
    const int rotation = obmyti / 5 < 27 ? 5 * (obmyti / 5) : 130;
    // Setting the index sorts the whole table again: only the first look-up does it.
    static const std::vector<std::string> kIndex = {"DREVINA", "BONITA", "VEK1", "VEK2"};
    if (rust_tab->index_fields() != kIndex)
      rust_tab->SetIndexFieldNames("DREVINA;BONITA;VEK1;VEK2");

    rust_tab->FindNearest(
        {engine::Value(species), engine::Value(bon_a), engine::Value(age), engine::Value(age + 5)});
    values.bezny_prir = rust_tab->AsFloat("BEZNPRIR");

    rust_tab->FindNearest({engine::Value(species), engine::Value(bon_a),
                           engine::Value(std::max(age, 40)), engine::Value(rotation)});
    if (rotation >= 1) {
      values.pmp = static_cast<int>(RoundHalfEven(rust_tab->AsFloat("Z_HR_H") / rotation));
      values.cpp = static_cast<int>(RoundHalfEven(rust_tab->AsFloat("CELKPROD") / rotation));
    }
  } catch (const std::exception&) {
    return GrowthValues{};
  }
  if (under_bark) {
    values.bezny_prir = UnderBarkInt(values.bezny_prir, species_code);
    values.pmp = UnderBarkInt(values.pmp, species_code);
    values.cpp = UnderBarkInt(values.cpp, species_code);
  }
  return values;
}

}  // namespace tarnik::plan
