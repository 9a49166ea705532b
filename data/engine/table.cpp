#include "data/engine/table.h"

#include <sqlite3.h>

#include <algorithm>

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/field_value.h"
#include "data/engine/sqlite_util.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::engine {

std::vector<std::string> SplitFieldNames(const std::string& names) {
  std::vector<std::string> out;
  for (auto& part : platform::Split(names, ';')) {
    std::string t = platform::Trim(part);
    if (!t.empty()) out.push_back(t);
  }
  return out;
}

Table::Table(Database db, const std::string& name, bool load_rows)
    : db_(std::move(db)), suspended_(!load_rows) {
  auto actual = db_.FindTable(name);
  if (!actual)
    throw EngineError(
        fmt::format("Tabulka \"{}\" v adresáři \"{}\" neexistuje.", name, db_.directory()));
  name_ = *actual;
  LoadColumns();
  SetIndexName("");
}

std::unique_ptr<Table> Table::OpenPath(const std::string& path, OpenMode mode) {
  std::string p = platform::NormalizePath(path);
  std::string dir = platform::DirectoryOf(p);
  std::string file = platform::FileNameOf(p);
  if (platform::EndsWithNoCase(file, ".db")) file = file.substr(0, file.size() - 3);
  if (dir.empty() && p.find('/') == std::string::npos) dir = ".";
  if (dir.empty()) dir = "/";
  return std::make_unique<Table>(Database::Open(dir, mode), file);
}

Table::~Table() {
  ClearMaster();
  for (Table* d : details_) d->master_ = nullptr;
}

namespace {
// The upper-case ASCII form of a field name; false when the name has other than ASCII bytes.
bool AsciiFieldKey(std::string_view name, std::string* key) {
  key->assign(name);
  for (char& c : *key) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return true;
}

// Identifiers of row universes, unique over all tables of the program.
uint64_t NextUniverseId() {
  static uint64_t last = 0;
  return ++last;
}
}  // namespace

void Table::LoadColumns() {
  columns_ = db_.Columns(name_);
  field_map_.clear();
  other_names_ = false;
  std::string key;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (AsciiFieldKey(columns_[i].name, &key)) {
      field_map_.emplace(key, static_cast<int>(i));  // the first of equal names wins
    } else {
      other_names_ = true;
    }
  }
  id_column_ = FieldIndex("ID");
}

std::vector<std::string> Table::FieldNames() const {
  std::vector<std::string> out;
  for (auto& c : columns_) out.push_back(c.name);
  return out;
}

int Table::FieldIndex(const std::string& name) const {
  std::string key;
  if (AsciiFieldKey(name, &key)) {
    auto it = field_map_.find(key);
    if (it != field_map_.end()) return it->second;
    if (!other_names_) return -1;
  }
  // Names with Czech letters compare by the Czech case rules.
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (platform::SameTextCz(columns_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

const ColumnInfo* Table::FindField(const std::string& name) const {
  int i = FieldIndex(name);
  return i < 0 ? nullptr : &columns_[i];
}

const ColumnInfo& Table::FieldByName(const std::string& name) const {
  int i = FieldIndex(name);
  if (i < 0) throw EngineError(fmt::format("Tabulka \"{}\" nemá položku \"{}\".", name_, name));
  return columns_[i];
}

void Table::SetIndexName(const std::string& index) {
  std::vector<std::string> fields;
  if (index.empty() || platform::SameTextCz(index, "PRIMARY")) {
    fields = db_.PrimaryKey(name_);
  } else {
    bool found = false;
    for (auto& def : db_.Indexes(name_)) {
      if (platform::SameTextCz(def.name, index)) {
        fields = def.columns;
        found = true;
        break;
      }
    }
    if (!found) throw EngineError(fmt::format("Tabulka \"{}\" nemá index \"{}\".", name_, index));
  }
  SetIndexFieldNames(platform::Join(fields, ";"));
}

void Table::SetIndexFieldNames(const std::string& names) {
  CheckBrowseMode();
  std::vector<std::string> fields = SplitFieldNames(names);
  std::vector<int> cols;
  for (auto& f : fields) {
    int i = FieldIndex(f);
    if (i < 0) throw EngineError(fmt::format("Tabulka \"{}\" nemá položku \"{}\".", name_, f));
    cols.push_back(i);
  }
  index_fields_ = fields;
  index_columns_ = cols;
  range_.reset();
  batch_.reset();  // its keys were made for the old index
  std::optional<int64_t> keep;
  if (!rows_.empty() && !eof_) keep = rows_[pos_].rowid;
  Reload(keep);
}

std::optional<Value> Table::MasterValue() const {
  if (!master_) return std::nullopt;
  if (master_->IsEmpty()) return Value();
  return master_->GetValue(master_field_);
}

void Table::Resume() {
  if (!suspended_) return;
  suspended_ = false;
  Reload(std::nullopt);
}

void Table::Reload(std::optional<int64_t> keep_rowid) {
  if (suspended_) {
    rows_.clear();
    rows_snapshot_.reset();
    rows_from_batch_ = false;
    universe_id_ = NextUniverseId();
    pos_ = 0;
    bof_ = eof_ = true;
    current_.clear();
    current_values_ = nullptr;
    current_loaded_ = false;
    return;
  }
  const bool id_tiebreak = IdBreaksTies();
  // The rows of a master row or a range are few and are usually all visited; inside a
  // transaction they are read whole at once instead of one query per visited row.
  std::optional<Database::Snapshot> snapshot;
  if (master_ || range_) snapshot = db_.CurrentSnapshot();
  std::vector<Value> params;
  bool no_rows = false;
  if (master_) {
    auto mv = MasterValue();
    if (!mv || mv->is_null()) {
      no_rows = true;
    } else {
      params.push_back(*mv);
    }
  }
  // A range whose first field is fixed is also given to SQLite, so that an index on that field
  // serves it; the full range is still applied below. Only numeric keys are handed over: text
  // keys compare by the Czech collation, which SQLite does not know.
  bool range_key = false;
  if (range_ && !no_rows && !range_->low.empty() && !range_->high.empty() &&
      !index_columns_.empty()) {
    const Value& low = range_->low[0];
    const Value& high = range_->high[0];
    int c = CompareValues(low, high);
    if (c > 0) {
      no_rows = true;
    } else if (c == 0 && low.is_number()) {
      range_key = true;
      params.push_back(low);
    }
  }
  rows_.clear();
  rows_from_batch_ = !no_rows && master_ && snapshot && RowsFromBatch(params[0], *snapshot);
  if (rows_from_batch_) {
    universe_id_ = batch_->id;
  } else {
    universe_id_ = NextUniverseId();
  }
  if (!no_rows && !rows_from_batch_) {
    std::string sql = "SELECT rowid";
    if (snapshot) {
      sql += ", *";
    } else {
      for (int c : index_columns_) sql += ", " + QuoteIdentifier(columns_[c].name);
      if (id_tiebreak) sql += ", " + QuoteIdentifier(columns_[id_column_].name);
    }
    sql += " FROM " + QuoteIdentifier(name_);
    if (master_) sql += " WHERE " + QuoteIdentifier(detail_field_) + " = ?";
    if (range_key) {
      sql += master_ ? " AND " : " WHERE ";
      sql += QuoteIdentifier(columns_[index_columns_[0]].name) + " = ?";
    }
    if (!reload_ || reload_sql_ != sql) {
      reload_ = std::make_unique<Statement>(db_.handle(), sql);
      reload_sql_ = sql;
    }
    Statement& st = *reload_;
    st.Reset();
    st.BindAll(params);
    size_t width = index_columns_.size() + (id_tiebreak ? 1 : 0);
    while (st.Step()) {
      if (snapshot) {
        rows_.push_back(WholeRow(st, id_tiebreak));
        continue;
      }
      Row r;
      r.rowid = st.Column(0).integer();
      auto key = std::make_shared<std::vector<Value>>();
      key->reserve(width);
      for (size_t i = 0; i < width; ++i) key->push_back(st.Column(static_cast<int>(i) + 1));
      r.key = std::move(key);
      rows_.push_back(std::move(r));
    }
    st.Reset();
  }
  rows_snapshot_ = snapshot;
  std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) {
    for (size_t i = 0; i < a.key->size(); ++i) {
      int c = CompareValues((*a.key)[i], (*b.key)[i]);
      if (c != 0) return c < 0;
    }
    return a.rowid < b.rowid;
  });
  if (range_) {
    std::vector<Row> kept;
    for (auto& r : rows_) {
      if (ComparePrefix(r, range_->low) >= 0 && ComparePrefix(r, range_->high) <= 0)
        kept.push_back(std::move(r));
    }
    rows_ = std::move(kept);
  }
  pos_ = 0;
  bof_ = true;
  eof_ = rows_.empty();
  if (keep_rowid) {
    for (size_t i = 0; i < rows_.size(); ++i) {
      if (rows_[i].rowid == *keep_rowid) {
        pos_ = i;
        bof_ = i == 0;
        break;
      }
    }
  }
  PositionChanged();
}

bool Table::IdBreaksTies() const {
  return id_column_ >= 0 && std::find(index_columns_.begin(), index_columns_.end(), id_column_) ==
                                index_columns_.end();
}

Table::Row Table::WholeRow(const Statement& st, bool id_tiebreak) const {
  Row r;
  r.rowid = st.Column(0).integer();
  auto values = std::make_shared<std::vector<Value>>();
  values->reserve(columns_.size());
  st.AppendColumns(1, static_cast<int>(columns_.size()), values.get());
  auto key = std::make_shared<std::vector<Value>>();
  key->reserve(index_columns_.size() + (id_tiebreak ? 1 : 0));
  for (int c : index_columns_) key->push_back((*values)[c]);
  if (id_tiebreak) key->push_back((*values)[id_column_]);
  r.key = std::move(key);
  r.values = std::move(values);
  return r;
}

const std::vector<Table::Row>* Table::Universe() const {
  if (rows_from_batch_ && batch_) return &batch_->rows;
  if (rows_snapshot_) return &rows_;
  return nullptr;
}

bool Table::RowsFromBatch(const Value& link, const Database::Snapshot& snapshot) {
  if (!link.is_number()) return false;
  if (!batch_ || batch_->snapshot != snapshot || batch_->master_universe != master_->universe_id_) {
    batch_.reset();
    if (!ReadBatch(snapshot)) return false;
  }
  auto group = batch_->groups.find(link.number());
  if (group == batch_->groups.end()) return false;  // a master row the batch was not read for
  rows_.assign(batch_->rows.begin() + static_cast<std::ptrdiff_t>(group->second.first),
               batch_->rows.begin() + static_cast<std::ptrdiff_t>(group->second.second));
  return true;
}

bool Table::ReadBatch(const Database::Snapshot& snapshot) {
  constexpr size_t kMaxKeys = 4096;  // more master rows than a compartment has: read as before
  const std::vector<Row>* universe = master_->Universe();
  const int master_column = master_->FieldIndex(master_field_);
  const int detail_column = FieldIndex(detail_field_);
  if (!universe || master_column < 0 || detail_column < 0) return false;
  // A text link column would compare the parameter as text: only number columns are batched.
  const FieldType link_type = columns_[detail_column].shape.type;
  if (!IsIntegerType(link_type) && !IsRealType(link_type)) return false;
  // Links are compared as numbers, as SQLite compares a number parameter; a master whose link
  // values are not all numbers is read row by row.
  std::vector<double> keys;
  std::unordered_map<double, std::pair<size_t, size_t>> groups;
  for (const Row& r : *universe) {
    if (!r.values || r.values->size() <= static_cast<size_t>(master_column)) return false;
    const Value& v = (*r.values)[master_column];
    if (v.is_null()) continue;
    if (!v.is_number()) return false;
    if (groups.emplace(v.number(), std::pair<size_t, size_t>{0, 0}).second)
      keys.push_back(v.number());
  }
  if (keys.size() > kMaxKeys) return false;
  const bool id_tiebreak = IdBreaksTies();
  // The keys are read by runs of near neighbours, one index range each: the few rows of other
  // masters inside a run are read and dropped.
  constexpr double kGap = 8;
  std::sort(keys.begin(), keys.end());
  if (!batch_statement_) {
    batch_statement_ = std::make_unique<Statement>(
        db_.handle(), "SELECT rowid, * FROM " + QuoteIdentifier(name_) + " WHERE " +
                          QuoteIdentifier(detail_field_) + " BETWEEN ? AND ?");
  }
  Statement& st = *batch_statement_;
  std::vector<Row> rows;
  for (size_t first = 0; first < keys.size();) {
    size_t last = first;
    while (last + 1 < keys.size() && keys[last + 1] - keys[last] <= kGap) ++last;
    st.Reset();
    st.Bind(1, Value(keys[first]));
    st.Bind(2, Value(keys[last]));
    while (st.Step()) {
      const Value link = st.Column(detail_column + 1);
      if (!link.is_number() || !groups.count(link.number())) continue;
      rows.push_back(WholeRow(st, id_tiebreak));
    }
    st.Reset();
    first = last + 1;
  }
  std::stable_sort(rows.begin(), rows.end(), [detail_column](const Row& a, const Row& b) {
    return (*a.values)[detail_column].number() < (*b.values)[detail_column].number();
  });
  for (size_t i = 0; i < rows.size();) {
    size_t j = i;
    const double link = (*rows[i].values)[detail_column].number();
    while (j < rows.size() && (*rows[j].values)[detail_column].number() == link) ++j;
    auto group = groups.find(link);
    if (group != groups.end()) group->second = {i, j};
    i = j;
  }
  batch_ = Batch();  // clang 14 cannot emplace() a nested class with member initializers
  batch_->id = NextUniverseId();
  batch_->master_universe = master_->universe_id_;
  batch_->snapshot = snapshot;
  batch_->rows = std::move(rows);
  batch_->groups = std::move(groups);
  return true;
}

void Table::Refresh() {
  CheckBrowseMode();
  std::optional<int64_t> keep;
  if (!rows_.empty()) keep = rows_[pos_].rowid;
  size_t old_pos = pos_;
  Reload(keep);
  if (keep && !rows_.empty() && rows_[pos_].rowid != *keep && old_pos < rows_.size()) {
    pos_ = old_pos;
    bof_ = pos_ == 0;
    PositionChanged();
  }
}

void Table::LoadCurrent() {
  current_.clear();
  current_values_ = nullptr;
  current_loaded_ = false;
  if (rows_.empty()) return;
  const Row& row = rows_[pos_];
  if (row.values && rows_snapshot_ && rows_snapshot_ == db_.CurrentSnapshot()) {
    current_values_ = row.values.get();
    current_loaded_ = true;
    return;
  }
  if (!load_current_) {
    load_current_ = std::make_unique<Statement>(
        db_.handle(), "SELECT * FROM " + QuoteIdentifier(name_) + " WHERE rowid = ?");
  }
  Statement& st = *load_current_;
  st.Reset();
  st.Bind(1, Value(rows_[pos_].rowid));
  if (!st.Step()) {
    st.Reset();
    throw EngineError(fmt::format("Záznam tabulky \"{}\" byl mezitím smazán.", name_));
  }
  current_.reserve(columns_.size());
  for (size_t i = 0; i < columns_.size(); ++i) current_.push_back(st.Column(static_cast<int>(i)));
  st.Reset();  // no statement stays open between calls
  current_values_ = &current_;
  current_loaded_ = true;
}

void Table::PositionChanged() {
  for (Table* t = this; t; t = t->master_) ++t->subtree_moves_;
  LoadCurrent();
  // Details follow even when the same row id comes back, because its values may have changed.
  for (Table* d : details_) d->MasterMoved();
  if (after_scroll_) after_scroll_(*this);
  settled_moves_ = subtree_moves_;
  settled_snapshot_ = db_.CurrentSnapshot();
}

bool Table::SettledOnFirstRow() const {
  // Inside a transaction nobody else can change what this connection sees; no write through the
  // connection and no move of this table or its details since the row and its details were read.
  // A table with an after-scroll handler may position others, so it always moves again.
  return pos_ == 0 && !rows_.empty() && !eof_ && current_loaded_ && state_ == TableState::kBrowse &&
         !after_scroll_ && settled_moves_ == subtree_moves_ && settled_snapshot_ &&
         settled_snapshot_ == db_.CurrentSnapshot();
}

void Table::MasterMoved() {
  CheckBrowseMode();
  Reload(std::nullopt);
}

void Table::First() {
  CheckBrowseMode();
  // A walk that starts with First right after the master moved finds the table settled there:
  // reading the row and its details again would give the same.
  if (SettledOnFirstRow()) {
    bof_ = true;
    return;
  }
  pos_ = 0;
  bof_ = true;
  eof_ = rows_.empty();
  PositionChanged();
}

void Table::Last() {
  CheckBrowseMode();
  pos_ = rows_.empty() ? 0 : rows_.size() - 1;
  bof_ = rows_.empty();
  eof_ = rows_.empty();
  PositionChanged();
}

void Table::Next() {
  CheckBrowseMode();
  if (pos_ + 1 < rows_.size()) {
    ++pos_;
    bof_ = false;
    eof_ = false;
    PositionChanged();
  } else {
    eof_ = true;
  }
}

void Table::Prior() {
  CheckBrowseMode();
  if (pos_ > 0 && !rows_.empty()) {
    --pos_;
    eof_ = false;
    bof_ = false;
    PositionChanged();
  } else {
    bof_ = true;
  }
}

void Table::GoTo(int64_t recno) {
  CheckBrowseMode();
  if (recno < 1 || recno > RecordCount())
    throw EngineError(fmt::format("Tabulka \"{}\" nemá záznam číslo {}.", name_, recno));
  pos_ = static_cast<size_t>(recno - 1);
  bof_ = pos_ == 0;
  eof_ = false;
  PositionChanged();
}

std::vector<Value> Table::ConvertKey(const std::vector<Value>& key) const {
  if (key.size() > index_columns_.size())
    throw EngineError(
        fmt::format("Klíč má víc hodnot, než kolik položek má index tabulky \"{}\".", name_));
  std::vector<Value> out;
  for (size_t i = 0; i < key.size(); ++i)
    out.push_back(ValueForField(columns_[index_columns_[i]], key[i]));
  return out;
}

int Table::ComparePrefix(const Row& row, const std::vector<Value>& key) const {
  const std::vector<Value>& row_key = *row.key;
  for (size_t i = 0; i < key.size() && i < row_key.size(); ++i) {
    int c = CompareValues(row_key[i], key[i]);
    if (c != 0) return c;
  }
  return 0;
}

bool Table::FindKey(const std::vector<Value>& key) {
  CheckBrowseMode();
  auto k = ConvertKey(key);
  auto it = std::lower_bound(rows_.begin(), rows_.end(), k, [this](const Row& r, const auto& kk) {
    return ComparePrefix(r, kk) < 0;
  });
  if (it == rows_.end() || ComparePrefix(*it, k) != 0) return false;
  pos_ = static_cast<size_t>(it - rows_.begin());
  bof_ = pos_ == 0;
  eof_ = false;
  PositionChanged();
  return true;
}

void Table::FindNearest(const std::vector<Value>& key) {
  CheckBrowseMode();
  auto k = ConvertKey(key);
  auto it = std::lower_bound(rows_.begin(), rows_.end(), k, [this](const Row& r, const auto& kk) {
    return ComparePrefix(r, kk) < 0;
  });
  if (rows_.empty()) return;
  pos_ = it == rows_.end() ? rows_.size() - 1 : static_cast<size_t>(it - rows_.begin());
  bof_ = pos_ == 0;
  eof_ = false;
  PositionChanged();
}

void Table::SetRange(const std::vector<Value>& low, const std::vector<Value>& high) {
  CheckBrowseMode();
  range_ = Range{ConvertKey(low), ConvertKey(high)};
  Reload(std::nullopt);
}

void Table::SetRangeFrom(const std::vector<Value>& low, const std::vector<Value>& high,
                         const Table& source) {
  if (suspended_ || master_ || source.suspended_ || &source == this ||
      source.db_.handle() != db_.handle() || source.name_ != name_ ||
      source.index_columns_ != index_columns_) {
    SetRange(low, high);
    return;
  }
  CheckBrowseMode();
  range_ = Range{ConvertKey(low), ConvertKey(high)};
  rows_.clear();
  for (const Row& r : source.rows_) {
    if (ComparePrefix(r, range_->low) >= 0 && ComparePrefix(r, range_->high) <= 0)
      rows_.push_back(r);
  }
  rows_snapshot_ = source.rows_snapshot_;
  rows_from_batch_ = false;
  universe_id_ = NextUniverseId();
  pos_ = 0;
  bof_ = true;
  eof_ = rows_.empty();
  PositionChanged();
}

void Table::CancelRange() {
  CheckBrowseMode();
  range_.reset();
  Reload(std::nullopt);
}

void Table::SetMaster(Table* master, const std::string& detail_field,
                      const std::string& master_field) {
  if (master == this) throw EngineError("Tabulka nemůže být sama sobě nadřízená.");
  FieldByName(detail_field);
  master->FieldByName(master_field);
  ClearMaster();
  batch_.reset();
  master_ = master;
  detail_field_ = FieldByName(detail_field).name;
  master_field_ = master_field;
  master->details_.push_back(this);
  Reload(std::nullopt);
}

void Table::ClearMaster() {
  if (!master_) return;
  auto& d = master_->details_;
  d.erase(std::remove(d.begin(), d.end(), this), d.end());
  master_ = nullptr;
}

void Table::RequireWritable() const {
  if (db_.read_only())
    throw EngineError(fmt::format("Tabulka \"{}\" je otevřena jen pro čtení.", name_));
}

void Table::CheckBrowseMode() {
  if (state_ == TableState::kBrowse) return;
  if (modified()) {
    Post();
  } else {
    Cancel();
  }
}

bool Table::modified() const {
  return state_ != TableState::kBrowse &&
         std::find(changed_.begin(), changed_.end(), true) != changed_.end();
}

void Table::Append() {
  RequireWritable();
  CheckBrowseMode();
  buffer_.assign(columns_.size(), Value());
  changed_.assign(columns_.size(), false);
  state_ = TableState::kInsert;
  if (master_) {
    auto mv = MasterValue();
    if (mv && !mv->is_null()) {
      int i = FieldIndex(detail_field_);
      buffer_[i] = ValueForField(columns_[i], *mv);
      changed_[i] = true;
    }
  }
}

void Table::Edit() {
  RequireWritable();
  if (state_ != TableState::kBrowse) return;
  if (rows_.empty() || !current_loaded_)
    throw EngineError(fmt::format("Tabulka \"{}\" nemá žádný záznam k opravě.", name_));
  buffer_ = *current_values_;
  changed_.assign(columns_.size(), false);
  state_ = TableState::kEdit;
}

void Table::Cancel() {
  state_ = TableState::kBrowse;
  buffer_.clear();
  changed_.clear();
}

void Table::Post() {
  if (state_ == TableState::kBrowse) return;
  RequireWritable();
  // Autoincrement fields left blank take the next number.
  if (state_ == TableState::kInsert) {
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (columns_[i].shape.type == FieldType::kAutoInc && buffer_[i].is_null()) {
        Statement st(db_.handle(), "SELECT COALESCE(MAX(" + QuoteIdentifier(columns_[i].name) +
                                       "), 0) + 1 FROM " + QuoteIdentifier(name_));
        st.Step();
        buffer_[i] = st.Column(0);
        changed_[i] = true;
      }
    }
  }
  std::vector<Value> params;
  std::string sql;
  if (state_ == TableState::kInsert) {
    std::string cols, marks;
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (!changed_[i]) continue;
      if (!cols.empty()) {
        cols += ", ";
        marks += ", ";
      }
      cols += QuoteIdentifier(columns_[i].name);
      marks += "?";
      params.push_back(buffer_[i]);
    }
    sql = cols.empty()
              ? "INSERT INTO " + QuoteIdentifier(name_) + " DEFAULT VALUES"
              : "INSERT INTO " + QuoteIdentifier(name_) + " (" + cols + ") VALUES (" + marks + ")";
  } else {
    std::string sets;
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (!changed_[i]) continue;
      if (!sets.empty()) sets += ", ";
      sets += QuoteIdentifier(columns_[i].name) + " = ?";
      params.push_back(buffer_[i]);
    }
    if (sets.empty()) {
      Cancel();
      return;
    }
    sql = "UPDATE " + QuoteIdentifier(name_) + " SET " + sets + " WHERE rowid = ?";
    params.push_back(Value(rows_[pos_].rowid));
  }
  int64_t rowid;
  try {
    Statement st(db_.handle(), sql);
    st.BindAll(params);
    st.Step();
    rowid =
        state_ == TableState::kInsert ? sqlite3_last_insert_rowid(db_.handle()) : rows_[pos_].rowid;
  } catch (const EngineError& e) {
    int code = sqlite3_extended_errcode(db_.handle());
    if (code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE)
      throw EngineError(fmt::format("Klíč v tabulce \"{}\" již existuje.", name_));
    throw;
  }
  Cancel();
  Reload(rowid);
  // A row outside the range or master link is not shown; the cursor stays at the start then.
}

void Table::Delete() {
  RequireWritable();
  if (state_ == TableState::kInsert) {
    Cancel();
    return;
  }
  Cancel();
  if (rows_.empty())
    throw EngineError(fmt::format("Tabulka \"{}\" nemá žádný záznam ke smazání.", name_));
  size_t old = pos_;
  db_.Execute("DELETE FROM " + QuoteIdentifier(name_) + " WHERE rowid = ?",
              {Value(rows_[pos_].rowid)});
  Reload(std::nullopt);
  if (!rows_.empty()) {
    pos_ = std::min(old, rows_.size() - 1);
    bof_ = pos_ == 0;
    eof_ = false;
    PositionChanged();
  }
}

void Table::Flush() { CheckBrowseMode(); }

const std::vector<Value>& Table::CurrentValues() const {
  if (state_ != TableState::kBrowse) return buffer_;
  if (!current_loaded_)
    throw EngineError(fmt::format("Tabulka \"{}\" nemá aktuální záznam.", name_));
  return *current_values_;
}

Value Table::GetValue(const std::string& field) const {
  int i = FieldIndex(field);
  if (i < 0) throw EngineError(fmt::format("Tabulka \"{}\" nemá položku \"{}\".", name_, field));
  return CurrentValues()[i];
}

const Value& Table::GetValueAt(int position) const {
  const std::vector<Value>& values = CurrentValues();
  if (position < 0 || static_cast<size_t>(position) >= values.size())
    throw EngineError(fmt::format("Tabulka \"{}\" nemá položku číslo {}.", name_, position));
  return values[position];
}

bool Table::IsNull(const std::string& field) const {
  Value v = GetValue(field);
  return v.is_null() || (v.is_text() && v.text().empty());
}

std::string Table::AsString(const std::string& field) const {
  return ValueAsString(FieldByName(field), GetValue(field));
}
int64_t Table::AsInteger(const std::string& field) const {
  return ValueAsInteger(FieldByName(field), GetValue(field));
}
double Table::AsFloat(const std::string& field) const {
  return ValueAsFloat(FieldByName(field), GetValue(field));
}
bool Table::AsBoolean(const std::string& field) const {
  return ValueAsBoolean(FieldByName(field), GetValue(field));
}
std::optional<platform::Date> Table::AsDate(const std::string& field) const {
  return ValueAsDate(GetValue(field));
}

void Table::SetValue(const std::string& field, const Value& value) {
  if (state_ == TableState::kBrowse)
    throw EngineError(fmt::format("Tabulka \"{}\" není v režimu opravy ani přidávání.", name_));
  int i = FieldIndex(field);
  if (i < 0) throw EngineError(fmt::format("Tabulka \"{}\" nemá položku \"{}\".", name_, field));
  buffer_[i] = ValueForField(columns_[i], value);
  changed_[i] = true;
}

void Table::SetDate(const std::string& field, const platform::Date& date) {
  SetValue(field, Value(IsoDate(date)));
}

}  // namespace tarnik::engine
