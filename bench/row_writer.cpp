#include "bench/row_writer.h"

#include <fmt/format.h>
#include <sqlite3.h>

#include "data/engine/engine_error.h"
#include "data/engine/local_sql.h"

namespace tarnik::bench {

RowWriter::RowWriter(sqlite3* db, const std::string& table, std::vector<std::string> columns)
    : db_(db), table_(table), columns_(columns.size()) {
  std::string pattern = "INSERT INTO {} (";
  std::string marks;
  for (size_t i = 0; i < columns.size(); ++i) {
    pattern += i ? ", {}" : "{}";
    marks += i ? ", ?" : "?";
  }
  pattern += ") VALUES (" + marks + ")";
  std::vector<std::string> names;
  names.push_back(table);
  names.insert(names.end(), columns.begin(), columns.end());
  std::string sql = engine::SqlWithNames(pattern, names);
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
    throw engine::EngineError(fmt::format("{}: {}", table_, sqlite3_errmsg(db_)));
}

RowWriter::~RowWriter() { sqlite3_finalize(stmt_); }

void RowWriter::Write(const std::vector<Cell>& cells) {
  if (cells.size() != columns_)
    throw engine::EngineError(
        fmt::format("{}: {} values for {} columns", table_, cells.size(), columns_));
  sqlite3_reset(stmt_);
  for (size_t i = 0; i < cells.size(); ++i) {
    int at = static_cast<int>(i) + 1;
    const Cell& c = cells[i];
    if (auto* n = std::get_if<int64_t>(&c)) {
      sqlite3_bind_int64(stmt_, at, *n);
    } else if (auto* d = std::get_if<double>(&c)) {
      sqlite3_bind_double(stmt_, at, *d);
    } else if (auto* s = std::get_if<std::string>(&c)) {
      sqlite3_bind_text(stmt_, at, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else {
      sqlite3_bind_null(stmt_, at);
    }
  }
  if (sqlite3_step(stmt_) != SQLITE_DONE)
    throw engine::EngineError(fmt::format("{}: {}", table_, sqlite3_errmsg(db_)));
  ++rows_;
}

}  // namespace tarnik::bench
