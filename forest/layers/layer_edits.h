// Data-entry edits of stand layers and species: the recomputation of a group's layers after its
// area changed, the distribution of a group-level intervention area over the layers, and the
// edit entry points of the Merk forms, the entry grid and the intervention map layer. Only
// values marked as "may change" (the layers' PRO_PMenit, TV_PMenit, TO_PMenit,
// PlochaZalesneniMenit) follow an area change; values entered by hand stay unless the user
// agrees to change them. Everything changed is marked edited.
#pragma once

#include <string>
#include <vector>

#include "framework/class_info.h"

namespace tarnik::plan {

class TPorostniSkupina;

// After the group's area went from StaraPlocha to Plocha: the intervention and afforestation
// areas that may change are scaled with the area; when the areas entered by hand then exceed
// the group's area the user is asked whether to scale them down as well. `with_volumes` also
// scales the species' total volumes and fellings (stored values, with bark).
void PrepocitejEtaze(TPorostniSkupina& group, bool with_volumes);
// Makes PrepocitejEtaze the recompute of the stand groups.
void InstallLayerRecompute();

// Writes a group-level intervention area ("PRO", "TV" or "TO") into the layers: the layers whose
// area may change share what the other layers do not hold, in proportion to their ETAZ_PP
// (equally when those are all 0), the largest one taking up the rounding; without such layers
// every layer takes part. Nothing for a group without layers.
void RozdelPlochuZasahu(TPorostniSkupina& group, const std::string& kind, double area);

// TV_P_MERK, TO_P_MERK, TBH_P_MERK, TO_P_ZAL, TO_NAL_P0135, TO_ZPUSOB_P0135 of TEtaz.
void DefineLayerEditProperties(std::vector<framework::TPropInfo>& out);
// ZAST_MERK, DR_ZAS_HA_MERK, DR_ZAS_CEL_MERK, POCET_KMENU_MERK, VYCETNI_ZAKLADNA_MERK and the
// grid's DR_ZAS_TABed, DR_ZAS_HAed, DR_ZAS_CELed, POCET_KMENUed, VYCETNI_ZAKLADNAed of TDrevina.
void DefineSpeciesEditProperties(std::vector<framework::TPropInfo>& out);

}  // namespace tarnik::plan
