#include "data/engine/local_sql.h"

#include <sqlite3.h>

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/field_value.h"
#include "data/engine/sqlite_util.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::engine {

std::string SqlWithNames(std::string_view pattern, const std::vector<std::string>& names) {
  std::string out;
  size_t used = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 1 < pattern.size() && pattern[i + 1] == '}') {
      if (used == names.size())
        throw EngineError(fmt::format("Příkaz SQL čeká víc jmen, než kolik jich dostal: {}",
                                      std::string(pattern)));
      out += QuoteIdentifier(names[used++]);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  if (used != names.size())
    throw EngineError(
        fmt::format("Příkaz SQL čeká méně jmen, než kolik jich dostal: {}", std::string(pattern)));
  return out;
}

TablePath SplitTablePath(const std::string& path) {
  std::string p = platform::NormalizePath(platform::Trim(path));
  TablePath out;
  out.table = platform::FileNameOf(p);
  if (platform::EndsWithNoCase(out.table, ".db")) out.table.resize(out.table.size() - 3);
  if (p.find('/') == std::string::npos) {
    out.directory = ".";
  } else {
    out.directory = platform::DirectoryOf(p);
    if (out.directory.empty()) out.directory = "/";
  }
  return out;
}

std::vector<std::string> AlterTableAdd(Database& db, const std::string& table,
                                       const std::vector<FieldDef>& fields) {
  auto actual = db.FindTable(table);
  if (!actual)
    throw EngineError(
        fmt::format("Tabulka \"{}\" v databázi \"{}\" neexistuje.", table, db.directory()));
  std::vector<std::string> statements;
  Transaction tx(db);
  for (const auto& f : fields) {
    std::string sql =
        SqlWithNames("ALTER TABLE {} ADD COLUMN {} ", {*actual, f.name}) + DeclaredType(f.shape);
    db.Execute(sql);
    statements.push_back(sql);
  }
  tx.Commit();
  return statements;
}

Query::Query(Database db) : db_(std::move(db)) {}

Query Query::OnTablePath(const std::string& path, std::string* table, OpenMode mode) {
  TablePath tp = SplitTablePath(path);
  Database db = Database::Open(tp.directory, mode);
  auto actual = db.FindTable(tp.table);
  if (table) *table = actual ? *actual : tp.table;
  return Query(std::move(db));
}

void Query::SetSql(std::string pattern, std::vector<std::string> names) {
  Close();
  sql_ = SqlWithNames(pattern, names);
}

int64_t Query::ExecSql() {
  Close();
  return db_.Execute(sql_, params_);
}

void Query::Open() {
  Close();
  Statement st(db_.handle(), sql_);
  st.BindAll(params_);
  int n = st.ColumnCount();
  for (int i = 0; i < n; ++i) {
    ColumnInfo c;
    c.name = st.ColumnName(i);
    const char* decl = sqlite3_column_decltype(st.get(), i);
    c.declared = decl ? decl : "";
    c.shape = decl ? ParseDeclaredType(c.declared) : FieldShape{FieldType::kMemo, 0};
    columns_.push_back(std::move(c));
  }
  while (st.Step()) {
    std::vector<Value> row;
    row.reserve(n);
    for (int i = 0; i < n; ++i) row.push_back(st.Column(i));
    rows_.push_back(std::move(row));
  }
  active_ = true;
  pos_ = 0;
}

void Query::Close() {
  active_ = false;
  columns_.clear();
  rows_.clear();
  pos_ = 0;
}

void Query::First() { pos_ = 0; }
void Query::Next() {
  if (pos_ < rows_.size()) ++pos_;
}

int Query::FieldIndex(const std::string& name) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (platform::SameTextCz(columns_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

const ColumnInfo* Query::FindField(const std::string& name) const {
  int i = FieldIndex(name);
  return i < 0 ? nullptr : &columns_[i];
}

const std::vector<Value>& Query::Current() const {
  if (!active_ || Eof()) throw EngineError("Dotaz nemá aktuální řádek.");
  return rows_[pos_];
}

Value Query::GetValue(const std::string& field) const {
  int i = FieldIndex(field);
  if (i < 0) throw EngineError(fmt::format("Dotaz nemá položku \"{}\".", field));
  return Current()[i];
}

bool Query::IsNull(const std::string& field) const {
  Value v = GetValue(field);
  return v.is_null() || (v.is_text() && v.text().empty());
}

std::string Query::AsString(const std::string& field) const {
  Value v = GetValue(field);
  return ValueAsString(*FindField(field), v);
}
int64_t Query::AsInteger(const std::string& field) const {
  Value v = GetValue(field);
  return ValueAsInteger(*FindField(field), v);
}
double Query::AsFloat(const std::string& field) const {
  Value v = GetValue(field);
  return ValueAsFloat(*FindField(field), v);
}
bool Query::AsBoolean(const std::string& field) const {
  Value v = GetValue(field);
  return ValueAsBoolean(*FindField(field), v);
}

}  // namespace tarnik::engine
