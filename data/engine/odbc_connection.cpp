#include "data/engine/odbc_connection.h"

#include <sql.h>
#include <sqlext.h>

#include <cmath>
#include <deque>

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {

// The driver's diagnostic records of a handle as one line, without the password.
std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle, const std::string& password) {
  std::string text;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLCHAR state[6] = {0};
    SQLCHAR message[1024] = {0};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLGetDiagRec(type, handle, i, state, &native, message,
                                       static_cast<SQLSMALLINT>(sizeof message), &length);
    if (!SQL_SUCCEEDED(rc)) break;
    if (!text.empty()) text += " ";
    text += fmt::format("[{}] {}", reinterpret_cast<const char*>(state),
                        reinterpret_cast<const char*>(message));
  }
  if (!password.empty()) {
    for (size_t at = 0; (at = text.find(password, at)) != std::string::npos;)
      text.replace(at, password.size(), "***");
  }
  return text.empty() ? "neznámá chyba" : text;
}

bool IsDateType(SQLSMALLINT type) {
  return type == SQL_TYPE_DATE || type == SQL_TYPE_TIMESTAMP || type == SQL_DATE ||
         type == SQL_TIMESTAMP || type == SQL_DATETIME;
}

bool IsBinaryType(SQLSMALLINT type) {
  return type == SQL_BINARY || type == SQL_VARBINARY || type == SQL_LONGVARBINARY;
}

bool IsIntegerType(SQLSMALLINT type) {
  return type == SQL_SMALLINT || type == SQL_INTEGER || type == SQL_TINYINT || type == SQL_BIGINT ||
         type == SQL_BIT;
}

bool IsFloatType(SQLSMALLINT type) {
  return type == SQL_REAL || type == SQL_FLOAT || type == SQL_DOUBLE || type == SQL_DECIMAL ||
         type == SQL_NUMERIC;
}

// The buffers of the bound parameters; they must stay where they are until the statement ran.
struct ParamBuffer {
  int64_t integer = 0;
  double real = 0;
  std::string text;
  SQL_TIMESTAMP_STRUCT timestamp{};
  SQLLEN indicator = 0;
};

class OdbcStatement {
 public:
  OdbcStatement(SQLHDBC dbc, const std::string& sql, const std::vector<Value>& params,
                const std::string& password)
      : sql_(sql), password_(password) {
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt_)))
      throw EngineError("Nelze připravit příkaz SQL: " +
                        Diagnostics(SQL_HANDLE_DBC, dbc, password_));
    for (size_t i = 0; i < params.size(); ++i) Bind(static_cast<SQLUSMALLINT>(i + 1), params[i]);
    const SQLRETURN rc =
        SQLExecDirect(stmt_, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) Fail("Chyba databáze");
  }
  ~OdbcStatement() {
    if (stmt_) SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
  }
  OdbcStatement(const OdbcStatement&) = delete;
  OdbcStatement& operator=(const OdbcStatement&) = delete;

  SQLHSTMT handle() const { return stmt_; }

  [[noreturn]] void Fail(const char* what) const {
    throw EngineError(
        fmt::format("{}: {} ({})", what, Diagnostics(SQL_HANDLE_STMT, stmt_, password_), sql_));
  }

  int64_t RowCount() const {
    SQLLEN count = 0;
    if (!SQL_SUCCEEDED(SQLRowCount(stmt_, &count))) return 0;
    return count < 0 ? 0 : static_cast<int64_t>(count);
  }

 private:
  void Bind(SQLUSMALLINT index, const Value& v) {
    ParamBuffer& b = buffers_.emplace_back();
    SQLRETURN rc;
    if (v.is_integer()) {
      b.integer = v.integer();
      rc = SQLBindParameter(stmt_, index, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0,
                            &b.integer, 0, &b.indicator);
    } else if (v.is_real()) {
      b.real = v.real();
      rc = SQLBindParameter(stmt_, index, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &b.real,
                            0, &b.indicator);
    } else if (v.is_timestamp()) {
      const Timestamp& t = v.timestamp();
      b.timestamp = {static_cast<SQLSMALLINT>(t.year),
                     static_cast<SQLUSMALLINT>(t.month),
                     static_cast<SQLUSMALLINT>(t.day),
                     static_cast<SQLUSMALLINT>(t.hour),
                     static_cast<SQLUSMALLINT>(t.minute),
                     static_cast<SQLUSMALLINT>(t.second),
                     0};
      rc = SQLBindParameter(stmt_, index, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP,
                            19, 0, &b.timestamp, 0, &b.indicator);
    } else if (v.is_bytes()) {
      b.text = v.bytes().data;
      b.indicator = static_cast<SQLLEN>(b.text.size());
      rc = SQLBindParameter(stmt_, index, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_LONGVARBINARY,
                            std::max<SQLULEN>(1, b.text.size()), 0, b.text.data(),
                            static_cast<SQLLEN>(b.text.size()), &b.indicator);
    } else if (v.is_text()) {
      b.text = v.text();
      b.indicator = static_cast<SQLLEN>(b.text.size());
      rc = SQLBindParameter(stmt_, index, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                            std::max<SQLULEN>(1, b.text.size()), 0, b.text.data(),
                            static_cast<SQLLEN>(b.text.size()), &b.indicator);
    } else {
      b.indicator = SQL_NULL_DATA;
      rc = SQLBindParameter(stmt_, index, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr,
                            0, &b.indicator);
    }
    if (!SQL_SUCCEEDED(rc)) Fail(fmt::format("Nelze dosadit parametr {}", index).c_str());
  }

  SQLHSTMT stmt_ = nullptr;
  std::string sql_;
  const std::string& password_;
  std::deque<ParamBuffer> buffers_;
};

struct ColumnDescription {
  std::string name;
  SQLSMALLINT type = 0;
  SQLSMALLINT scale = 0;
};

}  // namespace

class OdbcResult : public SqlResult {
 public:
  OdbcResult(OdbcConnection& connection, SQLHDBC dbc, const std::string& sql,
             const std::vector<Value>& params, const std::string& password, int& open_results)
      : connection_(connection), st_(dbc, sql, params, password), open_results_(open_results) {
    ++open_results_;
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(st_.handle(), &count))) st_.Fail("Chyba databáze");
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
      SQLCHAR name[256] = {0};
      SQLSMALLINT name_length = 0, type = 0, scale = 0, nullable = 0;
      SQLULEN size = 0;
      if (!SQL_SUCCEEDED(SQLDescribeCol(st_.handle(), i, name, sizeof name, &name_length, &type,
                                        &size, &scale, &nullable)))
        st_.Fail("Chyba databáze");
      columns_.push_back({reinterpret_cast<const char*>(name), type, scale});
    }
    values_.resize(columns_.size());
  }
  ~OdbcResult() override {
    --open_results_;
    if (open_results_ == 0 && !connection_.InTransaction() && connection_.IsConnected()) {
      // A read outside a transaction ends the driver's implicit one with its last cursor.
      SQLFreeStmt(st_.handle(), SQL_CLOSE);
      try {
        connection_.EndTransaction(true);
      } catch (const EngineError&) {
        // Nothing was written: a read that cannot end leaves nothing to lose.
      }
    }
  }

  bool Next() override {
    const SQLRETURN rc = SQLFetch(st_.handle());
    if (rc == SQL_NO_DATA) return false;
    if (!SQL_SUCCEEDED(rc)) st_.Fail("Chyba databáze");
    for (size_t i = 0; i < columns_.size(); ++i)
      values_[i] = Read(static_cast<SQLUSMALLINT>(i + 1));
    return true;
  }
  int ColumnCount() const override { return static_cast<int>(columns_.size()); }
  std::string ColumnName(int i) const override { return columns_.at(i).name; }
  Value Column(int i) const override { return values_.at(i); }
  int ColumnTypeCode(int i) const override { return columns_.at(i).type; }

 private:
  Value Read(SQLUSMALLINT index) {
    const ColumnDescription& c = columns_[index - 1];
    SQLLEN indicator = 0;
    if (IsIntegerType(c.type)) {
      SQLBIGINT v = 0;
      Get(index, SQL_C_SBIGINT, &v, sizeof v, &indicator);
      return indicator == SQL_NULL_DATA ? Value() : Value(static_cast<int64_t>(v));
    }
    if (IsFloatType(c.type)) {
      double v = 0;
      Get(index, SQL_C_DOUBLE, &v, sizeof v, &indicator);
      if (indicator == SQL_NULL_DATA) return Value();
      // NUMBER columns without decimals are whole numbers.
      if ((c.type == SQL_DECIMAL || c.type == SQL_NUMERIC) && c.scale == 0 && std::isfinite(v) &&
          v == std::trunc(v) && std::fabs(v) < 9e15)
        return Value(static_cast<int64_t>(v));
      return Value(v);
    }
    if (IsDateType(c.type)) {
      SQL_TIMESTAMP_STRUCT t{};
      Get(index, SQL_C_TYPE_TIMESTAMP, &t, sizeof t, &indicator);
      if (indicator == SQL_NULL_DATA) return Value();
      return Value(Timestamp{t.year, t.month, t.day, t.hour, t.minute, t.second});
    }
    const bool binary = IsBinaryType(c.type);
    std::string data;
    char buffer[4096];
    for (;;) {
      const SQLRETURN rc = SQLGetData(st_.handle(), index, binary ? SQL_C_BINARY : SQL_C_CHAR,
                                      buffer, sizeof buffer, &indicator);
      if (rc == SQL_NO_DATA) break;
      if (!SQL_SUCCEEDED(rc)) st_.Fail("Chyba databáze");
      if (indicator == SQL_NULL_DATA) return Value();
      const size_t room = binary ? sizeof buffer : sizeof buffer - 1;
      const size_t got = (indicator == SQL_NO_TOTAL || static_cast<size_t>(indicator) > room)
                             ? room
                             : static_cast<size_t>(indicator);
      data.append(buffer, got);
      if (rc == SQL_SUCCESS) break;  // SQL_SUCCESS_WITH_INFO: more follows
    }
    if (binary) return Value(Bytes{data});
    return Value(data);
  }

  void Get(SQLUSMALLINT index, SQLSMALLINT c_type, void* target, SQLLEN size, SQLLEN* indicator) {
    if (!SQL_SUCCEEDED(SQLGetData(st_.handle(), index, c_type, target, size, indicator)))
      st_.Fail("Chyba databáze");
  }

  OdbcConnection& connection_;
  OdbcStatement st_;
  int& open_results_;
  std::vector<ColumnDescription> columns_;
  std::vector<Value> values_;
};

std::string OdbcConnectionString(const std::string& server, const std::string& user,
                                 const std::string& password) {
  auto attribute = [](const std::string& v) {
    if (v.find_first_of(";{}") == std::string::npos) return v;
    std::string braced = "{";
    for (char c : v) {
      braced += c;
      if (c == '}') braced += '}';
    }
    return braced + "}";
  };
  std::string text = server.find('=') == std::string::npos ? "DSN=" + server : server;
  if (!user.empty()) text += (text.ends_with(";") ? "" : ";") + ("UID=" + attribute(user));
  if (!password.empty()) text += (text.ends_with(";") ? "" : ";") + ("PWD=" + attribute(password));
  return text;
}

OdbcConnection::OdbcConnection(std::map<std::string, std::string> servers) {
  for (auto& [alias, server] : servers) servers_[platform::UpperCz(alias)] = server;
}

OdbcConnection::~OdbcConnection() {
  Disconnect();
  if (env_) SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

void OdbcConnection::Connect(const ConnectionParams& params) {
  if (dbc_) return;
  auto it = servers_.find(platform::UpperCz(params.alias));
  if (it == servers_.end())
    throw EngineError(fmt::format("Databáze \"{}\" není známa.", params.alias));
  if (!env_) {
    SQLHENV env = nullptr;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
      throw EngineError("Ovladač ODBC nelze zavést.");
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    env_ = env;
  }
  SQLHDBC dbc = nullptr;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc)))
    throw EngineError(fmt::format("Databázi \"{}\" nelze připojit.", params.alias));
  SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF),
                    SQL_IS_UINTEGER);
  const std::string text = OdbcConnectionString(it->second, params.user, params.password);
  SQLCHAR out[1024];
  SQLSMALLINT out_length = 0;
  const SQLRETURN rc =
      SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str())),
                       SQL_NTS, out, sizeof out, &out_length, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    const std::string why = Diagnostics(SQL_HANDLE_DBC, dbc, params.password);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    throw EngineError(fmt::format("Databázi \"{}\" nelze připojit: {}", params.alias, why));
  }
  // Drivers that refuse the attribute before connecting take it now.
  SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF),
                    SQL_IS_UINTEGER);
  dbc_ = dbc;
  alias_ = params.alias;
  password_ = params.password;
  in_transaction_ = false;
}

void OdbcConnection::Disconnect() {
  if (!dbc_) return;
  SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
  SQLDisconnect(dbc_);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
  dbc_ = nullptr;
  in_transaction_ = false;
  password_.clear();
}

void* OdbcConnection::Require() const {
  if (!dbc_) throw EngineError("Databáze není připojena.");
  return dbc_;
}

std::unique_ptr<SqlResult> OdbcConnection::Query(const std::string& sql,
                                                 const std::vector<Value>& params) {
  return std::make_unique<OdbcResult>(*this, Require(), sql, params, password_, open_results_);
}

int64_t OdbcConnection::Execute(const std::string& sql, const std::vector<Value>& params) {
  int64_t changed = 0;
  try {
    OdbcStatement st(Require(), sql, params, password_);
    changed = st.RowCount();
  } catch (const EngineError&) {
    if (!in_transaction_ && open_results_ == 0) EndTransaction(false);
    throw;
  }
  if (!in_transaction_ && open_results_ == 0) EndTransaction(true);
  return changed;
}

void OdbcConnection::EndTransaction(bool commit) {
  const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, Require(), commit ? SQL_COMMIT : SQL_ROLLBACK);
  if (!SQL_SUCCEEDED(rc))
    throw EngineError(fmt::format("{} v databázi \"{}\" selhal: {}", commit ? "Commit" : "Rollback",
                                  alias_, Diagnostics(SQL_HANDLE_DBC, dbc_, password_)));
}

void OdbcConnection::StartTransaction() {
  Require();
  if (in_transaction_) throw EngineError("Transakce již probíhá.");
  // Autocommit is off: the transaction begins with the next statement.
  in_transaction_ = true;
}

void OdbcConnection::Commit() {
  Require();
  if (!in_transaction_) throw EngineError("Žádná transakce neprobíhá.");
  in_transaction_ = false;
  EndTransaction(true);
}

void OdbcConnection::Rollback() {
  if (!dbc_) return;
  in_transaction_ = false;
  EndTransaction(false);
}

}  // namespace tarnik::engine
