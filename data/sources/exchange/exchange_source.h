// The standard exchange files as a plan source (kinds 3, 4 and 8): PP.FST with JP.FST and
// KATALOG.FST in the chosen directory. The form is recognised from JP.FST's header (the 97 form
// has no column POR) and KATALOG.FST's first line ("2000" for the 2000 form, otherwise 98); the
// directory becomes the unit's AdresarStandardu and the source is an FstSource (fst_source.h).
#pragma once

#include <cstdint>
#include <optional>

#include "data/sources/exchange/fst_source.h"
#include "forest/unit/source_register.h"

namespace tarnik::plan {

// The recogniser (detection step kExchangeFiles): a match when the directory holds PP.FST.
std::optional<SourceMatch> RecogniseExchangeFiles(const SourceQuery& query);

// Registers the exchange-file source with the forest unit and its reader classes with the class
// register; further calls do nothing.
void RegisterExchangeSource();

}  // namespace tarnik::plan
