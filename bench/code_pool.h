// The codes a synthetic unit draws from, read once from the code-list database: every pool is the
// sample unit's choice of codes (with its weights) kept only where the code list holds the code,
// or the code list's own first codes when none of them is listed. Pools are never empty.
#pragma once

#include <string>
#include <vector>

namespace tarnik::bench {

struct WeightedCodes {
  std::vector<std::string> codes;
  std::vector<int> weights;
};

struct CodePools {
  WeightedCodes species;              // CIS_DREV.CKOD
  WeightedCodes forest_types;         // CIS_LT.Kod
  WeightedCodes non_forest;           // CIS_BEZL.Kod
  std::vector<int64_t> damage_kinds;  // CISPOSK1.Kod
};

// Throws engine::EngineError when the directory holds no code lists or a pool table is missing.
CodePools LoadCodePools(const std::string& codelist_dir);

}  // namespace tarnik::bench
