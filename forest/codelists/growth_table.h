// Growth-table values of one species from RustTab (key DREVINA, BONITA, VEK1, VEK2): the current
// increment and the main-felling and total production per year of the rotation. The table is
// borrowed and repositioned. Without a table (or on an error) all values are 0.
#pragma once

#include <optional>
#include <string>

namespace tarnik::engine {
class Table;
}

namespace tarnik::plan {

struct GrowthValues {
  double bezny_prir = 0;  // BeznyPrirTab, as the table holds it (whole m³ under bark)
  int pmp = 0;            // PMPTab
  int cpp = 0;            // CPPTab
};

// `vek` and `obmyti` of the layer, `bon_a` of the species; `under_bark` converts each value by
// the species' bark factor.
GrowthValues GrowthValuesOf(engine::Table* rust_tab, const std::string& species_code, int vek,
                            int obmyti, int bon_a, bool under_bark);

// What the table is searched by: the species of the growth class, the site class, the age class
// (whole decades, at most 120) and the rotation (whole five years, 130 from 135 on). Species of
// one class and layers of one age class and rotation share their rows.
struct GrowthRowKey {
  std::string species;
  int bon_a = 0;
  int age = 0;
  int rotation = 0;
};
GrowthRowKey GrowthRowKeyOf(const std::string& species_code, int vek, int obmyti, int bon_a);
// The values of the rows of a key as the table holds them (over bark); nullopt without a table,
// with an empty one or on an error, where GrowthValuesOf answers all zeros.
std::optional<GrowthValues> GrowthRowValues(engine::Table* rust_tab, const GrowthRowKey& key);
// GrowthValuesOf from the row values of the species' key.
GrowthValues GrowthValuesFrom(const std::optional<GrowthValues>& row_values,
                              const std::string& species_code, bool under_bark);

}  // namespace tarnik::plan
