#include "fuzz/db_mutator.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string_view>

#include <fmt/format.h>

namespace tarnik::fuzzing {

uint64_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

uint64_t Rng::Below(uint64_t n) { return n == 0 ? 0 : Next() % n; }

namespace {

constexpr size_t kHugeText = 1 << 20;

// A value to store, with the text of the mutation log.
struct Cell {
  enum class Kind { kNull, kInteger, kReal, kText, kBlob } kind = Kind::kNull;
  int64_t integer = 0;
  double real = 0;
  std::string bytes;  // text or blob

  static Cell Integer(int64_t v) { return {Kind::kInteger, v, 0, {}}; }
  static Cell Real(double v) { return {Kind::kReal, 0, v, {}}; }
  static Cell Text(std::string v) { return {Kind::kText, 0, 0, std::move(v)}; }
  static Cell Blob(std::string v) { return {Kind::kBlob, 0, 0, std::move(v)}; }

  std::string Describe() const {
    switch (kind) {
      case Kind::kNull:
        return "NULL";
      case Kind::kInteger:
        return fmt::format("int {}", integer);
      case Kind::kReal:
        return fmt::format("real {}", real);
      case Kind::kText:
        return bytes.size() > 40 ? fmt::format("text of {} bytes", bytes.size())
                                 : fmt::format("text '{}'", Printable(bytes));
      case Kind::kBlob:
        return fmt::format("blob of {} bytes", bytes.size());
    }
    return "?";
  }

  static std::string Printable(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
      if (c < 0x20 || c == 0x7f) {
        out += fmt::format("\\x{:02x}", c);
      } else {
        out += static_cast<char>(c);
      }
    }
    return out;
  }
};

struct Column {
  std::string name;
  std::string declared;
};

struct TableInfo {
  std::string name;
  std::vector<Column> columns;
  std::vector<int64_t> rowids;

  int ColumnIndex(std::string_view column) const {
    for (size_t i = 0; i < columns.size(); ++i) {
      if (sqlite3_stricmp(columns[i].name.c_str(), std::string(column).c_str()) == 0)
        return static_cast<int>(i);
    }
    return -1;
  }
};

std::string Quoted(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

// One open database and the statements the mutations run on it.
class MutableDatabase {
 public:
  explicit MutableDatabase(const std::string& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      const std::string error = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      throw std::runtime_error("cannot open " + file + ": " + error);
    }
    Run("PRAGMA synchronous=OFF");
  }
  ~MutableDatabase() { sqlite3_close(db_); }
  MutableDatabase(const MutableDatabase&) = delete;
  MutableDatabase& operator=(const MutableDatabase&) = delete;

  // Runs one statement with the values bound to ?1, ?2, ...; false when it fails.
  bool Run(const std::string& sql, const std::vector<Cell>& values = {}) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return false;
    for (size_t i = 0; i < values.size(); ++i) Bind(st, static_cast<int>(i) + 1, values[i]);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
  }

  // Calls `row` for every result row of a query.
  void Query(const std::string& sql, const std::function<void(sqlite3_stmt*)>& row) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return;
    while (sqlite3_step(st) == SQLITE_ROW) row(st);
    sqlite3_finalize(st);
  }

  std::vector<TableInfo> Tables() {
    std::vector<TableInfo> tables;
    Query(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
        "ORDER BY name",
        [&](sqlite3_stmt* st) {
          tables.push_back({Text(st, 0), {}, {}});
        });
    for (TableInfo& t : tables) {
      Query("SELECT name, type FROM pragma_table_info(" + SqlText(t.name) + ") ORDER BY cid",
            [&](sqlite3_stmt* st) {
              t.columns.push_back({Text(st, 0), Text(st, 1)});
            });
      Query("SELECT rowid FROM " + Quoted(t.name) + " ORDER BY rowid",
            [&](sqlite3_stmt* st) { t.rowids.push_back(sqlite3_column_int64(st, 0)); });
    }
    return tables;
  }

  // The value of one cell as a Cell (for copying and reading IDs).
  Cell Get(const TableInfo& t, const std::string& column, int64_t rowid) {
    Cell cell;
    Query(fmt::format("SELECT {} FROM {} WHERE rowid = {}", Quoted(column), Quoted(t.name), rowid),
          [&](sqlite3_stmt* st) {
            switch (sqlite3_column_type(st, 0)) {
              case SQLITE_INTEGER:
                cell = Cell::Integer(sqlite3_column_int64(st, 0));
                break;
              case SQLITE_FLOAT:
                cell = Cell::Real(sqlite3_column_double(st, 0));
                break;
              case SQLITE_TEXT:
                cell = Cell::Text(Bytes(st));
                break;
              case SQLITE_BLOB:
                cell = Cell::Blob(Bytes(st));
                break;
              default:
                break;
            }
          });
    return cell;
  }

  bool Set(const TableInfo& t, const std::string& column, int64_t rowid, const Cell& value) {
    return Run(fmt::format("UPDATE {} SET {} = ?1 WHERE rowid = {}", Quoted(t.name), Quoted(column),
                           rowid),
               {value});
  }

  // Builds the table anew: without its key and unique indexes, with one column's declared type
  // changed (retype >= 0) or one column left out (drop >= 0). The other indexes come back when
  // their columns are still there.
  bool Rebuild(const TableInfo& t, int retype, const std::string& new_type, int drop) {
    std::vector<std::string> indexes;
    Query("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name = " +
              SqlText(t.name),
          [&](sqlite3_stmt* st) { indexes.push_back(Text(st, 0)); });
    std::string columns, names;
    for (size_t i = 0; i < t.columns.size(); ++i) {
      if (static_cast<int>(i) == drop) continue;
      if (!columns.empty()) {
        columns += ", ";
        names += ", ";
      }
      const std::string& type = static_cast<int>(i) == retype ? new_type : t.columns[i].declared;
      columns += Quoted(t.columns[i].name) + " " + type;
      names += Quoted(t.columns[i].name);
    }
    if (columns.empty()) return false;
    const std::string temp = Quoted("mutation_" + t.name);
    if (!Run("BEGIN")) return false;
    const bool done = Run("CREATE TABLE " + temp + " (" + columns + ")") &&
                      Run("INSERT INTO " + temp + " SELECT " + names + " FROM " + Quoted(t.name)) &&
                      Run("DROP TABLE " + Quoted(t.name)) &&
                      Run("ALTER TABLE " + temp + " RENAME TO " + Quoted(t.name));
    if (!done) {
      Run("ROLLBACK");
      return false;
    }
    for (const std::string& sql : indexes) {
      if (sql.find("UNIQUE") == std::string::npos) Run(sql);  // fails when its column is gone
    }
    return Run("COMMIT");
  }

 private:
  static std::string Text(sqlite3_stmt* st, int column) {
    const unsigned char* text = sqlite3_column_text(st, column);
    return text ? reinterpret_cast<const char*>(text) : "";
  }
  static std::string Bytes(sqlite3_stmt* st) {
    const void* data = sqlite3_column_blob(st, 0);
    const int size = sqlite3_column_bytes(st, 0);
    return data ? std::string(static_cast<const char*>(data), static_cast<size_t>(size)) : "";
  }
  static std::string SqlText(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
      if (c == '\'') out += '\'';
      out += c;
    }
    return out + "'";
  }
  static void Bind(sqlite3_stmt* st, int index, const Cell& v) {
    switch (v.kind) {
      case Cell::Kind::kNull:
        sqlite3_bind_null(st, index);
        break;
      case Cell::Kind::kInteger:
        sqlite3_bind_int64(st, index, v.integer);
        break;
      case Cell::Kind::kReal:
        sqlite3_bind_double(st, index, v.real);
        break;
      case Cell::Kind::kText:
        sqlite3_bind_text64(st, index, v.bytes.data(), v.bytes.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        break;
      case Cell::Kind::kBlob:
        sqlite3_bind_blob64(st, index, v.bytes.data(), v.bytes.size(), SQLITE_TRANSIENT);
        break;
    }
  }

  sqlite3* db_ = nullptr;
};

// --- values -------------------------------------------------------------------------------

template <class T, size_t N>
const T& Pick(Rng& rng, const T (&items)[N]) {
  return items[rng.Below(N)];
}

Cell ExtremeInteger(Rng& rng) {
  constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
  static const int64_t kValues[] = {0,
                                    -1,
                                    1,
                                    2,
                                    9,
                                    10,
                                    99,
                                    100,
                                    101,
                                    255,
                                    256,
                                    1000,
                                    9999,
                                    32767,
                                    32768,
                                    -32768,
                                    -32769,
                                    65535,
                                    65536,
                                    99999,
                                    100000,
                                    999999,
                                    2147483647,
                                    2147483648LL,
                                    -2147483647,
                                    -2147483648LL,
                                    -2147483649LL,
                                    4294967295LL,
                                    4294967296LL,
                                    1000000000000000LL,
                                    kMax64,
                                    kMin64,
                                    kMin64 + 1};
  switch (rng.Below(4)) {
    case 0:
      return Cell::Integer(static_cast<int64_t>(rng.Next()));
    case 1:
      return Cell::Integer(static_cast<int64_t>(rng.Below(2001)) - 1000);
    default:
      return Cell::Integer(Pick(rng, kValues));
  }
}

Cell ExtremeReal(Rng& rng) {
  constexpr double kMax = std::numeric_limits<double>::max();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  static const double kValues[] = {
      0.5,     -0.5,        1.5,          2.5,          -0.0,          1e-310,       1e-5,   0.1,
      99.999,  100.0000001, 2147483647.5, 2147483648.0, -2147483649.0, 4294967296.5, 9.2e18, 9.3e18,
      -9.3e18, 1e19,        1e300,        kMax,         -kMax,         kInf,         -kInf};
  switch (rng.Below(4)) {
    case 0: {  // any bit pattern but NaN (SQLite stores NaN as NULL)
      double v;
      const uint64_t bits = rng.Next();
      std::memcpy(&v, &bits, sizeof v);
      return Cell::Real(std::isnan(v) ? 0.25 : v);
    }
    case 1:
      return Cell::Real((static_cast<double>(rng.Below(2000001)) - 1000000.0) / 1000.0);
    default:
      return Cell::Real(Pick(rng, kValues));
  }
}

std::string HugeText(Rng& rng) {
  static const char* const kPieces[] = {"x", "9", "Ř", "ěšč ", "<&>", "\"'", "\r\n", " "};
  const char* piece = Pick(rng, kPieces);
  const size_t size = rng.Percent(50) ? kHugeText : 300 + rng.Below(70000);
  std::string text;
  while (text.size() < size) text += piece;
  return text;
}

Cell OddText(Rng& rng) {
  static const std::string_view kTexts[] = {"",
                                            " ",
                                            "abc",
                                            "zz",
                                            "12abc",
                                            "-",
                                            "+",
                                            ".",
                                            ",",
                                            "1,5",
                                            "1.5",
                                            "-7",
                                            "0x1F",
                                            "1e400",
                                            "-1e400",
                                            "1e19",
                                            "inf",
                                            "nan",
                                            "2147483648",
                                            "-2147483649",
                                            "9223372036854775808",
                                            "99999999999999999999999",
                                            "  12  ",
                                            "1 000",
                                            "Ř",
                                            "ěščřžýáíé",
                                            "<&\"'>",
                                            "]]>",
                                            "\xff\xfe\x80",
                                            "\xc3",
                                            std::string_view("a\0b", 3),
                                            "\r\n\t",
                                            "A",
                                            "N",
                                            "True",
                                            "2022-13-45",
                                            "31.12.2022",
                                            "0000-00-00",
                                            "%s%n%d",
                                            "{}{:x}",
                                            "\\",
                                            "'"};
  if (rng.Percent(10)) return Cell::Text(HugeText(rng));
  return Cell::Text(std::string(Pick(rng, kTexts)));
}

Cell OddBlob(Rng& rng) {
  std::string bytes;
  switch (rng.Below(4)) {
    case 0:
      break;
    case 1:
      bytes = "123";
      break;
    case 2:
      bytes.assign(rng.Percent(20) ? kHugeText : 64, '\0');
      break;
    default:
      for (uint64_t i = 0, n = 1 + rng.Below(64); i < n; ++i)
        bytes += static_cast<char>(rng.Below(256));
  }
  return Cell::Blob(bytes);
}

Cell AnyValue(Rng& rng) {
  switch (rng.Below(10)) {
    case 0:
    case 1:
      return Cell();
    case 2:
    case 3:
    case 4:
      return ExtremeInteger(rng);
    case 5:
    case 6:
      return ExtremeReal(rng);
    case 7:
    case 8:
      return OddText(rng);
    default:
      return OddBlob(rng);
  }
}

// --- mutations ------------------------------------------------------------------------------

class Mutator {
 public:
  Mutator(MutableDatabase& db, Rng& rng) : db_(db), rng_(rng) {}

  // One mutation; the text of what was done, or "" when nothing applied.
  std::string MutateOnce() {
    tables_ = db_.Tables();
    if (tables_.empty()) return "";
    const uint64_t roll = rng_.Below(100);
    if (roll < 40) return SetCell();
    if (roll < 45) return ExtremeRow();
    if (roll < 50) return SetColumn();
    if (roll < 55) return CopyCell();
    if (roll < 60) return Rescale();
    if (roll < 72) return Relink();
    if (roll < 78) return Reidentify();
    if (roll < 86) return DeleteRow();
    if (roll < 91) return DuplicateRow();
    if (roll < 92) return DeleteAllRows();
    if (roll < 93) return DropTable();
    if (roll < 96) return DropColumn();
    return Retype();
  }

 private:
  const TableInfo* AnyTable() { return &tables_[rng_.Below(tables_.size())]; }

  // A table with rows (and the named column, when given); nullptr when there is none.
  const TableInfo* TableWithRows(const char* column = nullptr) {
    std::vector<const TableInfo*> candidates;
    for (const TableInfo& t : tables_) {
      if (!t.rowids.empty() && (!column || t.ColumnIndex(column) >= 0)) candidates.push_back(&t);
    }
    return candidates.empty() ? nullptr : candidates[rng_.Below(candidates.size())];
  }

  int64_t AnyRow(const TableInfo& t) { return t.rowids[rng_.Below(t.rowids.size())]; }
  const std::string& AnyColumn(const TableInfo& t) {
    return t.columns[rng_.Below(t.columns.size())].name;
  }

  std::string Where(const TableInfo& t, const std::string& column, int64_t rowid) {
    return fmt::format("{}.{} row {}", t.name, column, rowid);
  }

  std::string SetCell() {
    const TableInfo* t = TableWithRows();
    if (!t) return "";
    const std::string& column = AnyColumn(*t);
    const int64_t rowid = AnyRow(*t);
    const Cell value = AnyValue(rng_);
    if (!db_.Set(*t, column, rowid, value)) return "";
    return Where(*t, column, rowid) + " = " + value.Describe();
  }

  // Every column of a row but its ID and VAZBA at an end of some range.
  std::string ExtremeRow() {
    static const Cell kExtremes[] = {Cell::Integer(2147483647),
                                     Cell::Integer(-2147483648LL),
                                     Cell::Integer(2147483648LL),
                                     Cell::Integer(-2147483649LL),
                                     Cell::Integer(32767),
                                     Cell::Integer(-32768),
                                     Cell::Integer(std::numeric_limits<int64_t>::max()),
                                     Cell::Integer(std::numeric_limits<int64_t>::min()),
                                     Cell::Real(1e300),
                                     Cell::Real(-1e300),
                                     Cell::Real(9.3e18),
                                     Cell::Real(2147483648.5),
                                     Cell::Real(-0.0),
                                     Cell::Real(1e-300)};
    const TableInfo* t = TableWithRows();
    if (!t) return "";
    const int64_t rowid = AnyRow(*t);
    const bool one_value = rng_.Percent(50);
    const Cell& value = Pick(rng_, kExtremes);
    for (const Column& column : t->columns) {
      if (sqlite3_stricmp(column.name.c_str(), "ID") == 0 ||
          sqlite3_stricmp(column.name.c_str(), "VAZBA") == 0)
        continue;
      db_.Set(*t, column.name, rowid, one_value ? value : Pick(rng_, kExtremes));
    }
    return fmt::format("{} row {}: every value extreme{}", t->name, rowid,
                       one_value ? " (" + value.Describe() + ")" : "");
  }

  std::string SetColumn() {
    const TableInfo* t = TableWithRows();
    if (!t) return "";
    const std::string& column = AnyColumn(*t);
    Cell value = rng_.Percent(30) ? Cell() : AnyValue(rng_);
    if (value.bytes.size() > 1000) value.bytes.resize(1000);  // huge texts go in single cells
    if (!db_.Run(fmt::format("UPDATE {} SET {} = ?1", Quoted(t->name), Quoted(column)), {value}))
      return "";
    return fmt::format("{}.{} every row = {}", t->name, column, value.Describe());
  }

  // A value of another column (of any table) put into this one: kinds mix as after a column
  // shift.
  std::string CopyCell() {
    const TableInfo* to = TableWithRows();
    const TableInfo* from = TableWithRows();
    if (!to || !from) return "";
    const std::string& to_column = AnyColumn(*to);
    const std::string& from_column = AnyColumn(*from);
    const int64_t to_row = AnyRow(*to), from_row = AnyRow(*from);
    const Cell value = db_.Get(*from, from_column, from_row);
    if (!db_.Set(*to, to_column, to_row, value)) return "";
    return Where(*to, to_column, to_row) + " = " + Where(*from, from_column, from_row) + " (" +
           value.Describe() + ")";
  }

  // A number multiplied far beyond its range, or negated.
  std::string Rescale() {
    static const char* const kFactors[] = {"-1",    "1000",  "1000000", "1e12",
                                           "1e300", "0.001", "-1e9"};
    const TableInfo* t = TableWithRows();
    if (!t) return "";
    const std::string& column = AnyColumn(*t);
    const char* factor = Pick(rng_, kFactors);
    const bool all = rng_.Percent(30);
    const int64_t rowid = AnyRow(*t);
    const std::string where = all ? "" : fmt::format(" WHERE rowid = {}", rowid);
    if (!db_.Run(fmt::format("UPDATE {0} SET {1} = {1} * {2}{3}", Quoted(t->name), Quoted(column),
                             factor, where)))
      return "";
    return (all ? fmt::format("{}.{} every row", t->name, column) : Where(*t, column, rowid)) +
           " *= " + factor;
  }

  // The largest ID of any table, for links that point nowhere.
  int64_t LargestId() {
    int64_t largest = 0;
    for (const TableInfo& t : tables_) {
      if (t.ColumnIndex("ID") < 0) continue;
      db_.Query("SELECT MAX(CAST(ID AS INTEGER)) FROM " + Quoted(t.name), [&](sqlite3_stmt* st) {
        largest = std::max<int64_t>(largest, sqlite3_column_int64(st, 0));
      });
    }
    return largest;
  }

  // The ID of some row of any table that has IDs.
  Cell AnyId() {
    const TableInfo* t = TableWithRows("ID");
    return t ? db_.Get(*t, "ID", AnyRow(*t)) : Cell::Integer(1);
  }

  std::string Relink() {
    const TableInfo* t = TableWithRows("VAZBA");
    if (!t) return SetCell();
    const int64_t rowid = AnyRow(*t);
    const std::string where = Where(*t, "VAZBA", rowid);
    const bool has_id = t->ColumnIndex("ID") >= 0;
    switch (rng_.Below(has_id ? 5 : 2)) {
      case 0: {
        const int64_t largest = LargestId(), offset = 1 + static_cast<int64_t>(rng_.Below(999));
        const Cell nowhere = Cell::Integer(
            largest < std::numeric_limits<int64_t>::max() - offset ? largest + offset : -offset);
        return db_.Set(*t, "VAZBA", rowid, nowhere) ? where + " = nowhere " + nowhere.Describe()
                                                    : "";
      }
      case 1: {
        const Cell id = AnyId();
        return db_.Set(*t, "VAZBA", rowid, id) ? where + " = some ID " + id.Describe() : "";
      }
      case 2: {
        const Cell own = db_.Get(*t, "ID", rowid);
        return db_.Set(*t, "VAZBA", rowid, own) ? where + " = its own ID " + own.Describe() : "";
      }
      case 3: {  // two rows of the table pointing at each other
        const int64_t other = AnyRow(*t);
        const Cell a = db_.Get(*t, "ID", rowid), b = db_.Get(*t, "ID", other);
        if (!db_.Set(*t, "VAZBA", rowid, b) || !db_.Set(*t, "VAZBA", other, a)) return "";
        return fmt::format("{} and row {}: cycle of VAZBA", where, other);
      }
      default: {  // the parent row (in any table) made a child of this row
        const Cell own = db_.Get(*t, "ID", rowid);
        const Cell parent = db_.Get(*t, "VAZBA", rowid);
        for (const TableInfo& p : tables_) {
          if (p.ColumnIndex("ID") < 0 || p.ColumnIndex("VAZBA") < 0) continue;
          db_.Run(fmt::format("UPDATE {} SET VAZBA = ?1 WHERE ID = ?2", Quoted(p.name)),
                  {own, parent});
        }
        return where + ": its parent's VAZBA = " + own.Describe() + " (cycle)";
      }
    }
  }

  // An ID another row has (in this or another table), or an extreme one; the key is dropped
  // first when it would refuse a duplicate.
  std::string Reidentify() {
    const TableInfo* t = TableWithRows("ID");
    if (!t) return SetCell();
    const int64_t rowid = AnyRow(*t);
    Cell id;
    switch (rng_.Below(3)) {
      case 0:
        id = db_.Get(*t, "ID", AnyRow(*t));
        break;
      case 1:
        id = AnyId();
        break;
      default:
        id = rng_.Percent(50) ? ExtremeInteger(rng_) : ExtremeReal(rng_);
    }
    std::string note;
    if (!db_.Set(*t, "ID", rowid, id)) {
      if (!db_.Rebuild(*t, -1, "", -1) || !db_.Set(*t, "ID", rowid, id)) return "";
      note = " (key dropped)";
    }
    return Where(*t, "ID", rowid) + " = " + id.Describe() + note;
  }

  std::string DeleteRow() {
    const TableInfo* t = TableWithRows();
    if (!t) return "";
    const int64_t rowid = AnyRow(*t);
    if (!db_.Run(fmt::format("DELETE FROM {} WHERE rowid = {}", Quoted(t->name), rowid))) return "";
    return fmt::format("{} row {} deleted", t->name, rowid);
  }

  std::string DuplicateRow() {
    const TableInfo* t = TableWithRows();
    if (!t) return "";
    const int64_t rowid = AnyRow(*t);
    const std::string copy =
        fmt::format("INSERT INTO {0} SELECT * FROM {0} WHERE rowid = {1}", Quoted(t->name), rowid);
    std::string note;
    if (!db_.Run(copy)) {
      if (!db_.Rebuild(*t, -1, "", -1) || !db_.Run(copy)) return "";
      note = " (key dropped)";
    }
    return fmt::format("{} row {} duplicated{}", t->name, rowid, note);
  }

  std::string DeleteAllRows() {
    const TableInfo* t = AnyTable();
    if (!db_.Run("DELETE FROM " + Quoted(t->name))) return "";
    return t->name + ": every row deleted";
  }

  std::string DropTable() {
    const TableInfo* t = AnyTable();
    if (!db_.Run("DROP TABLE " + Quoted(t->name))) return "";
    return t->name + " dropped";
  }

  std::string DropColumn() {
    const TableInfo* t = AnyTable();
    if (t->columns.size() < 2) return "";
    const int column = static_cast<int>(rng_.Below(t->columns.size()));
    if (!db_.Rebuild(*t, -1, "", column)) return "";
    return fmt::format("{}.{} dropped", t->name, t->columns[column].name);
  }

  std::string Retype() {
    static const char* const kTypes[] = {
        "INTEGER", "SMALLINT", "DOUBLE",    "VARCHAR(1)", "VARCHAR(255)", "BLOB", "BLOB(2)", "DATE",
        "LOGICAL", "TEXT",     "TIMESTAMP", "CURRENCY",   "AUTOINC",      "TIME", ""};
    const TableInfo* t = AnyTable();
    if (t->columns.empty()) return "";
    const int column = static_cast<int>(rng_.Below(t->columns.size()));
    const char* type = Pick(rng_, kTypes);
    if (!db_.Rebuild(*t, column, type, -1)) return "";
    return fmt::format("{}.{} declared '{}'", t->name, t->columns[column].name, type);
  }

  MutableDatabase& db_;
  Rng& rng_;
  std::vector<TableInfo> tables_;
};

}  // namespace

std::string DamageFile(const std::string& file, Rng& rng) {
  std::error_code ec;
  const uint64_t size = std::filesystem::file_size(file, ec);
  if (ec || size == 0) return "";
  switch (rng.Below(4)) {
    case 0: {
      std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
      const uint64_t count = 1 + rng.Below(16);
      for (uint64_t i = 0; i < count; ++i) {
        f.seekp(static_cast<std::streamoff>(rng.Below(size)));
        f.put(static_cast<char>(rng.Below(256)));
      }
      return fmt::format("{} bytes overwritten", count);
    }
    case 1: {
      const uint64_t length = rng.Below(size);
      std::filesystem::resize_file(file, length, ec);
      return ec ? "" : fmt::format("cut to {} of {} bytes", length, size);
    }
    case 2:
      std::filesystem::resize_file(file, 0, ec);
      return ec ? "" : "emptied";
    default:
      return std::filesystem::remove(file, ec) ? "removed" : "";
  }
}

std::vector<std::string> MutateDatabase(const std::string& file, Rng& rng, int count) {
  MutableDatabase db(file);
  Mutator mutator(db, rng);
  std::vector<std::string> applied;
  for (int i = 0; i < count; ++i) {
    std::string done = mutator.MutateOnce();
    if (!done.empty()) applied.push_back(std::move(done));
  }
  return applied;
}

}  // namespace tarnik::fuzzing
