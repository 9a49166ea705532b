// The sample unit (or any unit read into the model) written into the LČR server tables by the
// tests: the LČR Oracle tables T_LHC ... T_JP with the code lists C_054, C_MAJ, C_ORG_UR and C_KU
// (read by source kind 9), and the LČR plan tables LHC, POROST ... JINE_POZ (read by kind 5).
// Every column holds the published property its reader writes, as the model answers it; the
// tables are created by the writer. Database failures throw EngineError.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/engine/sql_connection.h"

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::cli::test {

// The code lists of the LČR tables, one row each.
struct LcrCodeRow {
  std::string table;  // "C_054", "C_MAJ", "C_ORG_UR" or "C_KU"
  std::vector<engine::Value> values;
};

// Walks every compartment of the unit (from its first) and writes the Oracle tables of version
// `version` into `db`, with the code-list rows given.
void WriteLcrOracleTables(engine::SqlConnection& db, plan::TLesniCelek& unit, int64_t version,
                          const std::vector<LcrCodeRow>& code_lists);
// The same unit as the LČR plan tables of unit version (code of the unit, `version`).
void WriteLcrPlanTables(engine::SqlConnection& db, plan::TLesniCelek& unit, int64_t version);

}  // namespace tarnik::cli::test
