// Property declarations that the holders of the layer-level lists publish: the multi-valued
// protection codes, owners' parcel numbers and the composite protection text of an areal element,
// and the special-status, category and organisational-level properties of a stand. Each helper
// appends TPropInfo entries to a class's own property table; the accessors reach the lists
// through the holder's published set properties ("EVL_KODmn", "NPP_KODmn", "NPR_KODmn",
// "Nasobny_VlastnikMN", "ZvlStMN", "Kategorie1MN", "Org_UrovenMN"), so a holder whose set is
// absent reads empty texts and ignores writes.
#pragma once

#include <string>
#include <vector>

#include "framework/class_info.h"

namespace tarnik::plan {

// EVL_KOD, EVL_KOD_XML, EVL_KODLom and the NPP and NPR twins; CISLO_TEL_XML, CISLO_TEL_Lom,
// PridejCislo_TEL; OCHR_PRIR, OCHR_PRIR_Nazvy, OCHR_PRIR_pocet_RadkuProTisk, ChybaVOchrPrir.
void DefineArealCodeProperties(std::vector<framework::TPropInfo>& out);
// The twins of a plot kind: CISLO_TEL_<suffix> ("/" form) and OCHR_PRIR_<suffix>.
void DefinePlotCodeProperties(std::vector<framework::TPropInfo>& out, const std::string& suffix);
// ZVL_STATUT_XML, ZVL_STATUTLom, ZVL_ST_Pridej, HlavniZVL_STATUT, ZVL_STATUT_nazev,
// HlavniKATEGORIE, CisHlKATEG, ORG_UROVEN, ORG_UROVEN1..3 and their _nazev.
void DefineStandListProperties(std::vector<framework::TPropInfo>& out);

}  // namespace tarnik::plan
