// The plan-wide tables of the PHS directory: management sets, owners, forest managers,
// organisation levels, cadastral areas, ameliorating species and the protected-area link tables.
#include "data/engine/schema_tables.h"

namespace tarnik::engine::schema_internal {

std::vector<SchemaTable> BuildPhsTables() {
  return {
    // management sets
    {"TAB_HS", "CISLO_HS",
     {},
     {{"CISLO_HS", kS}, {"NAZEV_HS", A(30)}, {"OBMYTI", kS}, {"OBN_DOBA", kS},
      {"POC_OBNOVY", kS}, {"POC_PROR", kS}, {"POC_MYTKLID", kS}, {"POD_MEL_DR", kF},
      {"ODVOZ_TEZ", A(1)}, {"SEST_DTO", A(2)}},
     "ODVOZ_TEZ;SEST_DTO", ""},
    // owners
    {"MAJETKY", "MAJ_KOD;MAJ_DRUH",
     {},
     {{"MAJ_KOD", kF}, {"MAJ_DRUH", kF}, {"OLH", kF}, {"MAJ_NAZ", A(80)}}},
    // forest managers (OLH)
    {"OLH", "KOD",
     {},
     {{"KOD", A(3)}, {"POPIS", A(60)}, {"ICO_RC", A(12)}, {"OKR_URAD", A(4)}, {"CIS_LIC", A(12)},
      {"OLH_LIC", A(12)}},
     "ICO_RC;OKR_URAD;CIS_LIC", "OLH_LIC"},
    // organisation level 1 (administrations)
    {"ORGUR1", "KOD",
     {},
     {{"KOD", kI}, {"POPIS", A(40)}},
     "", "", "", "KOD;POPIS"},
    // organisation level 2 (districts)
    {"ORGUR2", "KOD",
     {},
     {{"KOD", kI}, {"POPIS", A(40)}},
     "", "", "", "KOD;POPIS"},
    // organisation level 3 (sections)
    {"ORGUR3", "KOD",
     {},
     {{"KOD", kI}, {"POPIS", A(40)}},
     "", "", "", "KOD;POPIS"},
    // cadastral areas of the unit with their ORP number
    {"KATASTRY", "Kod",
     {},
     {{"Kod", kF}, {"POPIS", A(40)}, {"ORP", kI}},
     "ORP", ""},
    // ameliorating and stabilising species per management set and site types
    {"MEL_DREV", "Cislo_HS;LT",
     {},
     {{"Cislo_HS", kF}, {"Mel_dr1", A(3)}, {"Mel_dr2", A(3)}, {"Mel_dr3", A(3)},
      {"Mel_dr4", A(3)}, {"Mel_dr5", A(3)}, {"Mel_dr6", A(3)}, {"Mel_dr7", A(3)},
      {"Mel_dr8", A(3)}, {"Mel_dr9", A(3)}, {"Mel_dr10", A(3)}, {"MZD", kS}, {"LT", A(80)}}},
    // categories and special statuses per stand; ODD '0' with blank DIL and POR holds the unit defaults
    {"KATEGPOR", "ODD;DIL;POR;ID",
     {},
     {{"ODD", A(5)}, {"DIL", A(1)}, {"POR", A(1)}, {"ID", kI}, {"Kategorie", A(14)},
      {"Org_Uroven2", A(20)}, {"Poznamka", A(255)}}},
    // special statuses per stand
    {"ZvlStPOR", "ODD;DIL;POR;ID",
     {},
     {{"ODD", A(5)}, {"DIL", A(1)}, {"POR", A(1)}, {"ID", kI}, {"ZVL_STATUT", A(4)}}},
    // thinning percentages per species and condition (used only when phs.ini switches them on)
    {"Probir", "DREVINA;PODMINKA",
     {},
     {{"DREVINA", A(3)}, {"PODMINKA", A(80)}, {"ProcTV1", kS}, {"ProcTV2", kS}, {"ProcTV3", kS},
      {"ProcTV4", kS}, {"ProcTV5", kS}, {"ProcTV6", kS}, {"ProcTV7", kS}, {"ProcTV8", kS},
      {"ProcTV9", kS}, {"ProcTV10", kS}, {"ProcTV11", kS}, {"ProcTV12", kS}, {"ProcTV13", kS},
      {"ProcTV14", kS}, {"ProcTV15", kS}, {"ProcTV16", kS}, {"ProcTV17", kS}, {"ProcTV18", kS},
      {"ProcTV19", kS}, {"Proc06_10", kS}, {"Proc11_15", kS}, {"Proc16_20", kS},
      {"Proc21_25", kS}, {"Proc26_30", kS}, {"Proc31_35", kS}, {"Proc36_40", kS},
      {"Proc41_45", kS}, {"Proc46_50", kS}, {"Proc51_55", kS}, {"Proc56_60", kS},
      {"Proc61_65", kS}, {"Proc66_70", kS}, {"Proc71_75", kS}, {"Proc76_80", kS},
      {"Proc81_85", kS}, {"Proc86_90", kS}, {"Proc91_95", kS}, {"Proc96_100", kS}}},
    // site type pairs
    {"PLT_LT", "PLT;LT",
     {},
     {{"PLT", A(5)}, {"LT", A(5)}}},
    // contractually protected areas (the program adds code 0 itself)
    {"CisSCHU", "SCHU_KOD",
     {},
     {{"SCHU_KOD", kF}, {"SCHU_NAZEV", A(50)}, {"SCHU_SML", A(50)}, {"SCHU_POPIS", A(255)}}},
    // protected-area link per stand group or plot (PO_KOD)
    {"PorPO", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"PO_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link per stand group or plot (PP_KOD)
    {"PorPP", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"PP_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link per stand group or plot (PR_KOD)
    {"PorPR", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"PR_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link per stand group or plot (NPP_KOD)
    {"PorNPP", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"NPP_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link per stand group or plot (NPR_KOD)
    {"PorNPR", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"NPR_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link per stand group or plot (EVL_KOD)
    {"PorEVL", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"EVL_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link per stand group or plot (SCHU_KOD)
    {"PorSCHU", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"SCHU_KOD", kF}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link with zone (CHKO_KOD, CHKO_Z_KOD)
    {"PorCHKO", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"CHKO_KOD", kF}, {"CHKO_Z_KOD", kI}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // protected-area link with zone (NP_KOD, NP_Z_KOD)
    {"PorNP", "ODDELENI;DILEC;POROST;PSKBzlJP;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"PSKBzlJP", A(12)}, {"ID", kI},
      {"NP_KOD", kF}, {"NP_Z_KOD", kI}, {"NAZEV", A(30)}, {"TEXT", A(50)}}},
    // special status link per stand
    {"PorZvl", "ODDELENI;DILEC;POROST;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"ID", kI}, {"ZVL_KOD", kF},
      {"TEXT", A(50)}}},
    // category link per stand
    {"PorKtg", "ODDELENI;DILEC;POROST;ID",
     {},
     {{"ODDELENI", kI}, {"DILEC", A(1)}, {"POROST", A(1)}, {"ID", kI}, {"KTG", A(4)},
      {"TEXT", A(50)}}},
    // ameliorating-species rules; a unit without the table has the empty rule set
    {"MelDRVyhl", "",
     {},
     {{"oHS", kS}, {"LT", A(80)}, {"hDR", A(3)}, {"p", kS}, {"DR", A(3)}}},
  };
}

}  // namespace tarnik::engine::schema_internal
