#include "gis/dbf_table.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/errors.h"
#include "gis/karmo_props.h"
#include "platform/fs.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "spatial/space_entity.h"

namespace tarnik::gis {
namespace {

using framework::EKelvaError;
using platform::Severity;

// shapelib opens "<name>.dbf" and then "<name>.DBF"; map files keep their case loosely, so
// every name is looked up without regard to case. shapelib's own error texts are not shown:
// the table reports its failures itself.
SAFile OpenNoCase(const char* filename, const char* access) {
  const std::string path = platform::ResolvePath(filename);
  return reinterpret_cast<SAFile>(std::fopen(path.c_str(), access));
}

void IgnoreError(const char*) {}

SAHooks* Hooks() {
  static SAHooks hooks = [] {
    SAHooks h;
    SASetupDefaultHooks(&h);
    h.FOpen = OpenNoCase;
    h.Error = IgnoreError;
    return h;
  }();
  return &hooks;
}

// Opens for writing, field writes and index rebuilds of all table objects: a table set aside
// before the count moved may hold records or an index that are no longer the file's.
uint64_t& WriteCount() {
  static uint64_t count = 0;
  return count;
}

// Tables set aside by all table objects.
int& ParkedCount() {
  static int count = 0;
  return count;
}

void Warn(const std::string& text) { platform::ui().ShowMessage(text, Severity::kPassedOver); }

// A whole number: an integer text, or a number whose fraction is zero ("17.00"); else 0.
int64_t WholeNumber(std::string_view text) {
  const std::string t = platform::Trim(text);
  if (auto n = platform::TextToInt64(t)) return *n;
  if (auto d = platform::TextToFloatDot(t);
      d && std::isfinite(*d) && std::floor(*d) == *d && std::fabs(*d) < 9.2e18) {
    return static_cast<int64_t>(*d);
  }
  return 0;
}

void DefineDbfTable(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TKarmoDBFTable> d(out);
  d.String("ShortTableName", &TKarmoDBFTable::ShortTableName, nullptr);
  d.Integer("Cislo", nullptr, &TKarmoDBFTable::SetCislo);
}

}  // namespace

TARNIK_DEFINE_CLASS(TKarmoDBFTable, framework::TOwnerElement, DefineDbfTable)

std::string DbfFileName(const std::string& block_directory, char letter, int32_t kind) {
  char name[32];
  std::snprintf(name, sizeof name, "%c%4.4d.DBF", letter, kind);
  return platform::JoinPath(block_directory, name);
}

TKarmoDBFTable::~TKarmoDBFTable() { Close(); }

std::string TKarmoDBFTable::ShortTableName() const {
  const std::string file = platform::FileNameOf(path_);
  const size_t dot = file.rfind('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

std::string TKarmoDBFTable::IndexPath() const { return platform::ChangeExtension(path_, ".IND"); }

void TKarmoDBFTable::SetReadOnly(bool read_only) {
  if (read_only == read_only_) return;
  Close();
  read_only_ = read_only;
}

bool TKarmoDBFTable::OpenTable(const std::string& path) {
  // The same spelling as the open table's (which is kept normalised) is the same table; every
  // attribute read of a map object asks for its table again.
  if (!path_.empty() && path == path_) return OpenFile();
  std::string normal = platform::NormalizePath(path);
  if (!path_.empty() && platform::SameTextCz(normal, path_)) return OpenFile();
  CheckWrites();
  std::string key = platform::UpperCz(normal);
  auto parked = std::find_if(parked_.begin(), parked_.end(),
                             [&key](const ParkedTable& p) { return p.key == key; });
  std::optional<ParkedTable> back;
  if (parked != parked_.end()) {
    back = std::move(*parked);
    parked_.erase(parked);
    --ParkedCount();
  } else if (!TableFileExists(normal, key)) {
    return false;
  }
  ParkTable();
  read_only_ = true;
  path_ = std::move(normal);
  if (!back) {
    index_.reset();
    last_number_ = last_record_ = 0;
    return OpenFile();
  }
  dbf_ = back->dbf;
  layout_ = std::move(back->layout);
  code_page_ = back->code_page;
  index_ = std::move(back->index);
  last_number_ = back->last_number;
  last_record_ = back->last_record;
  current_ = -1;
  return true;
}

bool TKarmoDBFTable::OpenFile() {
  if (dbf_) return true;
  if (path_.empty()) return false;
  const std::string real = platform::ResolvePath(path_);
  std::string problem;
  layout_ = ReadDbfLayout(real, &problem);
  if (!layout_) {
    ReportOnce("Tabulka " + path_ + " je poškozená (" + problem + "), její atributy nebudou čteny");
    return false;
  }
  if (!read_only_) ++WriteCount();
  dbf_ = DBFOpenLL(real.c_str(), read_only_ ? "rb" : "rb+", Hooks());
  bool same = dbf_ && DBFGetRecordCount(dbf_) == layout_->record_count &&
              DBFGetFieldCount(dbf_) == static_cast<int>(layout_->fields.size());
  for (int i = 0; same && i < DBFGetFieldCount(dbf_); ++i) {
    int width = 0;
    DBFGetFieldInfo(dbf_, i, nullptr, &width, nullptr);
    same = width == layout_->fields[static_cast<size_t>(i)].width;
  }
  if (!same) {
    if (dbf_) DBFClose(dbf_);
    dbf_ = nullptr;
    ReportOnce("Tabulku " + path_ + " nelze otevřít" + (read_only_ ? "" : " pro zápis"));
    return false;
  }
  code_page_ = CodePageOfLanguageDriver(layout_->language_driver);
  current_ = -1;
  return true;
}

void TKarmoDBFTable::CloseTable() {
  if (dbf_) DBFClose(dbf_);
  dbf_ = nullptr;
  current_ = -1;
}

void TKarmoDBFTable::Close() {
  CloseTable();
  DropParked();
  missing_.clear();
}

void TKarmoDBFTable::ParkTable() {
  if (!dbf_ || !read_only_ || !layout_) {
    CloseTable();
    return;
  }
  if (ParkedCount() >= kMaxParkedTables) {
    if (parked_.empty()) {
      CloseTable();
      return;
    }
    DBFClose(parked_.front().dbf);
    parked_.erase(parked_.begin());
    --ParkedCount();
  }
  ParkedTable p;
  p.key = RebuildKey();
  p.dbf = dbf_;
  p.layout = std::move(*layout_);
  p.code_page = code_page_;
  p.index = std::move(index_);
  p.last_number = last_number_;
  p.last_record = last_record_;
  parked_.push_back(std::move(p));
  ++ParkedCount();
  dbf_ = nullptr;
  layout_.reset();
  current_ = -1;
}

void TKarmoDBFTable::DropParked() {
  for (ParkedTable& p : parked_) DBFClose(p.dbf);
  ParkedCount() -= static_cast<int>(parked_.size());
  parked_.clear();
}

void TKarmoDBFTable::CheckWrites() {
  if (writes_seen_ == WriteCount()) return;
  writes_seen_ = WriteCount();
  DropParked();
  missing_.clear();
}

bool TKarmoDBFTable::TableFileExists(const std::string& path, const std::string& key) {
  if (missing_.count(key)) return false;
  if (platform::FileExists(path)) return true;
  missing_.insert(key);
  return false;
}

int64_t TKarmoDBFTable::RecordCount() const { return dbf_ ? DBFGetRecordCount(dbf_) : 0; }

void TKarmoDBFTable::ReportOnce(const std::string& text) {
  if (reported_.insert(text).second) Warn(text);
}

int TKarmoDBFTable::FieldOf(std::string_view name) const {
  if (!layout_) return -1;
  const size_t dot = name.find('.');
  if (dot != std::string_view::npos) {
    if (platform::UpperAscii(name.substr(0, dot)) != platform::UpperAscii(ShortTableName())) {
      return -1;
    }
    name = name.substr(dot + 1);
  }
  return layout_->FieldIndex(name);
}

std::string TKarmoDBFTable::RebuildKey() const { return platform::UpperCz(path_); }

bool TKarmoDBFTable::HasField(std::string_view name) { return dbf_ && FieldOf(name) >= 0; }

bool TKarmoDBFTable::IsDeleted(int i) { return DBFIsRecordDeleted(dbf_, i) != 0; }

std::optional<int64_t> TKarmoDBFTable::NumberOfRecord(int i) {
  const char* tuple = DBFReadTuple(dbf_, i);
  if (!tuple) return std::nullopt;
  const int field = layout_->FieldIndex("CISLO");
  if (field < 0) return 0;
  const DbfField& f = layout_->fields[static_cast<size_t>(field)];
  return WholeNumber(std::string_view(tuple + f.offset, static_cast<size_t>(f.width)));
}

bool TKarmoDBFTable::OpenIndex() {
  if (index_) return true;
  last_record_ = 0;
  const std::string path = IndexPath();
  if (!platform::FileExists(path)) {
    // Built once; a table whose index cannot be made stays without one (reported once).
    if (!rebuilt_.insert(RebuildKey()).second) return false;
    if (!RebuildIndex()) {
      Warn("Index " + path + " je nepřístupný");
      return false;
    }
  }
  index_ = IndexFile::Open(platform::ResolvePath(path));
  if (!index_) {
    Warn("Index " + path + " nelze vytvořit");
    return false;
  }
  return true;
}

bool TKarmoDBFTable::RebuildIndex() {
  index_.reset();
  ++WriteCount();
  const std::string path = IndexPath();
  if (platform::FileExists(path)) platform::DeleteFile(platform::ResolvePath(path));
  if (!OpenFile()) return false;
  IndexBuilder builder;
  const int count = DBFGetRecordCount(dbf_);
  for (int i = 0; i < count; ++i) {
    if (IsDeleted(i)) continue;
    const std::optional<int64_t> n = NumberOfRecord(i);
    if (!n) {
      Warn("Chyba práce s DBF " + path_ + " při čtení záznamu č. " + std::to_string(i + 1));
      CloseTable();
      return false;
    }
    if (*n < 0 || *n > kMaxIndexedNumber) {
      Warn("Záznam č. " + std::to_string(i + 1) + " tabulky " + path_ +
           " má CISLO = " + std::to_string(*n) + " mimo rozsah 0 až " +
           std::to_string(kMaxIndexedNumber) + ", do indexu nebyl zařazen");
      continue;
    }
    builder.Put(static_cast<int32_t>(*n), i + 1);
  }
  CloseTable();
  if (!platform::WriteFileBytes(path, builder.Bytes())) {
    Warn("Index " + path + " nelze vytvorit");
    return false;
  }
  return true;
}

bool TKarmoDBFTable::LocateNumber(int32_t n) {
  current_ = -1;
  if (!OpenIndex() || !OpenFile()) return false;
  const int64_t count = RecordCount();
  // Record numbers count from 1: an entry 0 points at no record, like a negative one. The entry
  // of the number located last is known without reading the index again.
  const std::optional<int32_t> e = n == last_number_ && last_record_ >= 1
                                       ? std::optional<int32_t>(last_record_)
                                       : index_->Entry(n);
  if (e && *e >= 1 && *e <= count) {
    const int i = *e - 1;
    if (!IsDeleted(i)) {
      const std::optional<int64_t> number = NumberOfRecord(i);
      if (!number)
        throw EKelvaError("Chyba čtení záznamu " + std::to_string(*e) + " tabulky " + path_);
      if (*number == n) {
        current_ = i;
        last_number_ = n;
        last_record_ = *e;
        return true;
      }
    }
  }
  // A stale or short index is rebuilt once per table file.
  if (!rebuilt_.insert(RebuildKey()).second) return false;
  if (!RebuildIndex() || !OpenFile()) return false;
  return LocateNumber(n);
}

bool TKarmoDBFTable::OpenFor(const std::string& block_directory, char letter, int32_t kind,
                             int32_t number) {
  const std::string path = platform::NormalizePath(DbfFileName(block_directory, letter, kind));
  CheckWrites();
  if (!TableFileExists(path, platform::UpperCz(path))) return false;
  return OpenTable(path) && LocateNumber(number);
}

bool TKarmoDBFTable::LocateElement(framework::TElement* element) {
  auto* spatial = framework::ClassCast<spatial::TSpaceEntity>(element);
  auto* props = spatial ? framework::ClassCast<TKarmoProps>(spatial->Properties()) : nullptr;
  if (!props) return false;
  return OpenTable(props->DBFName()) && LocateNumber(props->Cislo());
}

std::string TKarmoDBFTable::FieldText(std::string_view name) {
  const int field = FieldOf(name);
  if (!dbf_ || field < 0 || current_ < 0) {
    throw EKelvaError("Pole " + std::string(name) + " není v tabulce " + path_);
  }
  const char* text = DBFReadStringAttribute(dbf_, current_, field);
  if (!text) throw EKelvaError("Chyba čtení tabulky " + path_);
  return DecodeText(text, code_page_);
}

void TKarmoDBFTable::SetFieldText(std::string_view name, const std::string& value) {
  const int field = FieldOf(name);
  if (!dbf_ || field < 0 || current_ < 0 || read_only_) {
    throw EKelvaError("Pole " + std::string(name) + " tabulky " + path_ + " nelze zapsat");
  }
  const DbfField& f = layout_->fields[static_cast<size_t>(field)];
  const std::string where = "Pole " + f.name + " tabulky " + path_;
  ++WriteCount();
  int ok = 0;
  switch (f.type) {
    case 'N':
    case 'F': {
      const std::string text = platform::Trim(value);
      if (text.empty()) {
        ok = DBFWriteNULLAttribute(dbf_, current_, field);
        break;
      }
      const std::optional<double> number = platform::TextToFloat(text);
      if (!number || !std::isfinite(*number)) {
        throw EKelvaError(where + ": hodnota \"" + value + "\" není číslo");
      }
      ok = DBFWriteDoubleAttribute(dbf_, current_, field, *number);
      break;
    }
    case 'L':
      ok = DBFWriteLogicalAttribute(dbf_, current_, field, value.empty() ? '?' : value[0]);
      break;
    case 'C':
    case 'D': {
      std::string bytes;
      char32_t missing = 0;
      if (!EncodeText(value, code_page_, &bytes, &missing)) {
        throw EKelvaError(fmt::format("{}: znak U+{:04X} nelze zapsat v kódové stránce {}", where,
                                      static_cast<uint32_t>(missing), CodePageName(code_page_)));
      }
      if (bytes.size() > static_cast<size_t>(f.width)) {
        throw EKelvaError(where + ": hodnota \"" + value + "\" je delší než " +
                          std::to_string(f.width) + " znaků");
      }
      ok = DBFWriteAttributeDirectly(dbf_, current_, field, bytes.data());
      break;
    }
    default:
      throw EKelvaError(where + " nelze zapsat (typ " + std::string(1, f.type) + ")");
  }
  if (!ok) throw EKelvaError(where + ": hodnotu \"" + value + "\" nelze zapsat");
}

}  // namespace tarnik::gis
