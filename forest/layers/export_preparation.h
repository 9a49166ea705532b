// The preparation of a loaded compartment for the ISLH export, over every sub-compartment,
// stand and element below it (deleted sets are left alone). The steps rearrange the model
// destructively: the compartment is not used again after its export. Each step stands alone;
// the exporter calls them in its own order.
#pragma once

#include <vector>

#include "forest/layers/mzd_table.h"

namespace tarnik::plan {

class TOddeleni;

// Every stand group, non-forest plot and other plot makes its first parcel part current
// (creating the part "Vzdy" when it has none).
void NastavAktualniCastiParcel(TOddeleni& compartment);
// In every stand, the non-forest plots, other plots and other land of the same number and
// cadastral area are merged into one.
void SlucStejnePlochy(TOddeleni& compartment);
// Every stand without categories gets the category "10".
void DoplnKategorii10(TOddeleni& compartment);
// Frees every afforestation row without a species.
void OdstranPrazdnaZalesneni(TOddeleni& compartment);
// With the SmazZvlSt option: frees the special statuses that the export leaves out.
void OdstranNeexportovaneZvlSt(TOddeleni& compartment);
// Frees the stands without stand groups, non-forest plots and other plots (with their other
// land), then the sub-compartments left without stands.
void OdstranPrazdnePorosty(TOddeleni& compartment);
// The MZD list keys of the compartment's layers (management set and the group's forest type),
// each key once, in ascending order of MzdListKey (the order of the code lists' MZD list).
std::vector<MzdKey> KliceMZDPodleHS(TOddeleni& compartment);

}  // namespace tarnik::plan
