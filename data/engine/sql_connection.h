// The SQL connection to a server database, as the Oracle sources use it: connect with the
// engine's parameters, run statements passed through as they are with bound values, walk the
// rows of a query, and explicit transactions. The interface does not know the server kind;
// sqlite_connection.h implements it over SQLite files, odbc_connection.h over ODBC (Oracle).
// A result must not outlive the connection that produced it. Failures throw EngineError.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/engine/value.h"

namespace tarnik::engine {

struct ConnectionParams {
  std::string alias = "LHP";  // the server's database name
  std::string user = "LHP";
  std::string password;
  // "SQLPASSTHRU MODE=SHARED NOAUTOCOMMIT", "USER NAME=<user>", "PASSWORD=<password>".
  std::vector<std::string> ToParameters() const;
};

class SqlResult {
 public:
  virtual ~SqlResult() = default;
  // Moves to the next row (the first call to the first row); false after the last.
  virtual bool Next() = 0;
  virtual int ColumnCount() const = 0;
  virtual std::string ColumnName(int i) const = 0;
  virtual Value Column(int i) const = 0;
  // The server's type number of column i (ODBC's SQL data type, SQLite's storage class of the
  // current value), for messages.
  virtual int ColumnTypeCode(int i) const = 0;

  // Columns by name, case-insensitively; an absent column is -1, and reads as null.
  int ColumnIndex(const std::string& name) const;
  Value Get(const std::string& name) const;
  std::string AsString(const std::string& name) const;  // "" for null
  int64_t AsInteger(const std::string& name) const;     // 0 for null or a non-number
  double AsFloat(const std::string& name) const;        // 0 for null or a non-number
};

class SqlConnection {
 public:
  virtual ~SqlConnection() = default;
  // Does nothing when already connected.
  virtual void Connect(const ConnectionParams& params) = 0;
  virtual void Disconnect() = 0;
  virtual bool IsConnected() const = 0;

  virtual std::unique_ptr<SqlResult> Query(const std::string& sql,
                                           const std::vector<Value>& params = {}) = 0;
  // A statement without rows; answers the changed row count.
  virtual int64_t Execute(const std::string& sql, const std::vector<Value>& params = {}) = 0;

  virtual void StartTransaction() = 0;
  virtual void Commit() = 0;
  virtual void Rollback() = 0;
  virtual bool InTransaction() const = 0;
  // Starts a transaction unless one is running (the plan database is used inside one).
  void EnsureTransaction() {
    if (!InTransaction()) StartTransaction();
  }
};

}  // namespace tarnik::engine
