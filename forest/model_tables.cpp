#include "forest/model_tables.h"

#include <map>

#include "platform/text.h"

namespace tarnik::plan {

const std::vector<SetKind>& SetKinds() {
  static const std::vector<SetKind> kinds = {
      {"TOddeleniMN", "TOddeleni", "ODD"},
      {"TDilecMN", "TDilec", "DIL"},
      {"TPorostMN", "TPorost", "POR"},
      {"TPorostniSkupinaMN", "TPorostniSkupina", "SKUP"},
      {"TEtazMN", "TEtaz", "ETAZ"},
      {"TDrevinaMN", "TDrevina", "DREV"},
      {"TPoskozeniMN", "TPoskozeni", "POSK"},
      {"TZalesneniMN", "TZalesneni", "ZAL"},
      {"TBezlesiMN", "TBezlesi", "BZL"},
      {"TJinyPozemekMN", "TJinyPozemek", "JINE"},
      {"TOstatniMN", "TOstatni", "OST"},
      {"TKategorie1MN", "TKategorie1", "KTG"},
      {"TZvlStMN", "TZvlSt", "ZVLST"},
      {"TOrg_UrovenMN", "TOrg_Uroven", "ORGU"},
      {"TCastParcelyMN", "TCastParcely", "CParc"},
      {"TNasobny_LongIntMN", "TNasobny_LongInt", "NasLongInt"},
      {"TNasobny_VlastnikMN", "TNasobny_Vlastnik", "NasVlast"},
      {"TVlastnostiMN", "TVlastnosti", "VLAS"},
      {"TVlastnostiSloupcuMN", "TVlastnostiSloupcu", "SLOUP"},
  };
  return kinds;
}

const SetKind* FindSetKindBySet(const std::string& set_class) {
  for (const auto& kind : SetKinds())
    if (platform::SameTextCz(kind.set_class, set_class)) return &kind;
  return nullptr;
}

const SetKind* FindSetKindByElement(const std::string& element_class) {
  for (const auto& kind : SetKinds())
    if (platform::SameTextCz(kind.element_class, element_class)) return &kind;
  return nullptr;
}

const std::vector<std::string>* EditableProperties(const std::string& class_name) {
  static const std::map<std::string, std::vector<std::string>> lists = {
      {"TDILEC", {"DIL"}},
      {"TPOROST",
       {"POR", "POR_P", "ORG_UROVEN2", "ORG_UROVEN1", "PAS_OHR", "ZVL_STATUT", "KAT_SPEC", "Cil_HS",
        "MAJ_DRUH", "MAJ_KOD", "POR_V", "ORG_UROVEN3", "DRUH_POZ", "SDR_POR", "OLH_98", "LES_OBL",
        "LES_PODOBL", "CisHlKATEG", "POR_TEXT_Vse"}},
      {"TPOROSTNISKUPINA",
       {"PSK",      "PSK_P",   "PSK_P_MERK", "KU_KOD",   "KVAL_P",          "SKUPPARC",
        "LES_URAD", "HOSP_ZP", "TER_TYP",    "LT",       "PSK_V",           "PRIB_VZD",
        "StareOzn", "DAN",     "POT_VLAST",  "Uzivatel", "Terenni_skupina", "SLT",
        "PSK_TEXT", "Face",    "BotanLok",   "SegmVyv",  "TypManag",        "PLT",
        "TxtNepis", "LVS"}},
      {"TETAZ", {"ETAZ",        "ETAZ_PS",       "MZDi",        "ZAL_DRUH",
                 "TO_DUVOD",    "TO_ZPUSOB",     "TO_NAL",      "TV_NAL",
                 "TV_POC",      "PRO_NAL",       "PRO_POC",     "Rok_zjisteni_zasoby",
                 "M_Z_ZASOBY",  "KVAL_HS",       "ZAKM",        "VEK",
                 "HS",          "ETAZ_PP",       "OBMYTI",      "OBN_DOBA",
                 "Etaz_ZAS_HA", "Etaz_ZAS_CELK", "PRO_P",       "TV_P_MERK",
                 "TO_P_MERK",   "TBH_P_MERK",    "ProcentoTBH", "EtazN_ObjemHaTV",
                 "Etaz_TV",     "Etaz_TO",       "ZAL_P",       "HOSP_TV",
                 "ZAL_P_MERK",  "MZDs"}},
      {"TDREVINA",
       {"DR_ZKR",
        "ZAST",
        "TLOUSTKA",
        "VYSKA",
        "BON_A",
        "ZAS_TAB_HA",
        "DR_ZAS_HA",
        "DR_ZAS_CEL",
        "POCET_KMENU",
        "VYCETNI_ZAKLADNA",
        "GEN_KLAS",
        "DR_PUVOD",
        "IMISE",
        "PROC_SOUS",
        "DR_KVAL",
        "VYB_STR",
        "N_ProcentoTV",
        "N_ObjemHaTV",
        "DR_TV",
        "DR_TO",
        "Poskozeni_Ciselne_Prelamane",
        "GEN_PUVOD",
        "GEN_PUVOD_OBLAST",
        "RS_KLON"}},
      {"TZALESNENI", {"ZAL_DR", "ZAL_DR_P", "ZAL_P_st"}},
      {"TPOSKOZENI", {"POSKOZ_D", "POSKOZ_R"}},
      {"TKATEGORIE1", {"KATEGORIE"}},
      {"TZVLST", {"ZVL_STATUT"}},
      {"TBEZLESI",
       {"BZL", "MAJ_KOD_BZL", "MAJ_DRUH_BZL", "KU_KOD_BZL", "LES_URAD_BZL", "BZL_P_st", "BZL_V_st",
        "KVAL_P_BZL", "BZL_VYUZ", "BZL_DRUH", "POT_VLAST_BZL", "SKUPPARC_BZL", "INV_CIS_BZL",
        "LT_BZL", "SLT_BZL", "PLT_BZL", "LVS_BZL"}},
      {"TJINYPOZEMEK",
       {"JP", "MAJ_KOD_JP", "MAJ_DRUH_JP", "KU_KOD_JP", "LES_URAD_JP", "JP_P_st", "JP_V_st",
        "KVAL_P_JP", "JP_VYUZ", "JP_DRUH", "POT_VLAST_JP", "SKUPPARC_JP", "DRUH_POZ_JP",
        "INV_CIS_JP", "LVS_JP"}},
      {"TOSTATNI",
       {"OST", "MAJ_KOD_OST", "MAJ_DRUH_OST", "KU_KOD_OST", "LES_URAD_OST", "OST_P_st", "OST_V_st",
        "KVAL_P_OST", "OST_VYUZ", "POT_VLAST_OST", "SKUPPARC_OST", "DRUH_POZ_OST", "OP_DRUH",
        "INV_CIS_OST"}},
  };
  auto it = lists.find(platform::UpperAscii(class_name));
  return it == lists.end() ? nullptr : &it->second;
}

std::vector<int> RenumberColumns(const std::vector<bool>& visible) {
  std::vector<int> indices;
  int next = 0;
  for (bool shown : visible) indices.push_back(shown ? next++ : -1);
  return indices;
}

}  // namespace tarnik::plan
