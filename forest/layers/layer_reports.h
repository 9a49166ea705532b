// Texts and values of a stand layer for printed reports and entry checks: urgencies of the
// planned interventions, the planned intervention, the afforestation and species descriptions,
// the soil-improving species of the layer's site, names without codes, and the values taken
// from the unit's management-set list and thinning rules. Read-only; never throw.
#pragma once

#include <vector>

#include "framework/class_info.h"

namespace tarnik::plan {

// The published properties of TEtaz listed in the .cpp.
void DefineLayerReportProperties(std::vector<framework::TPropInfo>& out);

}  // namespace tarnik::plan
