// Local SQL over one database directory. Statement texts are program text: every value is a "?"
// bound from the parameter list and every identifier (a table or column name) is a "{}" filled in
// through QuoteIdentifier, so no statement is ever built by pasting data. A table may be named by
// path ("<dir>/PS.DB"), which runs the statement on that directory's database. A Query keeps its
// Database alive; the rows of a SELECT are read when it opens and stay as they were read.
// Failures throw EngineError.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/value.h"

namespace tarnik::engine {

// "{}" markers of `pattern` replaced, in order, by the quoted names; the counts must agree.
std::string SqlWithNames(std::string_view pattern, const std::vector<std::string>& names);

// A table named by path: "<dir>/PS.DB", "<dir>\ps.db" or "<dir>/PS" -> {dir, "PS"}. A bare name
// lies in the working directory (".").
struct TablePath {
  std::string directory;
  std::string table;
};
TablePath SplitTablePath(const std::string& path);

// ALTER TABLE … ADD with several columns as one statement: every column is added or none is.
// Answers the statements run.
std::vector<std::string> AlterTableAdd(Database& db, const std::string& table,
                                       const std::vector<FieldDef>& fields);

class Query {
 public:
  explicit Query(Database db);
  // A query on the database of the directory of a table named by path; `*table` receives the
  // table's name for the statement's "{}".
  static Query OnTablePath(const std::string& path, std::string* table,
                           OpenMode mode = OpenMode::kReadWrite);

  Database& database() { return db_; }

  // Sets the statement (closing an open result) and its identifiers.
  void SetSql(std::string pattern, std::vector<std::string> names = {});
  void SetParams(std::vector<Value> params) { params_ = std::move(params); }
  const std::string& sql() const { return sql_; }

  // Runs a statement without result rows (UPDATE, DELETE, INSERT, ALTER TABLE); answers the
  // number of changed rows.
  int64_t ExecSql();
  // Runs a SELECT and moves to its first row.
  void Open();
  void Close();
  bool active() const { return active_; }

  void First();
  void Next();
  bool Eof() const { return pos_ >= rows_.size(); }
  bool IsEmpty() const { return rows_.empty(); }
  int64_t RecordCount() const { return static_cast<int64_t>(rows_.size()); }
  int64_t RecNo() const { return Eof() ? 0 : static_cast<int64_t>(pos_) + 1; }

  // Result columns by name (case-insensitive); absent names are answered as absent.
  const std::vector<ColumnInfo>& fields() const { return columns_; }
  const ColumnInfo* FindField(const std::string& name) const;
  Value GetValue(const std::string& field) const;
  bool IsNull(const std::string& field) const;
  std::string AsString(const std::string& field) const;
  int64_t AsInteger(const std::string& field) const;
  double AsFloat(const std::string& field) const;
  bool AsBoolean(const std::string& field) const;

 private:
  int FieldIndex(const std::string& name) const;
  const std::vector<Value>& Current() const;

  Database db_;
  std::string sql_;
  std::vector<Value> params_;
  bool active_ = false;
  std::vector<ColumnInfo> columns_;
  std::vector<std::vector<Value>> rows_;
  size_t pos_ = 0;
};

}  // namespace tarnik::engine
