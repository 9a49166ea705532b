// Growth-table values of one species from RustTab (key DREVINA, BONITA, VEK1, VEK2): the current
// increment and the main-felling and total production per year of the rotation. The table is
// borrowed and repositioned. Without a table (or on an error) all values are 0.
#pragma once

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

}  // namespace tarnik::plan
