// Derived values of a tree species that the entry forms and printed reports read: growth-table
// values (current increment, mean main-felling and total production) in the table's form and
// scaled by the layer's stocking and the species' share, the tabular volume and the values
// computed from it, the thinning and felling volumes recomputed from the thinning rules of the
// unit and from the regeneration percentage, a few checks and factors, and the damage texts.
// The tabular volume is the species' ZAS_TAB_HA; the merchantable mean stem volume is the stem
// volume function (with bark, unrounded). Volumes are read with bark. Never throws.
#pragma once

#include <vector>

#include "framework/class_info.h"

namespace tarnik::plan {

class TDrevina;

// The thinning percentage of the unit's thinning rules (the first rule of the species'
// abbreviation) for the layer's age: ProcTV1 for ages 6 to 10, ProcTV2 for 11 to 15, ...,
// ProcTV19 for 96 to 100; 0 outside them or without a rule.
int32_t ProcentoTVDlePravidel(TDrevina& species);

// The published properties (list in the .cpp).
void DefineSpeciesValueProperties(std::vector<framework::TPropInfo>& out);

}  // namespace tarnik::plan
