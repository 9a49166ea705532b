// Recognising a planning database in a chosen directory: a directory that holds the other-land
// table OST_POZ is a Merk database, told apart as Merk 98 or Merk 97 by the LHC table's columns.
// A directory that holds Paradox tables but no tables.sqlite is offered for conversion first (a
// question through the Ui; an unanswerable question stops the caller with QuestionUnanswered).
// A recognised database stores "DATA" = "PATH=" + directory (and "MANAGER" = "NE" when asked)
// in vekta.ini.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/sources/merk/merk_source.h"
#include "forest/unit/source_register.h"

namespace tarnik::plan {

// The planning database's recogniser (detection step kDatabase). Only the LHC table of a
// read-only probe is read; a failed probe is reported and recognises nothing.
std::optional<SourceMatch> RecogniseMerkDatabase(const SourceQuery& query);

// Registers the planning-database source with the forest unit; further calls do nothing.
void RegisterMerkSource();

// The probe of a Merk database: the kind by the LHC table's columns (2 with LHC_PN_PRO, else 1)
// and the first row's LHC_KOD. The directory is opened read-only and never written to, apart from
// the writability test file that is removed again; no statement contains the path, so any
// character in it is fine. Throws EngineError when the directory holds no LHC table.
struct ProbeResult {
  uint8_t kind = kSourceMerk97;
  int32_t lhc_kod = 0;
};
ProbeResult ProbeMerkDatabase(const std::string& directory);

// Offers to convert the Paradox tables of the directory (and of its PHS sibling when that holds
// Paradox tables only) into tables.sqlite; answers whether the directory holds tables.sqlite
// afterwards. Nothing is asked when the directory holds no Paradox tables or already has
// tables.sqlite.
bool OfferParadoxConversion(const std::string& directory);

}  // namespace tarnik::plan
