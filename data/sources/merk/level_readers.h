// The readers of the single levels of a compartment of the current table set: each fills one
// element from the current row of its table (and, for stands and layers, their own detail rows).
// A reader that fails part-way reports "Chyba při načítání <what> : " + the element's
// designation, and the element keeps what was read before. Internal to the plan readers.
#pragma once

#include <exception>
#include <optional>

#include "data/sources/merk/reader_state.h"
#include "framework/element.h"

namespace tarnik::plan {
class TPorost;
class TPorostniSkupina;
class TEtaz;
class TLesniPlosnyPrvek;
class TLesniPlosnyNeporostniPrvek;
}  // namespace tarnik::plan

namespace tarnik::plan::readers {

// Runs `read`; an exception is reported as `prefix` + the element's designation.
template <class F>
void Guarded(ReaderState& state, framework::TElement& element, const char* prefix, F&& read) {
  try {
    read();
  } catch (const std::exception&) {
    state.Message(prefix + Designation(element));
  }
}

// The stand row of TB_Porost with its statuses and organisation levels, then its remarks,
// category overlay and special statuses (the detail tables of the stand).
void ReadStand(ReaderState& state, TPorost& stand);
void ReadStandRemarks(ReaderState& state, TPorost& stand);
void ReadStandCategories(ReaderState& state, TPorost& stand);
void ReadStandStatuses(ReaderState& state, TPorost& stand);

// Non-forest plots, other plots and other land of the stand (Tb_BZL, Tb_jine, Tb_OST).
void ReadStandPlots(ReaderState& state, TPorost& stand);

// The stand group row of TB_SK with its remark and the special-area columns.
void ReadStandGroup(ReaderState& state, TPorostniSkupina& group);
// The special-area columns of an areal element from `row`; `kind` is "", "BZL", "JP" or "OST"
// (stand groups, non-forest land, other plots, other land).
void ReadSpecialAreaColumns(ReaderState& state, Row& row, TLesniPlosnyPrvek& element,
                            const std::string& kind);
// LES_URAD replaced by the office of the cadastral area when both are six-digit codes of the
// kinds that call for it.
int64_t OfficeCode(ReaderState& state, int64_t les_urad, int64_t ku_kod);

// The layers of the current stand group (TB_ETAZ) with their proposals, afforestation, species
// and damages.
void ReadLayers(ReaderState& state, TPorostniSkupina& group);
// A layer proposal from the first row of its view: the area, the urgency and the third value
// (the count of interventions, or for TO_DUVOD the reason); 0 and empty texts for an empty or
// missing view. Answers the row read, or nothing.
std::optional<Row> ReadProposal(ReaderState& state, TEtaz& layer, const char* view_name,
                                const char* area, const char* urgency, const char* third);

// The afforestation rows (TB_ZAL) and species (TB_DR, with their shares of the proposals and
// their damages) of a layer whose proposal views are limited to it; the older set's creation
// rules and messages when the state says so.
void ReadAfforestation(ReaderState& state, TEtaz& layer);
void ReadSpecies(ReaderState& state, TEtaz& layer);

}  // namespace tarnik::plan::readers
