// One database directory: its tables live in the SQLite file "tables.sqlite" inside it
// (a Paradox table X.DB is table X). Database is a cheap shared handle: copies refer to the same
// connection, which closes when the last copy (or Table/Query opened on it) goes away. Table
// names are matched case-insensitively. Every failure throws EngineError.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/engine/field_type.h"
#include "data/engine/value.h"

struct sqlite3;

namespace tarnik::engine {

inline constexpr const char* kDatabaseFileName = "tables.sqlite";

// kReadOnlyMedia: read-only on media that cannot be written (a CD, a protected share); the file is
// taken as unchanging, so no journal or lock file is needed beside it.
enum class OpenMode { kReadWrite, kReadOnly, kReadOnlyMedia };

struct ColumnInfo {
  std::string name;
  std::string declared;  // the declared type as stored
  FieldShape shape;
  bool not_null = false;
  int primary_key_position = 0;  // 1-based position in the primary key, 0 when not a key field
};

struct FieldDef {
  std::string name;
  FieldShape shape;
  bool required = false;
};

struct IndexDef {
  std::string name;  // the index name without the "<table>_" prefix used in SQLite
  std::vector<std::string> columns;
};

struct TableDefinition {
  std::string name;
  std::vector<FieldDef> fields;
  std::vector<std::string> primary_key;  // may be empty (no primary index)
  std::vector<IndexDef> indexes;
};

class Database {
 public:
  // Opens the directory's tables.sqlite. Read-write opening creates the file when missing;
  // read-only opening of a directory without it fails. `alias` is a label for messages.
  static Database Open(const std::string& directory, OpenMode mode = OpenMode::kReadWrite,
                       const std::string& alias = "");

  // A database that lives in memory only (for fuzzing and tests); it has no directory and
  // vanishes with its last handle.
  static Database OpenInMemory(const std::string& alias = "");

  const std::string& directory() const;
  const std::string& alias() const;
  std::string file_path() const;
  bool read_only() const;

  // The table's name as stored, looked up case-insensitively; nullopt when there is none.
  std::optional<std::string> FindTable(const std::string& name) const;
  bool TableExists(const std::string& name) const { return FindTable(name).has_value(); }
  std::vector<std::string> TableNames() const;
  // Columns in table order; throws when the table does not exist.
  std::vector<ColumnInfo> Columns(const std::string& table) const;
  std::optional<ColumnInfo> FindColumn(const std::string& table, const std::string& column) const;
  std::vector<std::string> PrimaryKey(const std::string& table) const;
  std::vector<IndexDef> Indexes(const std::string& table) const;

  void CreateTable(const TableDefinition& definition);
  void AddColumn(const std::string& table, const FieldDef& field);
  void DropTable(const std::string& table);

  // Runs one statement with bound parameters; answers the changed row count.
  int64_t Execute(const std::string& sql, const std::vector<Value>& params = {});

  // An immediate transaction takes the write lock at once, so a read-then-write inside it never
  // races another program.
  void StartTransaction(bool immediate = false);
  void Commit();
  void Rollback();
  bool InTransaction() const;
  // What this connection sees inside a transaction: two equal snapshots (no commit by any
  // connection and no write through this one between them) see the same rows. Outside a
  // transaction there is none.
  struct Snapshot {
    uint32_t data_version;
    int64_t changes;
    bool operator==(const Snapshot&) const = default;
  };
  std::optional<Snapshot> CurrentSnapshot() const;
  // Inside or outside a transaction: two equal tokens mean no commit by another connection and
  // no write through this one between them (one small statement per call). nullopt when the
  // database cannot tell.
  struct ContentToken {
    int64_t data_version;
    int64_t changes;
    bool operator==(const ContentToken&) const = default;
  };
  std::optional<ContentToken> CurrentContent() const;

  sqlite3* handle() const;
  // Identity of the connection: two handles are the same database when equal.
  const void* identity() const { return state_.get(); }

  struct State;

 private:
  explicit Database(std::shared_ptr<State> state) : state_(std::move(state)) {}
  // The settings of a fresh connection, then the check that it is a database.
  static Database Finish(std::shared_ptr<State> state);
  // Runs one of the prepared transaction statements (BEGIN, BEGIN IMMEDIATE, COMMIT, ROLLBACK).
  void RunControl(int which);
  std::shared_ptr<State> state_;
};

// Rolls back unless committed: `Transaction t(db); ...; t.Commit();`. Does nothing when a
// transaction was already running on entry (the outer owner decides).
class Transaction {
 public:
  explicit Transaction(Database& db, bool immediate = false);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Database& db_;
  bool owner_ = false;
  bool done_ = false;
};

}  // namespace tarnik::engine
