// The pieces the readers of the LČR server tables build their queries from: a where clause with
// its bound values, grown column by column, and the current element of a set chosen by its key.
// Query failures are the connection's exceptions; nothing here catches them.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/engine/sql_connection.h"
#include "forest/forest_set.h"

namespace tarnik::plan::oracle {

// A condition with its bound values, extended level by level.
struct Condition {
  std::string sql;
  std::vector<engine::Value> params;

  Condition And(const std::string& column, engine::Value value) const {
    Condition c = *this;
    c.sql += " and " + column + " = ?";
    c.params.push_back(std::move(value));
    return c;
  }
  // A designation: trailing blanks do not count on either side.
  Condition AndDesignation(const std::string& column, const std::string& value) const {
    Condition c = *this;
    c.sql += " and RTRIM(" + column + ") = RTRIM(?)";
    c.params.push_back(engine::Value(value));
    return c;
  }
};

inline std::unique_ptr<engine::SqlResult> Select(engine::SqlConnection& db,
                                                 const std::string& table, const Condition& where) {
  return db.Query("select * from " + table + " where " + where.sql, where.params);
}

// Selects or creates the set's element keyed by the text and answers it as the current one.
template <class T>
T* Current(TLesniMnozina* set, const std::string& key) {
  if (!set) return nullptr;
  set->SetNovyNeboAktualniPrvek(key);
  return dynamic_cast<T*>(set->AktualniPrvek());
}

}  // namespace tarnik::plan::oracle
