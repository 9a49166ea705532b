// The readers of the old plan part files into the forest plan model: the unit header from one
// record and one compartment, rebuilt from its flat records (compartment, sub-compartment, one
// stand per owner, stand group with its layer, species or unstocked records with afforestation,
// proposals and damages). Failures are reported through the Ui with the severity "passed over"
// and reading goes on with the next record or level; nothing is thrown.
#pragma once

#include <functional>
#include <string>

#include "data/sources/part_files/part_records.h"

namespace tarnik::plan {

class TLHC;
class TOddeleni;

// Fills the header from the current record: LHC_KOD from D2 to D5, LHC_NAZ "Ze staré věty :" +
// D2..D5 + "  " + D1, LHP_OD today (platform/clock.h), LHP_DO empty, PUVOD_DAT "LHP 160"; then
// LHP_OD, LHP_DO and LHC_NAZ from the row of "SEZLHC00.DB" in the program's code lists whose
// LHC_KOD is the code and whose A is empty, when there is one. A code list that cannot be read
// is reported and the values made from the record stay.
void NactiLHC_LHP(TLHC& lhc, const PartRecords& records);

// Reads the compartment of the current record with every record that follows while its D7
// reads the same number, and leaves the records on the first record after it. The answer is a
// fresh element no entity holds yet (the caller adds it to the LHC or deletes it); nil only at
// the end of the records. `progress` receives the progress texts; may be empty.
TOddeleni* NactiOddeleni_LHP(PartRecords& records,
                             const std::function<void(const std::string&)>& progress);

// The key of the n-th (0-based) stand of a sub-compartment: "a" to "z", then "aa", "ab", ... so
// that any number of owners gets keys of their own.
std::string StandKey(size_t n);

}  // namespace tarnik::plan
