// SqlConnection over ODBC (unixODBC): each server database name (alias) is reached through a DSN
// or a full connection string (the installation's list, given at construction), with the user
// name and password of the connection parameters, and autocommit off: nothing is written until
// Commit, and a statement outside an explicit transaction is committed on its own. The password
// is never part of a message. Query results fetch row by row from their statement and must be
// dropped before the connection disconnects. Failures throw EngineError.
#pragma once

#include <map>
#include <string>

#include "data/engine/sql_connection.h"

namespace tarnik::engine {

class OdbcConnection : public SqlConnection {
 public:
  // `servers`: alias (case-insensitive) -> DSN name, or a connection string (holds "=").
  explicit OdbcConnection(std::map<std::string, std::string> servers);
  ~OdbcConnection() override;
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  void Connect(const ConnectionParams& params) override;
  void Disconnect() override;
  bool IsConnected() const override { return dbc_ != nullptr; }

  std::unique_ptr<SqlResult> Query(const std::string& sql,
                                   const std::vector<Value>& params = {}) override;
  int64_t Execute(const std::string& sql, const std::vector<Value>& params = {}) override;

  void StartTransaction() override;
  void Commit() override;
  void Rollback() override;
  bool InTransaction() const override { return dbc_ != nullptr && in_transaction_; }

 private:
  friend class OdbcResult;
  void* Require() const;
  void EndTransaction(bool commit);

  std::map<std::string, std::string> servers_;
  void* env_ = nullptr;   // SQLHENV
  void* dbc_ = nullptr;   // SQLHDBC while connected
  std::string alias_;     // of the connected database, for messages
  std::string password_;  // kept only to keep it out of messages
  bool in_transaction_ = false;
  int open_results_ = 0;  // results not dropped yet
};

// The connection string of a server entry: a DSN name becomes "DSN=<name>"; the user and the
// password are appended as UID and PWD (braced when they hold ";" or "}") when not empty.
std::string OdbcConnectionString(const std::string& server, const std::string& user,
                                 const std::string& password);

}  // namespace tarnik::engine
