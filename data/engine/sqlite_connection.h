// SqlConnection over SQLite files: each server alias names a database file (the installation's
// list, given at construction). The user name and password are not checked. Query results
// stream from the open statement and must be dropped before the connection disconnects.
#pragma once

#include <map>
#include <string>

#include "data/engine/sql_connection.h"

struct sqlite3;

namespace tarnik::engine {

class SqliteConnection : public SqlConnection {
 public:
  // `servers`: alias (case-insensitive) -> SQLite file.
  explicit SqliteConnection(std::map<std::string, std::string> servers);
  ~SqliteConnection() override;

  void Connect(const ConnectionParams& params) override;
  void Disconnect() override;
  bool IsConnected() const override { return db_ != nullptr; }

  std::unique_ptr<SqlResult> Query(const std::string& sql,
                                   const std::vector<Value>& params = {}) override;
  int64_t Execute(const std::string& sql, const std::vector<Value>& params = {}) override;

  void StartTransaction() override;
  void Commit() override;
  void Rollback() override;
  bool InTransaction() const override;

 private:
  sqlite3* Require() const;

  std::map<std::string, std::string> servers_;
  sqlite3* db_ = nullptr;
};

}  // namespace tarnik::engine
