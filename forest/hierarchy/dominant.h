// The dominant site type (SLT) and vegetation zone of a stand or a compartment: over the stand
// groups below the holder, in set order, the value whose groups have the largest summed Plocha
// wins (the earlier value on a tie). At most kMaxDistinctValues distinct values are weighed;
// further ones are ignored. Pure reads of the model.
#pragma once

#include <cstdint>
#include <string>

#include "framework/entity.h"

namespace tarnik::plan {

inline constexpr int kMaxDistinctValues = 100;

// The dominant non-empty SLT; empty when no group has one.
std::string DominantSLT(framework::TEntity& holder);
// The dominant zone: the integer value of the first character of each group's SLT, groups whose
// value is 0 skipped; 0 when none.
int32_t DominantZone(framework::TEntity& holder);

}  // namespace tarnik::plan
