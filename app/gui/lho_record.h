// The box "Lesní hospodářské osnovy" written into the planning database: the unit's LHO becomes
// "A" or "N" and the LHC record is written back with the unit writer of the import, in one
// transaction. The unit stays the caller's; failures are shown through the UI seam.
#pragma once

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::gui {

// Sets the unit's LHO from the box and writes the LHC record. False (after a message) when the
// unit's data are no planning database or the write fails; the LHO in the model is set anyway.
bool WriteLhoRecord(plan::TLesniCelek& unit, bool outline);

}  // namespace tarnik::gui
