// The planning database an import writes into: the plan's connection with the plan's PHS
// database attached to it as the schema "phs" (when the plan has one), so that one immediate
// transaction spans both files. With the rollback journal SQLite commits two attached files
// atomically: until Commit returns nothing of the import is visible, and a process killed on the
// way leaves both files as they were (the journals roll them back when next opened).
//
// Rows are appended and changed through statements prepared once per transaction; values are
// converted to the column's type as every write of the engine converts them (texts cut to the
// width); a value that does not fit its column is reported as passed over and the column left
// empty. New identifiers are drawn from the plan's ID table: the counters are read once per table
// key and stored back by Commit, inside the same transaction. Failures of the database throw
// ImportDatabaseError; the
// destructor rolls back what was not committed and detaches the PHS database. The connection
// must not be in a transaction of someone else's when Begin runs.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/value.h"

namespace tarnik::engine {
class Statement;
}

namespace tarnik::islh {

enum class Schema { kPlan, kPhs };

// A failure of the database itself (a statement refused, the disk full, a lock not given): it
// ends the import, whose transaction then rolls back.
class ImportDatabaseError : public std::runtime_error {
 public:
  explicit ImportDatabaseError(const std::string& message) : std::runtime_error(message) {}
};

class ImportDatabase;

// Appends rows to one table: Set the columns of the row, then Insert (columns not set stay
// null); Update writes the columns set into an existing row instead.
class TableWriter {
 public:
  TableWriter(ImportDatabase& db, Schema schema, const std::string& table);
  ~TableWriter();
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  bool exists() const { return !columns_.empty(); }
  bool Has(std::string_view column) const { return Index(column) >= 0; }
  // False (nothing set) when the table lacks the column or the value does not fit it (reported).
  bool Set(std::string_view column, const engine::Value& value);
  // The value set for a column, as the column takes it (null when not set).
  engine::Value Get(std::string_view column) const;
  // Appends the row set so far and clears it; answers its rowid.
  int64_t Insert();
  // Writes the columns set so far into the row `rowid` and clears them.
  void Update(int64_t rowid);
  void Clear();
  // Rows appended through this writer.
  int64_t inserted() const { return inserted_; }

 private:
  int Index(std::string_view column) const;

  ImportDatabase& db_;
  std::string table_;
  std::string qualified_;
  std::vector<engine::ColumnInfo> columns_;
  // Column names compared without regard to ASCII case, looked up without a copy of the name.
  struct NoCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const;
  };
  struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  std::unordered_map<std::string, int, NoCaseHash, NoCaseEqual> index_;  // name -> column
  // The writers name columns by literals, the same ones for every row: the column of a name
  // spelled at the same address as before is found without hashing it.
  struct Recent {
    const char* data = nullptr;
    std::string spelling;
    int index = -1;
  };
  static constexpr size_t kRecentSlots = 256;
  mutable std::vector<Recent> recent_;
  std::vector<engine::Value> row_;
  std::vector<bool> set_;
  std::unique_ptr<engine::Statement> insert_;
  int64_t inserted_ = 0;
};

class ImportDatabase {
 public:
  // `phs_file`: the PHS database's file, or "" for a plan without one.
  ImportDatabase(engine::Database plan, const std::string& phs_file);
  ~ImportDatabase();
  ImportDatabase(const ImportDatabase&) = delete;
  ImportDatabase& operator=(const ImportDatabase&) = delete;

  bool has_phs() const { return attached_; }
  engine::Database& plan() { return plan_; }
  const std::string& directory() const { return plan_.directory(); }

  void Begin();
  // Stores the identifiers drawn and commits both databases at once.
  void Commit();
  void Rollback();
  bool InTransaction() const { return plan_.InTransaction(); }

  // "main"."T" or "phs"."T".
  static std::string Qualified(Schema schema, const std::string& table);
  bool HasTable(Schema schema, const std::string& table);
  // The table's columns in order; empty when the table does not exist.
  std::vector<engine::ColumnInfo> Columns(Schema schema, const std::string& table);
  bool HasColumn(Schema schema, const std::string& table, const std::string& column);
  // Adds the columns in one statement; false (the table as it was) when that fails.
  bool AddColumns(Schema schema, const std::string& table,
                  const std::vector<engine::FieldDef>& fields);

  // The writer of a table, kept for the transaction (forgotten when its columns change).
  TableWriter& Writer(Schema schema, const std::string& table);

  // A statement prepared once and kept while the database lives (reset before it is handed out).
  engine::Statement& Prepared(const std::string& sql);
  int64_t Execute(const std::string& sql, const std::vector<engine::Value>& params = {});
  // The first column of the first row of a query; null without rows.
  engine::Value Scalar(const std::string& sql, const std::vector<engine::Value>& params = {});

  // The next identifier for a table key ("ODDELENI", "PS", ...): the key's counter in ID plus one;
  // a key without a row starts at 0. Throws when the plan has no ID table.
  int64_t NewIdentifier(const std::string& key);

 private:
  struct Counter {
    int64_t last = 0;
    bool stored = false;  // the ID table has a row for the key
    bool dirty = false;
  };
  void StoreCounters();
  void ForgetStatements();

  engine::Database plan_;
  bool attached_ = false;
  bool began_ = false;
  std::map<std::string, Counter> counters_;   // by the key as stored (cut to the column)
  std::optional<engine::ColumnInfo> id_key_;  // ID's Tabulka column
  std::map<std::string, std::unique_ptr<engine::Statement>> statements_;
  std::map<std::string, std::unique_ptr<TableWriter>> writers_;
};

}  // namespace tarnik::islh
