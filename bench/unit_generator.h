// Writes a synthetic but plausible forest unit straight into the tables of a planning directory:
// `<out>/DATA/tables.sqlite` (plan tables) and `<out>/PHS/tables.sqlite` (plan-wide tables), both
// created with the engine's table schema. Codes (species, forest types, non-forest kinds, damage
// kinds) are taken from the code-list database given. The unit depends only on the compartment
// count and the seed. Everything is written in one transaction per database; a failure leaves no
// partial unit behind and throws engine::EngineError.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarnik::bench {

struct UnitOptions {
  int compartments = 200;
  uint64_t seed = 1;
  std::string out_dir;       // created when missing; must not yet hold DATA/ or PHS/ tables
  std::string codelist_dir;  // the directory of the code lists' tables.sqlite
};

// Rows written per table name ("ODDELENI", "PS", ..., "PorKtg").
using UnitCounts = std::map<std::string, int64_t>;

// Compartments of a scale: 200 per unit of scale, at least one.
int CompartmentsForScale(double scale);

UnitCounts GenerateUnit(const UnitOptions& options);

}  // namespace tarnik::bench
