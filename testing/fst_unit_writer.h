// The exchange-file form (2000 form) of a loaded forest unit, written by tests and the benchmark:
// PP.FST (one line per species, or per layer without species), BZL.FST, JP.FST, LHC.FST,
// KATALOG.FST, the code lists Cis_051.FST to Cis_055.FST and Maj.FST, in code page 852 with
// CR LF, from the published properties of the unit's model. The unit is walked from its first
// compartment to its end (ZnovuNacti first). Throws std::runtime_error when a file cannot be
// written.
#pragma once

#include <string>

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::testing {

void WriteUnitFstForm(plan::TLesniCelek& unit, const std::string& dir);

}  // namespace tarnik::testing
