// Appends rows to one table through a single prepared INSERT naming a fixed column list. The
// writer borrows the connection, which must outlive it; rows go into whatever transaction the
// caller holds. Failures throw engine::EngineError.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tarnik::bench {

using Cell = std::variant<std::monostate, int64_t, double, std::string>;

class RowWriter {
 public:
  RowWriter(sqlite3* db, const std::string& table, std::vector<std::string> columns);
  ~RowWriter();
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;

  // One row; `cells` must hold one cell per column, in column order.
  void Write(const std::vector<Cell>& cells);
  int64_t rows() const { return rows_; }
  const std::string& table() const { return table_; }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  std::string table_;
  size_t columns_ = 0;
  int64_t rows_ = 0;
};

}  // namespace tarnik::bench
