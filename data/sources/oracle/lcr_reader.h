// The reader of the LČR Oracle tables (the "LCR_ORAC" database): the unit header from T_LHC and
// one compartment with everything below it from T_DIL, T_POR, T_PSK, T_ETAZ, T_DREVIN, T_POSKOZ,
// T_ZAL_DR, T_ZVS, T_KATEG, T_BZL and T_JP, each child table queried by the unit's version and
// the designations of the element being filled. Every value is a bound parameter; designations
// compare without trailing blanks on both sides, as the server's blank-padded CHAR columns do.
// Not read: other land, special-area columns, parcel parts, colours and the owner kind. Database
// failures propagate as EngineError; the reader shows no messages of its own.
#pragma once

#include <cstdint>

#include "data/engine/sql_connection.h"

namespace tarnik::plan {

class TLHC;
class TOddeleni;

// LHC_KOD, LHC_KOD_ID (from LHC_ID) and LHC_NAZ of the first T_LHC row of the unit version.
// Answers false when there is none.
bool ReadLcrHeader(engine::SqlConnection& db, TLHC& lhc, int64_t code, int64_t version);

// The compartment of the current row of a T_ODD query (which the reader does not move).
// Ownership: a fresh element no entity holds yet; the caller adds it to the LHC.
TOddeleni* ReadLcrCompartment(engine::SqlConnection& db, const engine::SqlResult& odd_row,
                              int64_t version);

}  // namespace tarnik::plan
