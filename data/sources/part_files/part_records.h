// What the readers into the model walk: a sequence of part-file records with the description
// record of the current one. Implemented by the reader of one part (TUnivStareLHP) and by the
// walk over all parts of a unit (PartChain). Never throws.
#pragma once

#include <cstdint>

#include "data/sources/part_files/part_record.h"

namespace tarnik::plan {

class PartRecords {
 public:
  virtual ~PartRecords() = default;
  // The current record; a blank record before the first one. At the end the last record stays.
  virtual const PartRecord& Current() const = 0;
  // True once Next found no further record.
  virtual bool Eof() const = 0;
  virtual void Next() = 0;
  // The description record of the current record's sub-compartment; nil without a description
  // file or when the file has no record for it.
  virtual const DescriptionRecord* Description() const = 0;
  // Counts the moves to another record (Next calls that found one), so that a reader can tell
  // whether it consumed anything.
  virtual int64_t Moves() const = 0;
};

}  // namespace tarnik::plan
