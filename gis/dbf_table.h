// TKarmoDBFTable: one attribute table of a map block (a dBase file, read and written through
// shapelib) with its side index "<table>.IND" (index_file.h). The table object switches between
// the kind tables of one object type as holders ask for them; it is read-only except while a
// value is written. Texts are decoded from the table's code page (its language-driver byte,
// code_pages.h) into UTF-8 and encoded back when written. A header that does not hold together
// (dbf_header.h) makes the table unreadable, reported once per file. Failures are reported
// through the UI seam in Czech; lookups answer false or empty text. Single-threaded: every
// access positions the table anew.
//
// A switch to another table sets the read-only table being left aside, open with its layout and
// index, so that switching back opens nothing; a table file found missing is remembered as
// missing. Both hold until Close(), until any table object of the process opens a table for
// writing, writes a field or rebuilds an index, and at most kMaxParkedTables tables are set
// aside in the whole process.
#pragma once

#include <shapefil.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "framework/element.h"
#include "gis/code_pages.h"
#include "gis/dbf_header.h"
#include "gis/index_file.h"

namespace tarnik::gis {

class TKarmoDBFTable : public framework::TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoDBFTable)
  TKarmoDBFTable() = default;
  ~TKarmoDBFTable() override;

  const std::string& TablePath() const { return path_; }
  // The table file's name without directory and extension.
  std::string ShortTableName() const;
  bool ReadOnly() const { return read_only_; }
  // Closes the table when the mode changes.
  void SetReadOnly(bool read_only);
  // The index file's path: the table's with the extension ".IND".
  std::string IndexPath() const;

  // The current table when `path` names it (opened again when closed), else switches to the
  // file at `path` (leaving the table and the index, read-only again); false when no file is
  // there or it cannot be opened as a table.
  bool OpenTable(const std::string& path);
  // Closes the table and every table set aside, and forgets the missing files.
  void Close();
  bool IsOpen() const { return dbf_ != nullptr; }
  // Records of the open table (0 when none is open).
  int64_t RecordCount() const;
  TextCodePage CodePage() const { return code_page_; }

  // A field of the table: "FIELD", or "TABLE.FIELD" when TABLE is ShortTableName (ASCII letters
  // without regard to case).
  bool HasField(std::string_view name);
  // Makes the record whose "CISLO" is n the current one.
  bool LocateNumber(int32_t n);
  bool RebuildIndex();
  bool OpenIndex();
  // The table of the DBFName rule for the directory, letter and kind, with `number` located.
  bool OpenFor(const std::string& block_directory, char letter, int32_t kind, int32_t number);
  // The table of the element's GIS holder with the element's number located.
  bool LocateElement(framework::TElement* element);
  void SetCislo(int32_t n) { LocateNumber(n); }

  // The 1-based record number of the current record, 0 when none.
  int32_t CurrentRecord() const { return current_ + 1; }
  // The field's text in the current record (blanks around removed); throws EKelvaError when
  // there is no such field or current record or the record cannot be read.
  std::string FieldText(std::string_view name);
  // Writes the field of the current record of a writable table; throws EKelvaError when the
  // value does not fit the field (too long, not a number for a numeric field, a character the
  // code page lacks) or cannot be written.
  void SetFieldText(std::string_view name, const std::string& value);

 private:
  // A read-only table left while the object serves another one.
  struct ParkedTable {
    std::string key;  // RebuildKey of the table
    DBFHandle dbf = nullptr;
    DbfLayout layout;
    TextCodePage code_page = TextCodePage::kCp1250;
    std::unique_ptr<IndexFile> index;
    int32_t last_number = 0;
    int32_t last_record = 0;
  };

  bool OpenFile();
  // Closes the current table only.
  void CloseTable();
  // Sets the current table aside when it is open read-only, else closes it.
  void ParkTable();
  void DropParked();
  // Forgets the tables set aside and the missing files when some table was written since.
  void CheckWrites();
  // Whether a table file is at the normalised `path` whose key is `key`.
  bool TableFileExists(const std::string& path, const std::string& key);
  int FieldOf(std::string_view name) const;
  // The "CISLO" of record i (0-based): nullopt when it cannot be read; 0 for a value that is
  // no whole number.
  std::optional<int64_t> NumberOfRecord(int i);
  bool IsDeleted(int i);
  void ReportOnce(const std::string& text);
  std::string RebuildKey() const;

  std::string path_;
  bool read_only_ = true;
  DBFHandle dbf_ = nullptr;
  std::optional<DbfLayout> layout_;
  TextCodePage code_page_ = TextCodePage::kCp1250;
  std::unique_ptr<IndexFile> index_;
  int32_t last_number_ = 0;
  int32_t last_record_ = 0;
  // Table files whose index was rebuilt: each is rebuilt at most once in the object's life.
  std::set<std::string> rebuilt_;
  int current_ = -1;
  std::set<std::string> reported_;
  std::vector<ParkedTable> parked_;  // oldest first
  std::set<std::string> missing_;    // keys of table files not found
  uint64_t writes_seen_ = 0;
};

// Tables set aside by all table objects together (two descriptors each).
inline constexpr int kMaxParkedTables = 64;

// The table file name of the DBFName rule: letter + kind as four digits ("%4.4d") + ".DBF",
// joined to the block directory with "/".
std::string DbfFileName(const std::string& block_directory, char letter, int32_t kind);

}  // namespace tarnik::gis
