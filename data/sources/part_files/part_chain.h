// The records of all part files of a unit as one sequence, the parts in the order of their
// numbers: when a part ends, the next existing part opens, so a compartment (or sub-compartment,
// or stand group) that continues into the next part file is read as one. A part that cannot be
// opened is reported by its reader and passed over. Owns the reader of the current part.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/sources/part_files/part_reader.h"
#include "data/sources/part_files/part_records.h"

namespace tarnik::plan {

class PartChain : public PartRecords {
 public:
  // `paths` in the order the parts are read.
  explicit PartChain(std::vector<std::string> paths);

  const PartRecord& Current() const override;
  bool Eof() const override;
  void Next() override;
  const DescriptionRecord* Description() const override;
  int64_t Moves() const override { return moves_; }
  // The path of the part the current record comes from; empty before any.
  std::string CurrentPath() const;

 private:
  // Opens parts from next_ on until one has a record; false when none has.
  bool OpenNextPart();

  std::vector<std::string> paths_;
  size_t next_ = 0;
  std::unique_ptr<TUnivStareLHP> reader_;
  PartRecord blank_;
  int64_t moves_ = 0;
};

}  // namespace tarnik::plan
