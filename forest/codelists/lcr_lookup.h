// Code-list lookups of a unit read from the LČR Oracle database: forest-manager, owner,
// organisational-level and cadastral-area names from the tables C_054, C_MAJ, C_ORG_UR and C_KU
// of the "LCR_ORAC" connection. The connection is reached through the small LcrCodeSource seam
// (borrowed, never owned). Each lookup answers a column of the first row, or "-" + code + "-"
// when there is no row or the query fails.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/engine/value.h"

namespace tarnik::plan {

class LcrCodeSource {
 public:
  virtual ~LcrCodeSource() = default;
  // Runs a query with bound parameters ("?") and answers `column` of its first row; nullopt
  // when the query yields no row. May throw on failure.
  virtual std::optional<std::string> FirstValue(const std::string& sql,
                                                const std::vector<engine::Value>& params,
                                                const std::string& column) = 0;
};

struct LcrQuery {
  std::string sql;
  std::vector<engine::Value> params;
  std::string column;
};

// The queries (codes bound as integers when they are whole numbers, else as texts).
LcrQuery LcrManagerQuery(const std::string& lhc_id, const std::string& code);
LcrQuery LcrOwnerQuery(const std::string& lhc_id, const std::string& owner_code,
                       const std::string& owner_kind);
LcrQuery LcrOrgLevelQuery(const std::string& lhc_id, const std::string& code, int level);
LcrQuery LcrCadastreQuery(const std::string& code);

std::string LcrManagerName(LcrCodeSource* source, const std::string& lhc_id,
                           const std::string& code);
std::string LcrOwnerName(LcrCodeSource* source, const std::string& lhc_id,
                         const std::string& owner_code, const std::string& owner_kind);
std::string LcrOrgLevelName(LcrCodeSource* source, const std::string& lhc_id,
                            const std::string& code, int level);
std::string LcrCadastreName(LcrCodeSource* source, const std::string& code);

}  // namespace tarnik::plan
