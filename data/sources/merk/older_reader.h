// The compartment reader of the older table set (the container's tables opened with the older
// layout): the same traversal as the current set with that set's columns, messages and
// progress texts. Internal to the plan readers.
#pragma once

#include "data/sources/merk/reader_state.h"

namespace tarnik::plan {
class TOddeleni;
}

namespace tarnik::plan::readers {

// The compartment row itself (ID, VAZBA, ODD), shared by both sets.
void ReadCompartmentRow(ReaderState& state, Row& row, TOddeleni& compartment);

// Reads the compartment at TB_ODD's current row and advances TB_ODD; the answer is the
// caller's, as NactiOddeleni's.
TOddeleni* ReadOlderCompartment(PlanReadContext& ctx);

}  // namespace tarnik::plan::readers
