#include "bench/code_pool.h"

#include <algorithm>
#include <utility>

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/local_sql.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::bench {
namespace {

std::vector<std::string> ListedCodes(engine::Database& db, const std::string& table,
                                     const std::string& column) {
  engine::Query q(db);
  q.SetSql("SELECT {} FROM {} ORDER BY rowid", {column, table});
  q.Open();
  std::vector<std::string> codes;
  for (; !q.Eof(); q.Next()) {
    std::string code = platform::Trim(q.AsString(column));
    if (!code.empty()) codes.push_back(code);
  }
  if (codes.empty()) throw engine::EngineError("Číselník " + table + " je prázdný");
  return codes;
}

WeightedCodes Pick(const std::vector<std::pair<const char*, int>>& preferred,
                   const std::vector<std::string>& listed, size_t fallback_count) {
  WeightedCodes pool;
  for (const auto& [code, weight] : preferred) {
    if (std::find(listed.begin(), listed.end(), code) != listed.end()) {
      pool.codes.push_back(code);
      pool.weights.push_back(weight);
    }
  }
  if (pool.codes.empty()) {
    for (size_t i = 0; i < listed.size() && i < fallback_count; ++i) {
      pool.codes.push_back(listed[i]);
      pool.weights.push_back(1);
    }
  }
  return pool;
}

}  // namespace

CodePools LoadCodePools(const std::string& codelist_dir) {
  engine::Database db = engine::Database::Open(codelist_dir, engine::OpenMode::kReadOnly);
  CodePools pools;
  pools.species = Pick({{"SM", 45},
                        {"BK", 18},
                        {"JD", 8},
                        {"MD", 7},
                        {"BO", 6},
                        {"KL", 4},
                        {"JR", 3},
                        {"BR", 3},
                        {"DB", 3},
                        {"JS", 2},
                        {"OL", 1}},
                       ListedCodes(db, "CIS_DREV", "CKOD"), 10);
  pools.forest_types = Pick({{"6K1", 25},
                             {"6K2", 10},
                             {"6S1", 20},
                             {"6S2", 6},
                             {"5S1", 15},
                             {"5K1", 10},
                             {"5O1", 5},
                             {"6O1", 4},
                             {"6G1", 3},
                             {"5B1", 2}},
                            ListedCodes(db, "CIS_LT", "Kod"), 10);
  pools.non_forest = Pick({{"C", 40}, {"L", 20}, {"P", 10}, {"S", 10}, {"ZP", 10}, {"E", 10}},
                          ListedCodes(db, "CIS_BEZL", "Kod"), 6);
  for (const std::string& code : ListedCodes(db, "CISPOSK1", "Kod")) {
    if (auto n = platform::TextToInt(code)) pools.damage_kinds.push_back(*n);
  }
  if (pools.damage_kinds.empty()) pools.damage_kinds.push_back(1);
  return pools;
}

}  // namespace tarnik::bench
