#include "islh/import_database.h"

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/field_type.h"
#include "data/engine/field_value.h"
#include "data/engine/sqlite_util.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {

using engine::ColumnInfo;
using engine::EngineError;
using engine::QuoteIdentifier;
using engine::Statement;
using engine::Value;

namespace {

const char* SchemaName(Schema schema) { return schema == Schema::kPhs ? "phs" : "main"; }

// Runs a database step; the engine's failures become ImportDatabaseError.
template <class F>
auto Guard(F&& step) -> decltype(step()) {
  try {
    return step();
  } catch (const EngineError& e) {
    throw ImportDatabaseError(e.what());
  }
}

}  // namespace

TableWriter::TableWriter(ImportDatabase& db, Schema schema, const std::string& table)
    : db_(db), qualified_(ImportDatabase::Qualified(schema, table)) {
  columns_ = db.Columns(schema, table);
  table_ = table;
  recent_.resize(kRecentSlots);
  if (columns_.empty()) return;
  std::string names, marks;
  for (size_t i = 0; i < columns_.size(); ++i) {
    index_.insert_or_assign(columns_[i].name, static_cast<int>(i));
    names += (i ? ", " : "") + QuoteIdentifier(columns_[i].name);
    marks += i ? ", ?" : "?";
  }
  row_.resize(columns_.size());
  set_.assign(columns_.size(), false);
  insert_ = Guard([&] {
    return std::make_unique<Statement>(db.plan().handle(), "INSERT INTO " + qualified_ + " (" +
                                                               names + ") VALUES (" + marks + ")");
  });
}

TableWriter::~TableWriter() = default;

size_t TableWriter::NoCaseHash::operator()(std::string_view name) const {
  uint64_t h = 14695981039346656037ULL;  // FNV-1a over the upper-cased bytes
  for (const char c : name) {
    h ^= static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    h *= 1099511628211ULL;
  }
  return static_cast<size_t>(h);
}

bool TableWriter::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'a' && a[i] <= 'z' ? a[i] - 'a' + 'A' : a[i];
    const char y = b[i] >= 'a' && b[i] <= 'z' ? b[i] - 'a' + 'A' : b[i];
    if (x != y) return false;
  }
  return true;
}

int TableWriter::Index(std::string_view column) const {
  const auto address = reinterpret_cast<uintptr_t>(column.data());
  // Literals lie a few bytes apart: every bit of the address counts.
  Recent& slot = recent_[static_cast<size_t>(
      ((address ^ (column.size() << 7)) * 0x9E3779B97F4A7C15ULL) >> 56)];
  static_assert(kRecentSlots == 256);
  // A hit is checked against the spelling kept, so an address reused for another name (a
  // temporary) never answers wrongly.
  if (slot.data == column.data() && slot.spelling == column) return slot.index;
  auto it = index_.find(column);
  const int index = it == index_.end() ? -1 : it->second;
  slot.data = column.data();
  slot.spelling.assign(column);
  slot.index = index;
  return index;
}

bool TableWriter::Set(std::string_view column, const Value& value) {
  const int i = Index(column);
  if (i < 0) return false;
  const ColumnInfo& c = columns_[static_cast<size_t>(i)];
  try {
    row_[static_cast<size_t>(i)] = engine::ValueForField(c, value);
  } catch (const EngineError& e) {
    platform::ui().ShowMessage("Tabulka " + table_ + ", položka " + c.name + ": " + e.what(),
                               platform::Severity::kPassedOver);
    return false;
  }
  set_[static_cast<size_t>(i)] = true;
  return true;
}

Value TableWriter::Get(std::string_view column) const {
  const int i = Index(column);
  return i < 0 ? Value() : row_[static_cast<size_t>(i)];
}

void TableWriter::Clear() {
  for (Value& v : row_) v = Value();
  set_.assign(set_.size(), false);
}

int64_t TableWriter::Insert() {
  if (!insert_) throw ImportDatabaseError(fmt::format("Tabulka {} neexistuje.", table_));
  Guard([&] {
    insert_->Reset();
    insert_->BindAll(row_);
    insert_->Step();
    insert_->Reset();
  });
  Clear();
  ++inserted_;
  return sqlite3_last_insert_rowid(db_.plan().handle());
}

void TableWriter::Update(int64_t rowid) {
  std::string sql;
  std::vector<Value> params;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (!set_[i]) continue;
    sql += (sql.empty() ? "" : ", ") + QuoteIdentifier(columns_[i].name) + " = ?";
    params.push_back(row_[i]);
  }
  Clear();
  if (sql.empty()) return;
  params.push_back(Value(rowid));
  db_.Execute("UPDATE " + qualified_ + " SET " + sql + " WHERE rowid = ?", params);
}

ImportDatabase::ImportDatabase(engine::Database plan, const std::string& phs_file)
    : plan_(std::move(plan)) {
  if (phs_file.empty() || phs_file == plan_.file_path()) return;
  Guard([&] { plan_.Execute("ATTACH DATABASE ? AS phs", {Value(phs_file)}); });
  attached_ = true;
}

ImportDatabase::~ImportDatabase() {
  try {
    if (began_ && plan_.InTransaction()) plan_.Rollback();
  } catch (const std::exception&) {
  }
  ForgetStatements();
  if (attached_) {
    try {
      plan_.Execute("DETACH DATABASE phs");
    } catch (const std::exception&) {
    }
  }
}

void ImportDatabase::ForgetStatements() {
  writers_.clear();
  statements_.clear();
}

std::string ImportDatabase::Qualified(Schema schema, const std::string& table) {
  return QuoteIdentifier(SchemaName(schema)) + "." + QuoteIdentifier(table);
}

void ImportDatabase::Begin() {
  if (plan_.InTransaction())
    throw EngineError("Databáze plánu je uprostřed jiné transakce, import nelze začít.");
  counters_.clear();
  Guard([&] { plan_.StartTransaction(/*immediate=*/true); });
  began_ = true;
}

void ImportDatabase::Commit() {
  StoreCounters();
  Guard([&] { plan_.Commit(); });
  began_ = false;
}

void ImportDatabase::Rollback() {
  counters_.clear();
  began_ = false;
  Guard([&] {
    if (plan_.InTransaction()) plan_.Rollback();
  });
}

bool ImportDatabase::HasTable(Schema schema, const std::string& table) {
  if (schema == Schema::kPhs && !attached_) return false;
  return !Scalar("SELECT name FROM " + QuoteIdentifier(SchemaName(schema)) +
                     ".sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                 {Value(table)})
              .is_null();
}

std::vector<ColumnInfo> ImportDatabase::Columns(Schema schema, const std::string& table) {
  std::vector<ColumnInfo> columns;
  if (schema == Schema::kPhs && !attached_) return columns;
  Statement& st = Prepared("SELECT name, type, \"notnull\", pk FROM pragma_table_info(?, ?)");
  st.Bind(1, Value(table));
  st.Bind(2, Value(SchemaName(schema)));
  while (Guard([&] { return st.Step(); })) {
    ColumnInfo c;
    c.name = st.Column(0).text();
    const Value type = st.Column(1);
    c.declared = type.is_text() ? type.text() : "";
    c.shape = engine::ParseDeclaredType(c.declared);
    c.not_null = st.Column(2).is_integer() && st.Column(2).integer() != 0;
    c.primary_key_position =
        st.Column(3).is_integer() ? static_cast<int>(st.Column(3).integer()) : 0;
    columns.push_back(std::move(c));
  }
  st.Reset();
  return columns;
}

bool ImportDatabase::HasColumn(Schema schema, const std::string& table, const std::string& column) {
  for (const ColumnInfo& c : Columns(schema, table))
    if (platform::UpperAscii(c.name) == platform::UpperAscii(column)) return true;
  return false;
}

bool ImportDatabase::AddColumns(Schema schema, const std::string& table,
                                const std::vector<engine::FieldDef>& fields) {
  // One savepoint for all the columns: either every column is added or none.
  try {
    plan_.Execute("SAVEPOINT add_columns");
    for (const engine::FieldDef& f : fields) {
      plan_.Execute("ALTER TABLE " + Qualified(schema, table) + " ADD COLUMN " +
                    QuoteIdentifier(f.name) + " " + engine::DeclaredType(f.shape));
    }
    plan_.Execute("RELEASE add_columns");
  } catch (const EngineError&) {
    try {
      plan_.Execute("ROLLBACK TO add_columns");
      plan_.Execute("RELEASE add_columns");
    } catch (const EngineError&) {
    }
    return false;
  }
  writers_.erase(std::string(SchemaName(schema)) + "." + platform::UpperAscii(table));
  return true;
}

TableWriter& ImportDatabase::Writer(Schema schema, const std::string& table) {
  const std::string key = std::string(SchemaName(schema)) + "." + platform::UpperAscii(table);
  auto it = writers_.find(key);
  if (it == writers_.end())
    it = writers_.emplace(key, std::make_unique<TableWriter>(*this, schema, table)).first;
  return *it->second;
}

Statement& ImportDatabase::Prepared(const std::string& sql) {
  auto it = statements_.find(sql);
  if (it == statements_.end()) {
    auto st = Guard([&] { return std::make_unique<Statement>(plan_.handle(), sql); });
    it = statements_.emplace(sql, std::move(st)).first;
  }
  it->second->Reset();
  return *it->second;
}

int64_t ImportDatabase::Execute(const std::string& sql, const std::vector<Value>& params) {
  Statement& st = Prepared(sql);
  return Guard([&] {
    st.BindAll(params);
    st.Step();
    st.Reset();
    return static_cast<int64_t>(sqlite3_changes64(plan_.handle()));
  });
}

Value ImportDatabase::Scalar(const std::string& sql, const std::vector<Value>& params) {
  Statement& st = Prepared(sql);
  return Guard([&] {
    st.BindAll(params);
    Value v = st.Step() ? st.Column(0) : Value();
    st.Reset();
    return v;
  });
}

int64_t ImportDatabase::NewIdentifier(const std::string& key) {
  if (!id_key_) {
    if (!HasTable(Schema::kPlan, "ID"))
      throw EngineError("V databázi plánu chybí tabulka ID, nelze přidělit identifikátory.");
    id_key_ = ColumnInfo{"Tabulka", "VARCHAR(8)", {engine::FieldType::kAlpha, 8}, false, 0};
    for (const ColumnInfo& c : Columns(Schema::kPlan, "ID"))
      if (platform::UpperAscii(c.name) == "TABULKA") id_key_ = c;
  }
  // Keys are stored cut to the width of the column, as every program stores them.
  const Value stored_key = engine::ValueForField(*id_key_, Value(key));
  const std::string text = stored_key.is_text() ? stored_key.text() : key;
  auto it = counters_.find(text);
  if (it == counters_.end()) {
    Counter counter;
    const Value last =
        Scalar("SELECT \"ID\" FROM \"main\".\"ID\" WHERE \"Tabulka\" = ?", {stored_key});
    if (!last.is_null()) {
      counter.stored = true;
      counter.last = last.is_integer() ? last.integer() : static_cast<int64_t>(last.number());
    }
    it = counters_.emplace(text, counter).first;
  }
  it->second.dirty = true;
  return ++it->second.last;
}

void ImportDatabase::StoreCounters() {
  for (auto& [key, counter] : counters_) {
    if (!counter.dirty) continue;
    if (counter.stored) {
      Execute("UPDATE \"main\".\"ID\" SET \"ID\" = ? WHERE \"Tabulka\" = ?",
              {Value(static_cast<double>(counter.last)), Value(key)});
    } else {
      Execute("INSERT INTO \"main\".\"ID\" (\"Tabulka\", \"ID\") VALUES (?, ?)",
              {Value(key), Value(static_cast<double>(counter.last))});
      counter.stored = true;
    }
    counter.dirty = false;
  }
}

}  // namespace tarnik::islh
