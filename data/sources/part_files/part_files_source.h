// The old plan part files as a plan source (kind 0): files named "<unit>.<two-digit part>V" in
// the chosen directory. They are recognised, and the unit's code is taken from the first of them;
// their compartments cannot be read yet, so the source has no reader.
#pragma once

#include <cstdint>
#include <optional>

#include "forest/unit/source_register.h"

namespace tarnik::plan {

inline constexpr uint8_t kSourcePartFiles = 0;

// The recogniser (detection step kPartFiles): any part file makes a match; the first one names
// the unit, and part files of another unit are reported ("V adresáři <dir>jsou data lhc č.<first>
// i lhc č.<other>. Načítám pouze lhc č.<first> .") and ignored.
std::optional<SourceMatch> RecognisePartFiles(const SourceQuery& query);

// Registers the part-file source with the forest unit; further calls do nothing.
void RegisterPartFilesSource();

}  // namespace tarnik::plan
