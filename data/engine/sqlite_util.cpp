#include "data/engine/sqlite_util.h"

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "platform/text.h"

namespace tarnik::engine {

std::string QuoteIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

namespace {
int CollateCallback(void*, int la, const void* a, int lb, const void* b) {
  return platform::CollateCz(std::string_view(static_cast<const char*>(a), la),
                             std::string_view(static_cast<const char*>(b), lb));
}
}  // namespace

void RegisterCzechCollation(sqlite3* db) {
  sqlite3_create_collation(db, kCzechCollation, SQLITE_UTF8, nullptr, CollateCallback);
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db), sql_(sql) {
  if (sqlite3_prepare_v2(db, sql_.c_str(), static_cast<int>(sql_.size()), &stmt_, nullptr) !=
      SQLITE_OK) {
    std::string msg = sqlite3_errmsg(db);
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    throw EngineError(fmt::format("Chybný příkaz SQL ({}): {}", msg, sql_));
  }
  if (!stmt_) throw EngineError(fmt::format("Prázdný příkaz SQL: {}", sql_));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Bind(int index, const Value& v) {
  int rc;
  if (v.is_null()) {
    rc = sqlite3_bind_null(stmt_, index);
  } else if (v.is_integer()) {
    rc = sqlite3_bind_int64(stmt_, index, v.integer());
  } else if (v.is_real()) {
    rc = sqlite3_bind_double(stmt_, index, v.real());
  } else if (v.is_text()) {
    rc = sqlite3_bind_text(stmt_, index, v.text().data(), static_cast<int>(v.text().size()),
                           SQLITE_TRANSIENT);
  } else if (v.is_timestamp()) {
    const std::string iso = v.timestamp().IsoText();
    rc =
        sqlite3_bind_text(stmt_, index, iso.data(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
  } else {
    rc = sqlite3_bind_blob(stmt_, index, v.bytes().data.data(),
                           static_cast<int>(v.bytes().data.size()), SQLITE_TRANSIENT);
  }
  if (rc != SQLITE_OK)
    throw EngineError(fmt::format("Nelze dosadit parametr {}: {}", index, sqlite3_errmsg(db_)));
}

void Statement::BindAll(const std::vector<Value>& values) {
  int expected = sqlite3_bind_parameter_count(stmt_);
  if (expected != static_cast<int>(values.size()))
    throw EngineError(
        fmt::format("Příkaz SQL čeká {} parametrů, dostal {}: {}", expected, values.size(), sql_));
  for (size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i) + 1, values[i]);
}

bool Statement::Step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  throw EngineError(fmt::format("Chyba databáze: {} ({})", sqlite3_errmsg(db_), sql_));
}

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

int Statement::ColumnType(int i) const { return sqlite3_column_type(stmt_, i); }

std::string Statement::ColumnName(int i) const {
  const char* n = sqlite3_column_name(stmt_, i);
  return n ? n : "";
}

Value Statement::Column(int i) const {
  // One look-up of the column, then its value read directly: the connection is used by one
  // thread, so the unprotected value may be read.
  sqlite3_value* v = sqlite3_column_value(stmt_, i);
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      return Value(static_cast<int64_t>(sqlite3_value_int64(v)));
    case SQLITE_FLOAT:
      return Value(sqlite3_value_double(v));
    case SQLITE_TEXT: {
      const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
      return Value(std::string(p ? p : "", p ? static_cast<size_t>(sqlite3_value_bytes(v)) : 0));
    }
    case SQLITE_BLOB: {
      const auto* p = static_cast<const char*>(sqlite3_value_blob(v));
      const int n = sqlite3_value_bytes(v);
      return Value(Bytes{std::string(p ? p : "", p ? static_cast<size_t>(n) : 0)});
    }
    default:
      return Value();
  }
}

void Statement::AppendColumns(int first, int count, std::vector<Value>* out) const {
  for (int i = first; i < first + count; ++i) {
    sqlite3_value* v = sqlite3_column_value(stmt_, i);
    switch (sqlite3_value_type(v)) {
      case SQLITE_INTEGER:
        out->emplace_back(static_cast<int64_t>(sqlite3_value_int64(v)));
        break;
      case SQLITE_FLOAT:
        out->emplace_back(sqlite3_value_double(v));
        break;
      case SQLITE_NULL:
        out->emplace_back();
        break;
      default:
        out->push_back(Column(i));
    }
  }
}

int64_t ExecuteStatement(sqlite3* db, std::string_view sql, const std::vector<Value>& params) {
  Statement st(db, sql);
  st.BindAll(params);
  while (st.Step()) {
  }
  return sqlite3_changes64(db);
}

}  // namespace tarnik::engine
