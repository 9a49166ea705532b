#include "data/sources/part_files/part_reader.h"

#include <shapefil.h>

#include <array>
#include <string_view>
#include <utility>

#include "framework/class_info.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

const std::array<std::string, kPartFieldCount>& FieldNames() {
  static const std::array<std::string, kPartFieldCount> names = [] {
    std::array<std::string, kPartFieldCount> n;
    for (int i = 0; i < kPartFieldCount; ++i) n[i] = "D" + std::to_string(i + 1);
    return n;
  }();
  return names;
}

}  // namespace

TARNIK_DEFINE_CLASS(TUnivStareLHP, framework::TOwnerEntity, &TUnivStareLHP::DefineProperties)

void TUnivStareLHP::DefineProperties(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TUnivStareLHP> d(out);
  for (int n = 1; n <= kPartFieldCount; ++n) {
    d.String(
        FieldNames()[n - 1].c_str(), [n](TUnivStareLHP& r) { return r.current_.D(n); },
        [](TUnivStareLHP&, const std::string&) {});
  }
}

std::string TUnivStareLHP::DescriptionName(const std::string& part_name) {
  const std::string name = platform::FileNameOf(part_name);
  const auto dot = name.find('.');
  if (dot == std::string::npos) return name + ".tlh";
  return name.substr(0, dot) + name.substr(dot + 1, 2) + ".tlh";
}

void TUnivStareLHP::Reset() {
  lines_.clear();
  next_line_ = 0;
  current_ = PartRecord();
  eof_ = true;
  description_bytes_.reset();
  next_description_ = 0;
  description_key_ = -1;
  description_.reset();
}

bool TUnivStareLHP::Open() {
  Reset();
  const bool table = platform::UpperCz(file_name_).find(".DBF") != std::string::npos;
  const bool opened = table ? ReadTable() : ReadText();
  if (!opened) return false;
  eof_ = false;
  Next();
  return true;
}

bool TUnivStareLHP::ReadText() {
  const std::string directory = platform::DirectoryOf(platform::NormalizePath(file_name_));
  if (auto tlh = platform::FindInDirectory(directory.empty() ? "." : directory,
                                           DescriptionName(file_name_))) {
    description_bytes_ = platform::ReadFileBytes(*tlh);
    if (!description_bytes_)
      platform::ui().ShowMessage("Nemohu otevřít textový soubor \"" + *tlh + "\"",
                                 platform::Severity::kPassedOver);
  }
  std::optional<std::string> bytes = platform::ReadFileBytes(file_name_);
  if (!bytes) {
    platform::ui().ShowMessage("Nemohu otevřít soubor LHP160 \"" + file_name_ + "\"",
                               platform::Severity::kPassedOver);
    description_bytes_.reset();
    return false;
  }
  lines_ = SplitPartText(*bytes);
  return true;
}

void TUnivStareLHP::OpenBytes(std::string_view part, std::optional<std::string> description) {
  Reset();
  lines_ = SplitPartText(part);
  description_bytes_ = std::move(description);
  eof_ = false;
  Next();
}

bool TUnivStareLHP::ReadTable() {
  DBFHandle dbf = DBFOpen(file_name_.c_str(), "rb");
  if (!dbf) {
    platform::ui().ShowMessage("Nemohu otevřít soubor LHP160 \"" + file_name_ + "\"",
                               platform::Severity::kPassedOver);
    return false;
  }
  // The raw bytes of each field: the library's string reads trim the blanks that the fields'
  // positions depend on. A record starts with its deletion flag.
  // The record length of the header bounds every field read from a record.
  int record_length = 0;
  if (std::optional<std::string> head = platform::ReadFileBytes(file_name_);
      head && head->size() >= 12)
    record_length = static_cast<unsigned char>((*head)[10]) |
                    (static_cast<unsigned char>((*head)[11]) << 8);
  const int field_count = DBFGetFieldCount(dbf);
  std::vector<std::pair<int, int>> at(field_count);  // offset and width in the record
  int offset = 1;
  for (int i = 0; i < field_count; ++i) {
    int width = 0;
    DBFGetFieldInfo(dbf, i, nullptr, &width, nullptr);
    at[i] = {offset, width};
    offset += width;
  }
  std::array<int, kPartFieldCount> columns{};
  for (int i = 0; i < kPartFieldCount; ++i)
    columns[i] = DBFGetFieldIndex(dbf, FieldNames()[i].c_str());
  const int rows = DBFGetRecordCount(dbf);
  for (int row = 0; row < rows; ++row) {
    if (DBFIsRecordDeleted(dbf, row)) continue;
    const char* tuple = DBFReadTuple(dbf, row);
    if (!tuple) continue;
    std::array<std::string, kPartFieldCount> raw;
    for (int i = 0; i < kPartFieldCount; ++i) {
      if (columns[i] < 0) continue;
      const auto [start, width] = at[columns[i]];
      if (width <= 0 || start + width > record_length) continue;
      raw[i].assign(tuple + start, static_cast<size_t>(width));
    }
    lines_.push_back(LayOutFields(raw));
  }
  DBFClose(dbf);
  return true;
}

void TUnivStareLHP::Next() {
  if (eof_) return;
  if (next_line_ >= lines_.size()) {
    eof_ = true;
    return;
  }
  current_ = PartRecord::FromLine(lines_[next_line_++]);
  ++moves_;
  FollowDescription();
}

void TUnivStareLHP::FollowDescription() {
  if (!description_bytes_) return;
  const int64_t key =
      static_cast<int64_t>(DigitsNumber(current_.D(7))) * 100 + current_.SubCompartmentByte();
  if (key == description_key_) return;
  description_key_ = key;
  const size_t start = next_description_ * kDescriptionRecordSize;
  // Only a whole record exists.
  if (start + kDescriptionRecordSize > description_bytes_->size()) {
    description_.reset();
    platform::ui().ShowMessage("Nešel načíst popis file", platform::Severity::kPassedOver);
    return;
  }
  ++next_description_;
  description_ = DecodeDescriptionRecord(
      std::string_view(*description_bytes_).substr(start, kDescriptionRecordSize));
}

const DescriptionRecord* TUnivStareLHP::Description() const {
  return description_ ? &*description_ : nullptr;
}

}  // namespace tarnik::plan
