#include "data/engine/database.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/sqlite_util.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::engine {

struct Database::State {
  sqlite3* db = nullptr;
  std::string directory;
  std::string alias;
  std::string file;
  bool read_only = false;
  sqlite3_stmt* data_version = nullptr;  // "PRAGMA data_version", prepared when first asked
  // BEGIN, BEGIN IMMEDIATE, COMMIT and ROLLBACK, prepared when first run: a transaction per
  // compartment would otherwise parse them thousands of times.
  std::array<sqlite3_stmt*, 4> control{};
  // The pager's data version as the current transaction reads it; forgotten at every end of a
  // transaction (through this class, by SQL text or as the hooks report).
  bool version_known = false;
  unsigned int version = 0;
  ~State() {
    for (sqlite3_stmt* st : control) sqlite3_finalize(st);
    sqlite3_finalize(data_version);
    sqlite3_close_v2(db);
  }
};

namespace {
std::string UriEscape(const std::string& path) {
  std::string out;
  for (unsigned char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      out += fmt::format("%{:02X}", c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}
}  // namespace

Database Database::Open(const std::string& directory, OpenMode mode, const std::string& alias) {
  auto state = std::make_shared<State>();
  state->directory = platform::ExcludeTrailingSlash(platform::ResolvePath(directory));
  if (state->directory.empty()) state->directory = directory;
  state->alias = alias;
  state->read_only = mode != OpenMode::kReadWrite;
  if (!platform::DirectoryExists(state->directory))
    throw EngineError(fmt::format("Adresář databáze \"{}\" neexistuje.", directory));
  auto found = platform::FindInDirectory(state->directory, kDatabaseFileName);
  state->file = found ? *found : platform::JoinPath(state->directory, kDatabaseFileName);
  int rc;
  if (state->read_only) {
    if (!found)
      throw EngineError(fmt::format("V adresáři \"{}\" nejsou žádné tabulky.", directory));
    std::string uri = "file:" + UriEscape(state->file) + "?mode=ro";
    if (mode == OpenMode::kReadOnlyMedia) uri += "&immutable=1";
    rc = sqlite3_open_v2(uri.c_str(), &state->db,
                         SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
  } else {
    // A connection is used by one thread only, so SQLite need not lock its own structures.
    rc = sqlite3_open_v2(state->file.c_str(), &state->db,
                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  }
  if (rc != SQLITE_OK) {
    std::string msg = state->db ? sqlite3_errmsg(state->db) : "?";
    throw EngineError(fmt::format("Nelze otevřít databázi \"{}\": {}", state->file, msg));
  }
  return Finish(state);
}

Database Database::OpenInMemory(const std::string& alias) {
  auto state = std::make_shared<State>();
  state->directory = ":memory:";
  state->alias = alias;
  state->file = ":memory:";
  if (sqlite3_open_v2(":memory:", &state->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK)
    throw EngineError("Nelze otevřít databázi v paměti.");
  return Finish(state);
}

Database Database::Finish(std::shared_ptr<State> state) {
  sqlite3_busy_timeout(state->db, 5000);
  RegisterCzechCollation(state->db);
  // The state outlives the handle (its destructor closes it), so the hooks may point at it.
  sqlite3_commit_hook(
      state->db,
      [](void* s) {
        static_cast<State*>(s)->version_known = false;
        return 0;
      },
      state.get());
  sqlite3_rollback_hook(
      state->db, [](void* s) { static_cast<State*>(s)->version_known = false; }, state.get());
  Database db(state);
  // Fails early on a file that is not a database.
  db.TableNames();
  return db;
}

const std::string& Database::directory() const { return state_->directory; }
const std::string& Database::alias() const { return state_->alias; }
std::string Database::file_path() const { return state_->file; }
bool Database::read_only() const { return state_->read_only; }
sqlite3* Database::handle() const { return state_->db; }

std::vector<std::string> Database::TableNames() const {
  Statement st(state_->db,
               "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' "
               "ORDER BY name");
  std::vector<std::string> names;
  while (st.Step()) names.push_back(st.Column(0).text());
  return names;
}

std::optional<std::string> Database::FindTable(const std::string& name) const {
  for (const auto& t : TableNames()) {
    if (platform::SameTextCz(t, name)) return t;
  }
  return std::nullopt;
}

namespace {
std::string RequireTable(const Database& db, const std::string& table) {
  auto actual = db.FindTable(table);
  if (!actual)
    throw EngineError(
        fmt::format("Tabulka \"{}\" v databázi \"{}\" neexistuje.", table, db.directory()));
  return *actual;
}
}  // namespace

std::vector<ColumnInfo> Database::Columns(const std::string& table) const {
  std::string actual = RequireTable(*this, table);
  Statement st(state_->db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?)");
  st.Bind(1, Value(actual));
  std::vector<ColumnInfo> cols;
  while (st.Step()) {
    ColumnInfo c;
    c.name = st.Column(0).text();
    Value t = st.Column(1);
    c.declared = t.is_text() ? t.text() : "";
    c.shape = ParseDeclaredType(c.declared);
    c.not_null = st.Column(2).is_integer() && st.Column(2).integer() != 0;
    c.primary_key_position =
        st.Column(3).is_integer() ? static_cast<int>(st.Column(3).integer()) : 0;
    cols.push_back(std::move(c));
  }
  return cols;
}

std::optional<ColumnInfo> Database::FindColumn(const std::string& table,
                                               const std::string& column) const {
  for (auto& c : Columns(table)) {
    if (platform::SameTextCz(c.name, column)) return c;
  }
  return std::nullopt;
}

std::vector<std::string> Database::PrimaryKey(const std::string& table) const {
  auto cols = Columns(table);
  std::vector<std::pair<int, std::string>> keyed;
  for (auto& c : cols) {
    if (c.primary_key_position > 0) keyed.emplace_back(c.primary_key_position, c.name);
  }
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::string> out;
  for (auto& [pos, name] : keyed) out.push_back(name);
  return out;
}

std::vector<IndexDef> Database::Indexes(const std::string& table) const {
  std::string actual = RequireTable(*this, table);
  Statement list(state_->db,
                 "SELECT name FROM pragma_index_list(?) WHERE origin='c' ORDER BY seq DESC");
  list.Bind(1, Value(actual));
  std::vector<IndexDef> out;
  std::vector<std::string> names;
  while (list.Step()) names.push_back(list.Column(0).text());
  for (const auto& full : names) {
    IndexDef def;
    std::string prefix = actual + "_";
    def.name = platform::StartsWithNoCase(full, prefix) ? full.substr(prefix.size()) : full;
    Statement info(state_->db, "SELECT name FROM pragma_index_info(?) ORDER BY seqno");
    info.Bind(1, Value(full));
    while (info.Step()) {
      Value n = info.Column(0);
      if (n.is_text()) def.columns.push_back(n.text());
    }
    out.push_back(std::move(def));
  }
  return out;
}

void Database::CreateTable(const TableDefinition& d) {
  if (d.fields.empty())
    throw EngineError(fmt::format("Tabulka \"{}\" nemá žádné položky.", d.name));
  std::string sql = "CREATE TABLE " + QuoteIdentifier(d.name) + " (";
  for (size_t i = 0; i < d.fields.size(); ++i) {
    if (i) sql += ", ";
    sql += QuoteIdentifier(d.fields[i].name) + " " + DeclaredType(d.fields[i].shape);
    if (d.fields[i].required) sql += " NOT NULL";
  }
  if (!d.primary_key.empty()) {
    sql += ", PRIMARY KEY (";
    for (size_t i = 0; i < d.primary_key.size(); ++i) {
      if (i) sql += ", ";
      sql += QuoteIdentifier(d.primary_key[i]);
    }
    sql += ")";
  }
  sql += ")";
  Transaction t(*this);
  Execute(sql);
  for (const auto& idx : d.indexes) {
    std::string s = "CREATE INDEX " + QuoteIdentifier(d.name + "_" + idx.name) + " ON " +
                    QuoteIdentifier(d.name) + " (";
    for (size_t i = 0; i < idx.columns.size(); ++i) {
      if (i) s += ", ";
      s += QuoteIdentifier(idx.columns[i]);
    }
    s += ")";
    Execute(s);
  }
  t.Commit();
}

void Database::AddColumn(const std::string& table, const FieldDef& field) {
  std::string actual = RequireTable(*this, table);
  Execute("ALTER TABLE " + QuoteIdentifier(actual) + " ADD COLUMN " + QuoteIdentifier(field.name) +
          " " + DeclaredType(field.shape));
}

void Database::DropTable(const std::string& table) {
  std::string actual = RequireTable(*this, table);
  Execute("DROP TABLE " + QuoteIdentifier(actual));
}

namespace {
// BEGIN, COMMIT, END, ROLLBACK, SAVEPOINT or RELEASE, in any case, after blanks.
bool ControlsTransactions(std::string_view sql) {
  size_t i = sql.find_first_not_of(" \t\r\n");
  if (i == std::string_view::npos) return false;
  std::string word;
  for (; i < sql.size() && std::isalpha(static_cast<unsigned char>(sql[i])) && word.size() < 10;
       ++i)
    word.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(sql[i]))));
  return word == "BEGIN" || word == "COMMIT" || word == "END" || word == "ROLLBACK" ||
         word == "SAVEPOINT" || word == "RELEASE";
}
}  // namespace

int64_t Database::Execute(const std::string& sql, const std::vector<Value>& params) {
  if (ControlsTransactions(sql)) state_->version_known = false;
  return ExecuteStatement(state_->db, sql, params);
}

namespace {
enum Control { kBegin, kBeginImmediate, kCommit, kRollback };
constexpr const char* kControlSql[] = {"BEGIN", "BEGIN IMMEDIATE", "COMMIT", "ROLLBACK"};
}  // namespace

void Database::RunControl(int which) {
  state_->version_known = false;
  const char* sql = kControlSql[which];
  sqlite3_stmt*& st = state_->control[which];
  if (!st && sqlite3_prepare_v2(state_->db, sql, -1, &st, nullptr) != SQLITE_OK) {
    std::string msg = sqlite3_errmsg(state_->db);
    sqlite3_finalize(st);
    st = nullptr;
    throw EngineError(fmt::format("Chybný příkaz SQL ({}): {}", msg, sql));
  }
  const int rc = sqlite3_step(st);
  // The message belongs to the step; reset would repeat the code, not clear it.
  std::string msg =
      rc == SQLITE_DONE || rc == SQLITE_ROW ? std::string() : sqlite3_errmsg(state_->db);
  sqlite3_reset(st);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW)
    throw EngineError(fmt::format("Chyba databáze: {} ({})", msg, sql));
}

void Database::StartTransaction(bool immediate) {
  if (InTransaction()) throw EngineError("Transakce již probíhá.");
  RunControl(immediate ? kBeginImmediate : kBegin);
}
void Database::Commit() {
  if (!InTransaction()) throw EngineError("Žádná transakce neprobíhá.");
  RunControl(kCommit);
}
void Database::Rollback() {
  if (!InTransaction()) return;
  RunControl(kRollback);
}
bool Database::InTransaction() const { return sqlite3_get_autocommit(state_->db) == 0; }

std::optional<Database::Snapshot> Database::CurrentSnapshot() const {
  if (!InTransaction()) {
    state_->version_known = false;
    return std::nullopt;
  }
  if (!state_->version_known) {
    // A deferred transaction sees a fixed state only once it has read: from then on it holds
    // the read lock (or the WAL snapshot).
    if (sqlite3_txn_state(state_->db, "main") == SQLITE_TXN_NONE) return std::nullopt;
    // The pager's data version moves with every commit of any connection, as seen when this
    // transaction began to read.
    if (sqlite3_file_control(state_->db, "main", SQLITE_FCNTL_DATA_VERSION, &state_->version) !=
        SQLITE_OK)
      return std::nullopt;
    state_->version_known = true;
  }
  // The change count follows the writes of this connection inside the transaction.
  return Snapshot{state_->version, sqlite3_total_changes64(state_->db)};
}

std::optional<Database::ContentToken> Database::CurrentContent() const {
  if (!state_->data_version && sqlite3_prepare_v2(state_->db, "PRAGMA data_version", -1,
                                                  &state_->data_version, nullptr) != SQLITE_OK) {
    return std::nullopt;
  }
  sqlite3_stmt* st = state_->data_version;
  std::optional<ContentToken> token;
  if (sqlite3_step(st) == SQLITE_ROW)
    token = ContentToken{sqlite3_column_int64(st, 0), sqlite3_total_changes64(state_->db)};
  sqlite3_reset(st);
  return token;
}

Transaction::Transaction(Database& db, bool immediate) : db_(db) {
  if (!db_.InTransaction()) {
    db_.StartTransaction(immediate);
    owner_ = true;
  }
}
Transaction::~Transaction() {
  if (owner_ && !done_) {
    try {
      db_.Rollback();
    } catch (...) {
    }
  }
}
void Transaction::Commit() {
  if (owner_ && !done_) db_.Commit();
  done_ = true;
}

}  // namespace tarnik::engine
