// The plan-wide (PHS) rows of a synthetic unit: management sets, owners, forest managers,
// organisational levels, cadastral areas, and per stand its main category and special statuses.
// Rows go into the caller's transaction on the borrowed connection.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "bench/unit_generator.h"

struct sqlite3;

namespace tarnik::bench {

// One stand as the PHS tables name it.
struct PhsStand {
  int64_t compartment;
  std::string sub_compartment;
  std::string stand;
  std::string category;       // "10", "21a", ...
  std::vector<int> statuses;  // special statuses (17, 18, 26)
};

// The cadastral areas the unit's plots lie in.
inline const std::vector<int64_t> kCadastres = {752061, 675814, 660957, 746401};

void WritePhsTables(sqlite3* phs, const std::set<int>& management_sets,
                    const std::vector<PhsStand>& stands, UnitCounts& counts);

}  // namespace tarnik::bench
