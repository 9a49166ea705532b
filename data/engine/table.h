// A table cursor as the plan readers and writers use it: rows of one table (optionally limited by
// a master row and an index range) in the order of the current index, a current record, fields by
// name, and a one-record edit buffer. The row set is read when the table opens, when the index,
// range or master row changes, after every post or delete and on Refresh(); changes made through
// other objects become visible after Refresh(). A Table keeps its Database alive; a detail
// table refers to its master, which must outlive the link (either side's destructor unlinks).
// Every failure throws EngineError; absent fields are answered by FindField() == nullptr.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/value.h"
#include "platform/numtext.h"

namespace tarnik::engine {

class Statement;

enum class TableState { kBrowse, kEdit, kInsert };

// "A;B;C" -> {"A","B","C"} (blanks around the names dropped).
std::vector<std::string> SplitFieldNames(const std::string& names);

class Table {
 public:
  // Opens table `name` of the database; throws when it does not exist. Without `load_rows` the
  // table shows no rows and reads none until Resume, so that a caller can set its index, master
  // and range first without reading the whole table on the way.
  Table(Database db, const std::string& name, bool load_rows = true);
  // Opens a table by path: "<dir>/PS.DB" or "<dir>/PS" (the directory's tables.sqlite).
  static std::unique_ptr<Table> OpenPath(const std::string& path,
                                         OpenMode mode = OpenMode::kReadWrite);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const std::string& name() const { return name_; }
  Database& database() { return db_; }

  // Fields.
  const std::vector<ColumnInfo>& fields() const { return columns_; }
  std::vector<std::string> FieldNames() const;
  const ColumnInfo* FindField(const std::string& name) const;  // nullptr when absent
  bool HasField(const std::string& name) const { return FindField(name) != nullptr; }
  const ColumnInfo& FieldByName(const std::string& name) const;  // throws when absent
  FieldType FieldTypeOf(const std::string& name) const { return FieldByName(name).shape.type; }
  int FieldSize(const std::string& name) const { return FieldByName(name).shape.size; }

  // Index: the primary index ("" or "PRIMARY"), a named secondary index, or any list of fields
  // ("Vazba;N_Druh_vykonu;ID"). Rows tie-break by ID (when the table has one), then by row order.
  void SetIndexName(const std::string& index);
  void SetIndexFieldNames(const std::string& fields);
  const std::vector<std::string>& index_fields() const { return index_fields_; }

  // Navigation. RecNo is 1-based (0 on an empty row set); GoTo takes the same numbers.
  void First();
  void Last();
  void Next();
  void Prior();
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  bool IsEmpty() const { return rows_.empty(); }
  int64_t RecordCount() const { return static_cast<int64_t>(rows_.size()); }
  int64_t RecNo() const { return rows_.empty() ? 0 : static_cast<int64_t>(pos_) + 1; }
  void GoTo(int64_t recno);

  // Keyed search on the leading fields of the current index. FindKey moves to the first row
  // whose leading fields equal the key and answers true, or stays and answers false;
  // FindNearest moves to the first row at or after the key (the last row when none is).
  bool FindKey(const std::vector<Value>& key);
  void FindNearest(const std::vector<Value>& key);

  // Range on the leading fields of the current index, both ends inclusive; the ends may name
  // different numbers of fields. Moves to the first row.
  void SetRange(const std::vector<Value>& low, const std::vector<Value>& high);
  void CancelRange();
  // SetRange that takes its rows from `source`, a table over the same table with the same index
  // whose rows (read by its own range or master row) include every row of this range, instead of
  // reading them; the same rows in the same order as SetRange. Falls back to SetRange when
  // `source` does not fit (another table or index, rows not read yet) or this table has a master.
  void SetRangeFrom(const std::vector<Value>& low, const std::vector<Value>& high,
                    const Table& source);
  // Reads the rows of a table opened without them (with its index, master and range by then).
  void Resume();
  bool suspended() const { return suspended_; }
  // Changes whenever the row set is read anew (index, range, master row, writes, Refresh).
  uint64_t row_set_version() const { return universe_id_; }
  bool HasRange() const { return range_.has_value(); }

  // Master-detail: only rows whose `detail_field` equals the master's current `master_field`
  // are shown; the detail returns to its first row whenever the master's current row changes
  // (posting a pending edit first). An empty master shows no detail rows. New rows get the
  // link value.
  void SetMaster(Table* master, const std::string& detail_field,
                 const std::string& master_field = "ID");
  void ClearMaster();
  Table* master() const { return master_; }

  // Called after the current row may have changed (navigation, a reload, a master move, a post
  // or delete), after the details followed; it may reposition other tables. One handler per
  // table; an empty function clears it.
  void SetAfterScroll(std::function<void(Table&)> handler) { after_scroll_ = std::move(handler); }

  // Editing. Append starts a new blank record, Edit edits the current one; Set* write into the
  // edit buffer; Post stores it (texts cut to the declared width, counted in characters) and
  // makes the stored row current; Cancel drops it. Delete removes the current row and moves to
  // the row that followed it. Writes are durable when Post/Delete return (outside a
  // transaction), so Flush only posts a pending edit.
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  void Flush();
  TableState state() const { return state_; }
  bool modified() const;

  // Re-reads the row set and stays on the same row when it still exists.
  void Refresh();

  // Field values of the current record (or the edit buffer). Reading a blank field answers the
  // empty text, 0, 0.0 or false; reading past the end throws.
  Value GetValue(const std::string& field) const;
  // The same by position in fields() (FieldPosition), for readers that resolve their field names
  // once; throws outside fields().
  int FieldPosition(const std::string& field) const { return FieldIndex(field); }
  const Value& GetValueAt(int position) const;
  bool IsNull(const std::string& field) const;
  std::string AsString(const std::string& field) const;
  int64_t AsInteger(const std::string& field) const;
  double AsFloat(const std::string& field) const;
  bool AsBoolean(const std::string& field) const;
  std::optional<platform::Date> AsDate(const std::string& field) const;

  // Writes convert the value to the field's type: numbers from texts ("," or "."), texts from
  // numbers, dates from "d.m.yyyy" or "yyyy-mm-dd"; the empty text is blank (null).
  void SetValue(const std::string& field, const Value& value);
  void SetString(const std::string& field, const std::string& value) { SetValue(field, value); }
  void SetInteger(const std::string& field, int64_t value) { SetValue(field, Value(value)); }
  void SetFloat(const std::string& field, double value) { SetValue(field, Value(value)); }
  void SetBoolean(const std::string& field, bool value) { SetValue(field, Value(value)); }
  void SetDate(const std::string& field, const platform::Date& date);
  void SetNull(const std::string& field) { SetValue(field, Value()); }

 private:
  struct Row {
    int64_t rowid;
    // The index fields, then ID when it breaks ties; shared by the copies of the row, so that a
    // detail's rows taken from its batch cost no allocation per master move.
    std::shared_ptr<const std::vector<Value>> key;
    // The whole row when read with the keys (see rows_snapshot_); shared by the copies of the
    // row a batch hands out.
    std::shared_ptr<const std::vector<Value>> values;
  };

  // The rows of a detail for every row its master may show, read by a few index ranges instead
  // of one query per master row: valid while the master's row universe and the
  // connection's snapshot are the ones it was read for.
  struct Batch {
    uint64_t id = 0;               // the universe these rows form for this table's details
    uint64_t master_universe = 0;  // the master's universe they were read for
    Database::Snapshot snapshot{};
    std::vector<Row> rows;                                         // grouped by link value
    std::unordered_map<double, std::pair<size_t, size_t>> groups;  // link -> [begin, end)
  };

  int FieldIndex(const std::string& name) const;  // -1 when absent
  // Rows a detail of this table may be shown for: the current batch or the rows read whole;
  // nullptr when there are none to offer.
  const std::vector<Row>* Universe() const;
  // ID follows the index fields in the keys when the index does not hold it.
  bool IdBreaksTies() const;
  // The row a statement of "SELECT rowid, *" stands on, with its keys for the current index.
  Row WholeRow(const Statement& st, bool id_tiebreak) const;
  bool RowsFromBatch(const Value& link, const Database::Snapshot& snapshot);
  bool ReadBatch(const Database::Snapshot& snapshot);
  void LoadColumns();
  void Reload(std::optional<int64_t> keep_rowid);
  void LoadCurrent();
  // On the first row exactly as the last PositionChanged left it and its details.
  bool SettledOnFirstRow() const;
  void PositionChanged();
  void MasterMoved();
  void CheckBrowseMode();
  void RequireWritable() const;
  std::vector<Value> ConvertKey(const std::vector<Value>& key) const;
  int ComparePrefix(const Row& row, const std::vector<Value>& key) const;
  const std::vector<Value>& CurrentValues() const;
  std::optional<Value> MasterValue() const;

  Database db_;
  std::string name_;
  std::vector<ColumnInfo> columns_;
  std::unordered_map<std::string, int> field_map_;  // upper-case ASCII name -> column
  bool other_names_ = false;                        // some column name is not ASCII
  std::vector<std::string> index_fields_;
  std::vector<int> index_columns_;  // column positions of index_fields_
  int id_column_ = -1;
  bool suspended_ = false;
  uint64_t subtree_moves_ = 0;  // moves of this table and of its details, at any depth
  uint64_t settled_moves_ = 0;  // subtree_moves_ when the last PositionChanged ended
  std::optional<Database::Snapshot> settled_snapshot_;  // what the connection saw then
  std::vector<Row> rows_;
  // A detail or ranged table read inside a transaction reads whole rows with the keys; they
  // stand for the stored rows while the connection's snapshot is still this one.
  std::optional<Database::Snapshot> rows_snapshot_;
  std::optional<Batch> batch_;
  bool rows_from_batch_ = false;
  uint64_t universe_id_ = 0;  // changes whenever Universe() may answer other rows
  size_t pos_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  std::vector<Value> current_;                          // the current row when read on its own
  const std::vector<Value>* current_values_ = nullptr;  // current_ or the row's read values
  bool current_loaded_ = false;

  struct Range {
    std::vector<Value> low, high;
  };
  std::optional<Range> range_;

  Table* master_ = nullptr;
  std::string detail_field_;
  std::string master_field_;
  std::vector<Table*> details_;
  std::optional<int64_t> master_rowid_seen_;
  std::function<void(Table&)> after_scroll_;

  TableState state_ = TableState::kBrowse;
  std::vector<Value> buffer_;
  std::vector<bool> changed_;
  // Prepared once and reused (reset after every use, so no statement stays open); declared last
  // so that they are finalised before the database handle goes.
  std::string reload_sql_;
  std::unique_ptr<Statement> reload_;
  std::unique_ptr<Statement> load_current_;
  std::unique_ptr<Statement> batch_statement_;
};

}  // namespace tarnik::engine
