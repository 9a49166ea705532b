#include "data/engine/sqlite_connection.h"

#include <sqlite3.h>

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/sqlite_util.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {
class SqliteResult : public SqlResult {
 public:
  SqliteResult(sqlite3* db, const std::string& sql, const std::vector<Value>& params)
      : st_(db, sql) {
    st_.BindAll(params);
  }
  bool Next() override { return st_.Step(); }
  int ColumnCount() const override { return st_.ColumnCount(); }
  std::string ColumnName(int i) const override { return st_.ColumnName(i); }
  Value Column(int i) const override { return st_.Column(i); }
  int ColumnTypeCode(int i) const override { return st_.ColumnType(i); }

 private:
  Statement st_;
};
}  // namespace

SqliteConnection::SqliteConnection(std::map<std::string, std::string> servers) {
  for (auto& [alias, file] : servers) servers_[platform::UpperCz(alias)] = file;
}

SqliteConnection::~SqliteConnection() { Disconnect(); }

void SqliteConnection::Connect(const ConnectionParams& params) {
  if (db_) return;
  auto it = servers_.find(platform::UpperCz(params.alias));
  if (it == servers_.end())
    throw EngineError(fmt::format("Databáze \"{}\" není známa.", params.alias));
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(it->second.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    std::string msg = db ? sqlite3_errmsg(db) : "?";
    sqlite3_close_v2(db);
    throw EngineError(fmt::format("Databázi \"{}\" nelze připojit: {}", params.alias, msg));
  }
  sqlite3_busy_timeout(db, 5000);
  RegisterCzechCollation(db);
  db_ = db;
}

void SqliteConnection::Disconnect() {
  if (!db_) return;
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

sqlite3* SqliteConnection::Require() const {
  if (!db_) throw EngineError("Databáze není připojena.");
  return db_;
}

std::unique_ptr<SqlResult> SqliteConnection::Query(const std::string& sql,
                                                   const std::vector<Value>& params) {
  return std::make_unique<SqliteResult>(Require(), sql, params);
}

int64_t SqliteConnection::Execute(const std::string& sql, const std::vector<Value>& params) {
  return ExecuteStatement(Require(), sql, params);
}

void SqliteConnection::StartTransaction() {
  if (InTransaction()) throw EngineError("Transakce již probíhá.");
  Execute("BEGIN");
}

void SqliteConnection::Commit() {
  if (!InTransaction()) throw EngineError("Žádná transakce neprobíhá.");
  Execute("COMMIT");
}

void SqliteConnection::Rollback() {
  if (InTransaction()) Execute("ROLLBACK");
}

bool SqliteConnection::InTransaction() const {
  return db_ != nullptr && sqlite3_get_autocommit(db_) == 0;
}

}  // namespace tarnik::engine
