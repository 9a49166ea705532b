#include "forest/codelists/growth_table.h"

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "data/engine/table.h"
#include "forest/codelists/species.h"

namespace tarnik::plan {

GrowthRowKey GrowthRowKeyOf(const std::string& species_code, int vek, int obmyti, int bon_a) {
  GrowthRowKey key;
  key.species = GrowthClassSpecies(GrowthClassOf(species_code));
  key.bon_a = bon_a;
  key.age = 10 * std::min(vek / 10, 12);
  key.rotation = obmyti / 5 < 27 ? 5 * (obmyti / 5) : 130;
  return key;
}

std::optional<GrowthValues> GrowthRowValues(engine::Table* rust_tab, const GrowthRowKey& key) {
  if (rust_tab == nullptr) return std::nullopt;
  GrowthValues values;
  try {
    if (rust_tab->IsEmpty()) return std::nullopt;
    // Setting the index sorts the whole table again: only the first look-up does it.
    static const std::vector<std::string> kIndex = {"DREVINA", "BONITA", "VEK1", "VEK2"};
    if (rust_tab->index_fields() != kIndex)
      rust_tab->SetIndexFieldNames("DREVINA;BONITA;VEK1;VEK2");

    rust_tab->FindNearest({engine::Value(key.species), engine::Value(key.bon_a),
                           engine::Value(key.age), engine::Value(key.age + 5)});
    values.bezny_prir = rust_tab->AsFloat("BEZNPRIR");

    rust_tab->FindNearest({engine::Value(key.species), engine::Value(key.bon_a),
                           engine::Value(std::max(key.age, 40)), engine::Value(key.rotation)});
    if (key.rotation >= 1) {
      values.pmp = static_cast<int>(RoundHalfEven(rust_tab->AsFloat("Z_HR_H") / key.rotation));
      values.cpp = static_cast<int>(RoundHalfEven(rust_tab->AsFloat("CELKPROD") / key.rotation));
    }
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return values;
}

GrowthValues GrowthValuesFrom(const std::optional<GrowthValues>& row_values,
                              const std::string& species_code, bool under_bark) {
  if (!row_values) return GrowthValues{};
  GrowthValues values = *row_values;
  if (under_bark) {
    values.bezny_prir = UnderBarkInt(values.bezny_prir, species_code);
    values.pmp = UnderBarkInt(values.pmp, species_code);
    values.cpp = UnderBarkInt(values.cpp, species_code);
  }
  return values;
}

GrowthValues GrowthValuesOf(engine::Table* rust_tab, const std::string& species_code, int vek,
                            int obmyti, int bon_a, bool under_bark) {
  if (rust_tab == nullptr) return GrowthValues{};
  return GrowthValuesFrom(
      GrowthRowValues(rust_tab, GrowthRowKeyOf(species_code, vek, obmyti, bon_a)), species_code,
      under_bark);
}

}  // namespace tarnik::plan
