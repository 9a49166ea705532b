// The standard exchange files as a plan source (kinds 3, 4 and 8): PP.FST with JP.FST and
// KATALOG.FST in the chosen directory. The form is recognised from JP.FST's header (the 97 form
// has no column POR) and KATALOG.FST's first line ("2000" for the 2000 form, otherwise 98); the
// directory becomes the unit's AdresarStandardu. Their compartments cannot be read yet, so the
// source has no reader.
#pragma once

#include <cstdint>
#include <optional>

#include "forest/unit/source_register.h"

namespace tarnik::plan {

inline constexpr uint8_t kSourceStandard97 = 3;
inline constexpr uint8_t kSourceStandard98 = 4;
inline constexpr uint8_t kSourceStandard2000 = 8;

// The recogniser (detection step kExchangeFiles): a match when the directory holds PP.FST.
std::optional<SourceMatch> RecogniseExchangeFiles(const SourceQuery& query);

// Registers the exchange-file source with the forest unit; further calls do nothing.
void RegisterExchangeSource();

}  // namespace tarnik::plan
