// TUnivStareLHP, the reader of one part of an old plan: a text file of 160-character records
// (with its description file "<unit><two characters after the dot>.tlh" beside it when that
// exists) or a dBase table (a name containing ".DBF", fields D1 to D65, no description file).
// The fields of the current record are published as the read-only texts D1 to D65. The whole part
// is read when it opens; text from the first ^Z on is not read, and blank lines carry no record.
// A part or description file that cannot be opened is reported ("Nemohu otevřít soubor LHP160
// "<name>"", "Nemohu otevřít textový soubor "<name>"") and leaves the reader without records,
// respectively without description; a sub-compartment the description file has no record for is
// reported ("Nešel načíst popis file") and has none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/sources/part_files/part_records.h"
#include "framework/entity.h"

namespace tarnik::plan {

class TUnivStareLHP : public framework::TOwnerEntity, public PartRecords {
 public:
  TARNIK_ELEMENT_CLASS(TUnivStareLHP)

  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& path) { file_name_ = path; }

  // Opens the part named FileName and reads its first record; false when it cannot be opened.
  bool Open();
  // Opens a text part held in memory, with the bytes of its description file when it has one.
  void OpenBytes(std::string_view part, std::optional<std::string> description);
  // Back to the first record (the files are read again).
  void First() { Open(); }
  void Next() override;
  bool Eof() const override { return eof_; }
  const PartRecord& Current() const override { return current_; }
  const DescriptionRecord* Description() const override;
  int64_t Moves() const override { return moves_; }
  // Whether a description file is open.
  bool HasDescription() const { return description_bytes_.has_value(); }

  // The name of the description file beside a text part ("123456.03V" -> "12345603.tlh").
  static std::string DescriptionName(const std::string& part_name);

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  void Reset();
  bool ReadText();
  bool ReadTable();
  void FollowDescription();

  std::string file_name_;
  std::vector<std::string> lines_;  // raw lines, or dBase rows laid out as lines
  size_t next_line_ = 0;
  PartRecord current_;
  bool eof_ = true;
  int64_t moves_ = 0;
  std::optional<std::string> description_bytes_;
  size_t next_description_ = 0;
  int64_t description_key_ = -1;
  std::optional<DescriptionRecord> description_;
};

}  // namespace tarnik::plan
