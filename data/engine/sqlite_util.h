// Thin RAII helpers over libsqlite3 used inside the engine: a prepared statement that binds
// Values and reads columns as Values, the one identifier-quoting function, and the Czech
// collation "CZ" registered on every connection. A Statement must not outlive its connection.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

#include "data/engine/value.h"

namespace tarnik::engine {

// The only way an identifier (table, column, index or schema name) enters SQL text: wrapped in
// double quotes with every inner double quote doubled.
std::string QuoteIdentifier(std::string_view name);

// The name of the collation registered with SQLite. It compares texts by platform::CollateCz:
// upper-cased by the Czech rules, letter by letter in the Czech alphabet A Á B C Č D Ď E É Ě F
// G H CH I Í ... Z Ž (CH one letter after H, an accented letter right after its base letter),
// blanks and digits before letters, the empty text lowest. Rows that tie keep ID order because
// every keyed read orders by ID after the index columns.
inline constexpr const char* kCzechCollation = "CZ";
void RegisterCzechCollation(sqlite3* db);

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);  // throws EngineError on a syntax error
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void Bind(int index, const Value& value);  // 1-based
  void BindAll(const std::vector<Value>& values);
  // Advances to the next row; false at the end. Throws EngineError on failure.
  bool Step();
  void Reset();
  int ColumnCount() const;
  int ColumnType(int i) const;  // the storage class of the current row's value
  std::string ColumnName(int i) const;
  Value Column(int i) const;
  // Columns [first, first + count) of the current row appended to `out`, each made in place.
  void AppendColumns(int first, int count, std::vector<Value>* out) const;
  sqlite3_stmt* get() { return stmt_; }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  std::string sql_;
};

// Runs a statement without result rows; answers the number of changed rows.
int64_t ExecuteStatement(sqlite3* db, std::string_view sql, const std::vector<Value>& params = {});

}  // namespace tarnik::engine
