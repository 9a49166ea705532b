// The plan tables of one forest unit (the plan directory's tables.sqlite), and the tables only the
// older table set declares.
#include <string>

#include "data/engine/schema_tables.h"

namespace tarnik::engine::schema_internal {

namespace {
// The protected-area columns of stand groups and plots with their colour columns, in the order the
// upgrade adds them.
const std::string kProtectedArea =
    "EVL_KOD;EVL_KOD_BR;PO_KOD;PO_KOD_BR;CHKO_KOD;CHKO_KOD_BR;CHKO_Z_KOD;CHKO_Z_KOD_BR;NP_KOD;"
    "NP_KOD_BR;NP_Z_KOD;NP_Z_KOD_BR;NPP_KOD;NPP_KOD_BR;NPR_KOD;NPR_KOD_BR;PP_KOD;PP_KOD_BR;PR_KOD;"
    "PR_KOD_BR;SCHU_KOD;SCHU_KOD_BR";
// Stand-group columns of some data-entry versions; read when a table has them.
const std::string kStandGroupOptional =
    "StareOzn;Face;BotanLok;SegmVyv;PrirStan;Biotop;RSO;Revize;Prioritni;Rok_Sum;StupPriroz";
}  // namespace

std::vector<SchemaTable> BuildPlanTables() {
  return {
    // unit header, one row (no colour columns)
    {"LHC", "ID",
     {},
     {{"ID", kF}, {"LHC_KOD", kF}, {"LHC_NAZ", A(40)}, {"LHP_OD", A(10)}, {"LHP_DO", A(10)},
      {"Puv_Dat", A(20)}, {"ETAT_TO", kI}, {"ETAT_TV", kI}, {"ETAT", kI}, {"ETAT_TVYB", kI},
      {"LHP_Z_OD", A(10)}, {"LHP_Z_DO", A(10)}, {"LHP_Z_TAX", A(40)}, {"LHP_TAX", A(40)},
      {"TEZ_PROC", kI}, {"NOR_PAS", kI}, {"LHC_PN_PRO", kI}, {"LHC_IND", kI}, {"LHC_MAX", kI},
      {"LHP_LIC", A(20)}, {"LHP_Z_LIC", A(20)}, {"LHP_NEZDAR", kI}, {"MVYCH_DO40", kF},
      {"LHO", A(1)}, {"LHC_KOD_ID", kI}, {"KU_DATUM", kD}, {"LHC_IND_TV", kI},
      {"LHC_IND_TO", kI}},
     "LHO;LHC_KOD_ID;KU_DATUM;LHC_IND_TV;LHC_IND_TO", "", ""},
    // compartments (VAZBA = LHC.ID)
    {"ODDELENI", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"ODD", kS}, {"ODD_br", kI}}},
    // sub-compartments (VAZBA = ODDELENI.ID)
    {"DILEC", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"DIL", A(1)}, {"DIL_br", kI}}},
    // stands (VAZBA = DILEC.ID)
    {"POROST", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"POR", A(1)}, {"POR_br", kI}, {"KATEGORIE", kS},
      {"KATEGORIE_br", kI}, {"PAS_OHR", A(1)}, {"PAS_OHR_br", kI}, {"LES_OBL", A(3)},
      {"LES_OBL_br", kI}, {"LES_PODOBL", A(4)}, {"LES_PODOBL_br", kI}, {"KAT_SPEC", kF},
      {"KAT_SPEC_br", kI}, {"Cil_HS", kS}, {"Cil_HS_br", kI}, {"ZVL_STATUS", A(20)},
      {"ZVL_STATUT_br", kI}, {"MAJ_KOD", kF}, {"MAJ_KOD_br", kI}, {"MAJ_DRUH", kF},
      {"MAJ_DRUH_br", kI}, {"Ktg_str", A(4)}, {"KTG_STR_br", kI}, {"ORG_UROVEN1", kI},
      {"ORG_UROVEN1_br", kI}, {"ORG_UROVEN2", kI}, {"ORG_UROVEN2_br", kI}, {"ORG_UROVEN3", kI},
      {"ORG_UROVEN3_br", kI}, {"SDR_POR", A(1)}, {"SDR_POR_br", kI}, {"DRUH_POZ", kF},
      {"DRUH_POZ_br", kI}, {"OLH", A(3)}, {"OLH_br", kI},
      {"ZONACE", A(3)}, {"CISLO_ZONY", kI}},
     "LES_PODOBL;LES_PODOBL_br", "Cil_HS;Cil_HS_br", "ZONACE;CISLO_ZONY"},
    // stand remarks, one line per row (VAZBA = POROST.ID)
    {"POR_POZN", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"VAZBA", kF}, {"ID", kF}, {"POZNAMKA", A(255)}, {"Poznamka_br", kI}}},
    // category overlay of a stand (VAZBA = POROST.ID)
    {"PREKRYV", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"VAZBA", kF}, {"ID", kF}, {"Ktg_str", A(4)}, {"KTG_STR_br", kI}}},
    // special statuses of a stand (VAZBA = POROST.ID)
    {"ZvlSt", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"VAZBA", kF}, {"ID", kF}, {"ZVL_STATUT", A(4)}, {"ZVL_STATUT_BR", kI}, {"IZVL_STAT", kI}},
     "IZVL_STAT", "", ""},
    // stand groups (VAZBA = POROST.ID)
    {"PS", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"PSK", A(12)}, {"PSK_br", kI}, {"MAJ_KOD", kF},
      {"MAJ_KOD_br", kI}, {"KU_KOD", kI}, {"KU_KOD_br", kI}, {"LES_URAD", kI},
      {"LES_URAD_br", kI}, {"LT", A(3)}, {"LT_br", kI}, {"SLT", A(2)}, {"SLT_br", kI},
      {"PRIB_VZD", kS}, {"PRIB_VZD_br", kI}, {"HOSP_TVAR", A(1)}, {"HOSP_TVAR_br", kI},
      {"TER_TYP", kS}, {"TER_TYP_br", kI}, {"Terenni_skupina", A(1)}, {"Terenni_skupina_br", kI},
      {"Uzivatel", kF}, {"Uzivatel_br", kI}, {"OLH", kF}, {"OLH_br", kI}, {"HOSP_ZP", kF},
      {"HOSP_ZP_br", kI}, {"PSK_P", kF}, {"PSK_P_br", kI}, {"PSK_P0", kF}, {"PSK_P0_br", kI},
      {"PSK_V", kF}, {"PSK_V_br", kI}, {"KVAL_P", kF}, {"KVAL_P_br", kI}, {"POT_VLAST", kF},
      {"POT_VLAST_br", kI}, {"SKUPPARC", A(8)}, {"SKUPPARC_br", kI}, {"DAN", A(1)},
      {"DAN_br", kI}, {"LVS", kI}, {"LVS_BR", kI}, {"PLT", A(5)}, {"PLT_BR", kI},
      {"EVL_KOD", A(25)}, {"EVL_KOD_BR", kI}, {"PO_KOD", kI}, {"PO_KOD_BR", kI},
      {"CHKO_KOD", kI}, {"CHKO_KOD_BR", kI}, {"CHKO_Z_KOD", kI}, {"CHKO_Z_KOD_BR", kI},
      {"NP_KOD", kI}, {"NP_KOD_BR", kI}, {"NP_Z_KOD", kI}, {"NP_Z_KOD_BR", kI},
      {"NPP_KOD", A(25)}, {"NPP_KOD_BR", kI}, {"NPR_KOD", A(25)}, {"NPR_KOD_BR", kI},
      {"PP_KOD", kI}, {"PP_KOD_BR", kI}, {"PR_KOD", kI}, {"PR_KOD_BR", kI}, {"SCHU_KOD", kI},
      {"SCHU_KOD_BR", kI}, {"CISLO_TEL", A(80)}, {"TXTNEPIS", A(255)}, {"TXTNEPIS_br", kI},
      {"PocCasti", kI},
      {"MNG_REZIM", A(4)}, {"MNG_REZIM_br", kI}, {"StareOzn", A(20)}, {"Face", A(20)}, {"BotanLok", A(20)}, {"SegmVyv", A(20)}, {"PrirStan", A(20)}, {"Biotop", A(20)}, {"RSO", A(20)}, {"Revize", A(20)}, {"Prioritni", A(20)}, {"Rok_Sum", kI}, {"StupPriroz", A(20)}},
     "LVS;LVS_BR;PLT;PLT_BR;" + kProtectedArea + ";CISLO_TEL;TXTNEPIS;TXTNEPIS_br;PocCasti", kStandGroupOptional, "MNG_REZIM;MNG_REZIM_br;PrirStan;Biotop;RSO;Revize;Prioritni;Rok_Sum;StupPriroz"},
    // stand-group remark (Vazba = PS.ID)
    {"PS_POZN", "ID",
     {{"VAZBA", "Vazba"}},
     {{"Vazba", kF}, {"ID", kF}, {"Poznamka", A(255)}, {"POZNAMKA_br", kI}}},
    // stand layers (VAZBA = PS.ID)
    {"ETAZ", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"ETAZ", A(3)}, {"ETAZ_br", kI}, {"HS", kS}, {"HS_br", kI},
      {"ETAZ_PP", kF}, {"ETAZ_PP_br", kI}, {"ETAZ_PS", kF}, {"ETAZ_PS_br", kI}, {"OBMYTI", kS},
      {"OBMYTI_br", kI}, {"OBN_DOBA", kS}, {"OBN_DOBA_br", kI}, {"POC_OBNOVY", kS},
      {"POC_OBNOVY_br", kI}, {"VEK", kS}, {"VEK_br", kI}, {"ZAKM", kS}, {"ZAKM_br", kI},
      {"Metoda_zjisteni_zasoby", kS}, {"Metoda_zjisteni_zasoby_br", kI},
      {"Rok_zjisteni_zasoby", kS}, {"Rok_zjisteni_zasoby_br", kI}, {"HOSP_ZP", kS},
      {"HOSP_ZP_br", kI}, {"MZD", kS}, {"MZD_br", kI}, {"HOSP_TV", A(1)}, {"HOSP_TV_br", kI},
      {"TO_ZPUSOB", A(3)}, {"TO_ZPUSOB_br", kI}, {"EKOL_HOD", A(3)}, {"EKOL_HOD_br", kI},
      {"ZAL_P_MERK_br", kI}, {"KVAL_HS", kI}, {"KVAL_HS_BR", kI}, {"PROC_HS", kI}, {"TBH_P", kF},
      {"TBH_P_br", kI}, {"ProcentoTBH", kI}, {"ProcentoTBH_br", kI},
      {"STR_VRS", A(3)}},
     "KVAL_HS;KVAL_HS_BR;PROC_HS;TBH_P;TBH_P_br;ProcentoTBH;ProcentoTBH_br", "", "STR_VRS"},
    // species of a layer (VAZBA = ETAZ.ID)
    {"DREVINA", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"DR_ZKR", A(3)}, {"DR_ZKR_br", kI}, {"ZAST", kS},
      {"ZAST_br", kI}, {"TLOUSTKA", kS}, {"TLOUSTKA_br", kI}, {"VYSKA", kS}, {"VYSKA_br", kI},
      {"BON_A", kS}, {"BON_A_br", kI}, {"ZAS_TAB_HA", kS}, {"ZAS_TAB_HA_br", kI},
      {"DR_ZAS_HA", kS}, {"DR_ZAS_HA_br", kI}, {"DR_ZAS_CELK", kF}, {"DR_ZAS_CELK_br", kI},
      {"POCET_KMENU", kI}, {"POCET_KMENU_br", kI}, {"VYCETNI_ZAKLADNA", kF},
      {"VYCETNI_ZAKLADNA_br", kI}, {"GEN_KLAS", A(1)}, {"GEN_KLAS_br", kI}, {"VYB_STR", A(1)},
      {"VYB_STR_br", kI}, {"PUVOD_DR", A(1)}, {"PUVOD_DR_br", kI}, {"IMISE", A(2)},
      {"IMISE_br", kI}, {"PROC_SOUS", kS}, {"PROC_SOUS_br", kI}, {"DR_KVAL", kS},
      {"DR_KVAL_br", kI}, {"BON_R", kS}, {"BON_R_br", kI}, {"Vi", kF}, {"Vi_br", kI},
      {"METODA_ZJISTENI_PRIRUSTU", kS}, {"METODA_ZJISTENI_PRIRUSTU_br", kI}, {"DR_CBP", kS},
      {"DR_CBP_br", kI}, {"PLOCHA_DREVINY", kF}, {"PLOCHA_DREVINY_br", kI}, {"ZPZADZAS", A(1)},
      {"ZPZADZAS_br", kI}, {"STAV_ZPRAC", kS}, {"STAV_ZPRAC_br", kI}, {"POC_JEHL", kS},
      {"POC_JEHL_br", kI}, {"GEN_PUVOD", kI}, {"GEN_PUVOD_br", kI}, {"GEN_PUVOD_OBLAST", A(10)},
      {"GEN_PUVOD_OBLAST_br", kI}, {"RS_KLON", kI}, {"RS_KLON_br", kI}},
     "GEN_PUVOD;GEN_PUVOD_br;GEN_PUVOD_OBLAST;GEN_PUVOD_OBLAST_br;RS_KLON;RS_KLON_br", "", ""},
    // proposals of a layer (Vazba = ETAZ.ID): kinds 0-7 afforestation, 10 regeneration felling, 11 thinning, 12 cleaning
    {"NAVRH", "ID",
     {{"VazbaDruh", "Vazba;N_Druh_vykonu;ID"}},
     {{"ID", kF}, {"Vazba", kF}, {"N_Druh_vykonu", kS}, {"N_Druh_Vykonu_br", kI},
      {"N_Zkratka_dreviny", A(3)}, {"N_Zkratka_dreviny_br", kI}, {"N_Nalehavost", kS},
      {"N_Nalehavost_br", kI}, {"N_Plocha", kF}, {"N_Plocha_br", kI}, {"N_Objem", kF},
      {"N_Objem_br", kI}, {"N_ObjemHa", kF}, {"N_ObjemHa_br", kI}, {"N_Procento", kF},
      {"N_Procento_br", kI}, {"Pocet_Zasahu", kS}, {"Pocet_Zasahu_br", kI}, {"Duvod", kS},
      {"Duvod_br", kI}, {"Druh", kS}, {"ZpZadTV", A(1)}, {"STAV_ZPRAC", kS}},
     "", "STAV_ZPRAC", ""},
    // damages of a species (Vazba = DREVINA.ID); rows have no ID, so the table has no primary key
    {"POSKOZ", "",
     {{"VAZBA", "Vazba"}},
     {{"Vazba", kF}, {"Druh_poskozeni", kS}, {"Druh_poskozeni_br", kI}, {"Stupen_poskozeni", kS},
      {"Stupen_poskozeni_br", kI}}},
    // non-forest land of a stand (VAZBA = POROST.ID)
    {"BEZLESI", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"BZL", kF}, {"BZL_br", kI}, {"MAJ_KOD", kF},
      {"MAJ_KOD_br", kI}, {"MAJ_DRUH", kS}, {"MAJ_DRUH_br", kI}, {"KU_KOD", kF},
      {"KU_KOD_br", kI}, {"LES_URAD", kF}, {"LES_URAD_br", kI}, {"BZL_P0", kF},
      {"BZL_P0_br", kI}, {"BZL_P", kF}, {"BZL_P_br", kI}, {"BZL_V", kF}, {"BZL_V_br", kI},
      {"KVAL_P", kF}, {"KVAL_P_br", kI}, {"BZL_VYUZ", A(70)}, {"BZL_VYUZ_br", kI},
      {"BZL_DRUH", A(3)}, {"BZL_DRUH_br", kI}, {"POT_VLAST", kF}, {"POT_VLAST_br", kI},
      {"SKUPPARC", A(8)}, {"SKUPPARC_br", kI}, {"Vyuziti", A(2)}, {"CISLO_TEL", A(80)},
      {"INV_CIS", A(6)}, {"INV_CIS_br", kI}, {"LVS", kI}, {"LVS_BR", kI}, {"LT", A(5)},
      {"LT_BR", kI}, {"SLT", A(3)}, {"SLT_BR", kI}, {"PLT", A(5)}, {"PLT_BR", kI},
      {"EVL_KOD", A(25)}, {"EVL_KOD_BR", kI}, {"PO_KOD", kI}, {"PO_KOD_BR", kI},
      {"CHKO_KOD", kI}, {"CHKO_KOD_BR", kI}, {"CHKO_Z_KOD", kI}, {"CHKO_Z_KOD_BR", kI},
      {"NP_KOD", kI}, {"NP_KOD_BR", kI}, {"NP_Z_KOD", kI}, {"NP_Z_KOD_BR", kI},
      {"NPP_KOD", A(25)}, {"NPP_KOD_BR", kI}, {"NPR_KOD", A(25)}, {"NPR_KOD_BR", kI},
      {"PP_KOD", kI}, {"PP_KOD_BR", kI}, {"PR_KOD", kI}, {"PR_KOD_BR", kI}, {"SCHU_KOD", kI},
      {"SCHU_KOD_BR", kI},
      {"MNG_REZIM", A(4)}, {"MNG_REZIM_br", kI}},
     "Vyuziti;CISLO_TEL;INV_CIS;INV_CIS_br;LVS;LVS_BR;LT;LT_BR;SLT;SLT_BR;PLT;PLT_BR;" + kProtectedArea, "", "MNG_REZIM;MNG_REZIM_br"},
    // other plots for forest functions (VAZBA = POROST.ID)
    {"JINE_POZ", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"JP", kF}, {"JP_br", kI}, {"MAJ_KOD", kF}, {"MAJ_KOD_br", kI},
      {"MAJ_DRUH", kS}, {"MAJ_DRUH_br", kI}, {"KU_KOD", kF}, {"KU_KOD_br", kI}, {"LES_URAD", kF},
      {"LES_URAD_br", kI}, {"JP_P0", kF}, {"JP_P0_br", kI}, {"JP_P", kF}, {"JP_P_br", kI},
      {"JP_V", kF}, {"JP_V_br", kI}, {"KVAL_P", kF}, {"KVAL_P_br", kI}, {"JP_VYUZ", A(70)},
      {"JP_VYUZ_br", kI}, {"JP_DRUH", A(3)}, {"JP_DRUH_br", kI}, {"POT_VLAST", kF},
      {"POT_VLAST_br", kI}, {"SKUPPARC", A(8)}, {"SKUPPARC_br", kI}, {"JP_PUPFL", A(1)},
      {"JP_PUPFL_br", kI}, {"DRUH_POZ", kF}, {"DRUH_POZ_br", kI}, {"Kategorie", A(14)},
      {"Kategorie_br", kI}, {"Vyuziti", A(2)}, {"CISLO_TEL", A(80)}, {"INV_CIS", A(6)},
      {"INV_CIS_br", kI}, {"LVS", kI}, {"LVS_BR", kI}, {"LT", A(5)}, {"LT_BR", kI},
      {"EVL_KOD", A(25)}, {"EVL_KOD_BR", kI}, {"PO_KOD", kI}, {"PO_KOD_BR", kI},
      {"CHKO_KOD", kI}, {"CHKO_KOD_BR", kI}, {"CHKO_Z_KOD", kI}, {"CHKO_Z_KOD_BR", kI},
      {"NP_KOD", kI}, {"NP_KOD_BR", kI}, {"NP_Z_KOD", kI}, {"NP_Z_KOD_BR", kI},
      {"NPP_KOD", A(25)}, {"NPP_KOD_BR", kI}, {"NPR_KOD", A(25)}, {"NPR_KOD_BR", kI},
      {"PP_KOD", kI}, {"PP_KOD_BR", kI}, {"PR_KOD", kI}, {"PR_KOD_BR", kI}, {"SCHU_KOD", kI},
      {"SCHU_KOD_BR", kI},
      {"MNG_REZIM", A(4)}, {"MNG_REZIM_br", kI}},
     "Kategorie;Vyuziti;CISLO_TEL;INV_CIS;INV_CIS_br;LVS;LVS_BR;LT;LT_BR;" + kProtectedArea, "Kategorie_br", "MNG_REZIM;MNG_REZIM_br"},
    // other land of a stand (VAZBA = POROST.ID)
    {"OST_POZ", "ID",
     {{"VAZBA", "VAZBA"}},
     {{"ID", kF}, {"VAZBA", kF}, {"OST", kF}, {"OST_br", kI}, {"MAJ_KOD", kF},
      {"MAJ_KOD_br", kI}, {"MAJ_DRUH", kS}, {"MAJ_DRUH_br", kI}, {"KU_KOD", kF},
      {"KU_KOD_br", kI}, {"LES_URAD", kF}, {"LES_URAD_br", kI}, {"OST_P0", kF},
      {"OST_P0_br", kI}, {"OST_P", kF}, {"OST_P_br", kI}, {"OST_V", kF}, {"OST_V_br", kI},
      {"KVAL_P", kF}, {"KVAL_P_br", kI}, {"OST_VYUZ", A(70)}, {"OST_VYUZ_br", kI},
      {"POT_VLAST", kF}, {"POT_VLAST_br", kI}, {"SKUPPARC", A(8)}, {"SKUPPARC_br", kI},
      {"DRUH_POZ", kF}, {"DRUH_POZ_br", kI}, {"Vyuziti", A(2)}, {"Vyuziti_br", kI},
      {"CISLO_TEL", A(80)}, {"INV_CIS", A(6)}, {"INV_CIS_br", kI}, {"EVL_KOD", A(25)},
      {"EVL_KOD_BR", kI}, {"PO_KOD", kI}, {"PO_KOD_BR", kI}, {"CHKO_KOD", kI},
      {"CHKO_KOD_BR", kI}, {"CHKO_Z_KOD", kI}, {"CHKO_Z_KOD_BR", kI}, {"NP_KOD", kI},
      {"NP_KOD_BR", kI}, {"NP_Z_KOD", kI}, {"NP_Z_KOD_BR", kI}, {"NPP_KOD", A(25)},
      {"NPP_KOD_BR", kI}, {"NPR_KOD", A(25)}, {"NPR_KOD_BR", kI}, {"PP_KOD", kI},
      {"PP_KOD_BR", kI}, {"PR_KOD", kI}, {"PR_KOD_BR", kI}, {"SCHU_KOD", kI},
      {"SCHU_KOD_BR", kI}},
     "Vyuziti;CISLO_TEL;INV_CIS;INV_CIS_br;" + kProtectedArea, "Vyuziti_br", ""},
    // last identifier issued per table key
    {"ID", "Tabulka",
     {},
     {{"Tabulka", A(10)}, {"ID", kF}}},
  };
}

std::vector<SchemaTable> BuildOlderPlanOnlyTables() {
  return {
    // users of the older data-entry program
    {"KLIC", "",
     {},
     {{"CELE_JMENO", A(30)}, {"ZKRATKA", A(8)}, {"HESLO", A(20)}, {"FUNKCE", A(10)},
      {"ADRESA", A(50)}}},
  };
}

}  // namespace tarnik::engine::schema_internal
