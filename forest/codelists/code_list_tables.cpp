#include "forest/codelists/code_list_tables.h"

#include <exception>

#include "data/engine/table.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

std::string Key(const std::string& name) { return platform::UpperAscii(name); }

// The table name of a list file: "Cis_LT.db" -> "Cis_LT".
std::string TableOfFile(const std::string& file) {
  const std::string ext = platform::ExtensionOf(file);
  return platform::SameTextCz(ext, ".db") ? file.substr(0, file.size() - ext.size()) : file;
}

}  // namespace

const std::vector<CodeListFile>& LazyCodeLists() {
  static const std::vector<CodeListFile> lists = {
      {"Tb_LT", "Cis_LT.db"},
      {"Tb_SLT", "Cis_SLT.db"},
      {"Tb_Ktg", "Kategori.db"},
      {"tb_nal", "Cis_nale.db"},
      {"tb_tvar", "tvar.db"},
      {"tb_HZ", "Zpusob.db"},
      {"tb_ZJZ", "CIS_ZJZ.DB"},
      {"tb_ZVL_Stat", "ZVL_STAT.DB"},
      {"tb_ZVL_StatZkr", "ZVL_St_Zkr.DB"},
      {"tb_Druh_vla", "DRUH_VLA.DB"},
      {"Tb_RustTab", "RustTab.DB"},
      {"Tb_PaOh", "CIS_PAOH.DB"},
      {"tb_LeOb98", "Cis_LeOb.db"},
      {"tb_LeOb99", "CisLeOb99.db"},
      {"tb_Podob", "Cis_Podob.db"},
      {"tb_sdr_por", "SDR_POR.DB"},
      {"tb_Druh_poz", "DRUH_POZ.DB"},
      {"tb_Biotop", "Biotop.DB"},
      {"tb_Pot_vla", "POT_VLA.DB"},
      {"tb_TeTy1", "CIS_TETY.DB"},
      {"tb_PLT", "CIS_PLT.DB"},
      {"tb_EVL", "C_OCHR_EVL.DB"},
      {"tb_ZONA", "C_OCHR_ZONY.DB"},
      {"tb_PO", "C_OCHR_PO.DB"},
      {"tb_CHKO", "C_OCHR_CHKO.DB"},
      {"tb_NP", "C_OCHR_NP.DB"},
      {"tb_NPP", "C_OCHR_NPP.DB"},
      {"tb_NPR", "C_OCHR_NPR.DB"},
      {"tb_PP", "C_OCHR_PP.DB"},
      {"tb_PR", "C_OCHR_PR.DB"},
      {"tb_Gen_PUV", "CIS_Gen_PUV.DB"},
      {"tb_LVS", "CIS_LVS.DB"},
      {"tb_TypManag", "CISManag.DB"},
      {"tb_TechTyp", "technTyp.DB"},
      {"tb_LDU", "CIS_LDU.DB"},
      {"tb_ORP", "ORP.DB"},
      {"tbObce6", "Obce.db"},
      {"Tb9_6Win", "9_6_WIN.db"},
      {"tb_KU6a", "KU6.DB"},
      {"tb_KU6b", "KU.DB"},
      {"tb_Kval_P", "Kval_P.db"},
      {"tb_Duv_tezb", "Duv_Tezb.db"},
      {"tb_Druh_Zal", "Druh_Zal.db"},
      {"tb_Dan", "Cis_Dan.db"},
      {"tb_genKl", "Gen_Klas.db"},
      {"tb_imise98", "Imise.db"},
      {"tb_imise99", "Imise99.db"},
      {"TB_Cis_Ost", "Cis_ost.db"},
      {"TB_Cis_Jine", "Cis_Jine.db"},
      {"TB_Cis_Bezl", "Cis_Bezl.db"},
      {"tb_posk", "Cis_Posk.DB"},
      {"Tb_puvod", "PUVOD_DR.DB"},
      {"tb_DrevCis", "CIS_DREV.DB"},
      {"TB_Zp_TEZBY", "Zp_TEZBY.db"},
      {"TB_ODVOZ_TEZ", "ODV_TEZ.db"},
  };
  return lists;
}

const std::vector<std::string>& BoundOnlyCodeLists() {
  static const std::vector<std::string> lists = {
      "Tb_PorPO",   "Tb_PorPP",    "Tb_PorPR",   "Tb_PorNPP",   "Tb_PorNPR",   "Tb_PorEVL",
      "Tb_PorSCHU", "Tb_PorNP",    "Tb_PorCHKO", "Tb_PorZvl",   "Tb_PorKtg",   "Tb_PorKtg1",
      "tb_PLT_LT",  "Tb_PorZvlSt", "Tb_HS",      "tb_Majetky",  "tb_Katastry", "tb_OLH",
      "Tb_OrgUr1",  "Tb_OrgUr2",   "Tb_OrgUr3",  "TB_Mel_Drev",
  };
  return lists;
}

const std::vector<CodeListClass>& CodeListClasses() {
  static const std::vector<CodeListClass> classes = {
      {"Tb_LTClass", "Tb_LT", "LT", "KOD", false},
      {"Tb_SLTClass", "Tb_SLT", "SLT", "KOD", false},
      {"Tb_KTGClass", "Tb_Ktg", "KATEGORIE", "KOD", false},
      {"Tb_NalClass", "tb_nal", "NALEHAVOST", "KOD", false},
      {"Tb_TvarClass", "tb_tvar", "HOSP_TV", "KOD", false},
      {"Tb_HZClass", "tb_HZ", "HOSP_ZP", "KOD", false},
      {"Tb_ZJZClass", "tb_ZJZ", "ZJZ", "KOD", false},
      {"Tb_ZVL_StatClass", "tb_ZVL_Stat", "ZVL_STATUT", "KOD", false},
      {"Tb_ZVL_StatZkrClass", "tb_ZVL_StatZkr", "ZVL_STATUT", "KOD", false},
      {"Tb_Druh_vlaClass", "tb_Druh_vla", "DRUH_VLAST", "KOD", false},
      {"Tb_PaOhClass", "Tb_PaOh", "PASMA_OHR", "KOD", false},
      {"Tb_LeOb98Class", "tb_LeOb98", "LES_OBL", "KOD", false},
      {"Tb_LeOb99Class", "tb_LeOb99", "LES_OBL", "KOD", false},
      {"Tb_PodobClass", "tb_Podob", "LES_OBL", "KOD", false},
      {"Tb_Sdr_porClass", "tb_sdr_por", "Sdr_Por", "KOD", false},
      {"Tb_Druh_pozClass", "tb_Druh_poz", "DRUH_POZ", "KOD", false},
      {"Tb_BiotopClass", "tb_Biotop", "popis", "KOD", false},
      {"Tb_Pot_vlaClass", "tb_Pot_vla", "Pot_Vla", "KOD", false},
      {"Tb_TetyClass", "tb_TeTy1", "TER_TYPY", "KOD", false},
      {"Tb_TypManagClass", "tb_TypManag", "TypManag", "KOD", false},
      {"Tb_LDUClass", "tb_LDU", "LES_URADY", "KOD", false},
      {"Tb_Kval_PClass", "tb_Kval_P", "KVAL_P", "KOD", false},
      {"Tb_Duv_tezbClass", "tb_Duv_tezb", "DUV_TEZBY", "KOD", false},
      {"Tb_Druh_zalClass", "tb_Druh_Zal", "DRUH_ZAL", "KOD", false},
      {"Tb_DanClass", "tb_Dan", "Dan", "KOD", false},
      {"Tb_KatastryClass", "tb_Katastry", "Katastry", "KOD", false},
      {"Tb_OLHClass", "tb_OLH", "OLH", "KOD", false},
      {"Tb_GenKLClass", "tb_genKl", "GEN_KLAS", "KOD", false},
      {"Tb_Imise98Class", "tb_imise98", "IMISE", "KOD", false},
      {"Tb_Imise99Class", "tb_imise99", "IMISE", "KOD", false},
      {"Tb_PuvodClass", "Tb_puvod", "PUVOD_DR", "KOD", false},
      {"Tb_PoskClass", "tb_posk", "SKODY", "KOD", false},
      {"Tb_OrgUr1Class", "Tb_OrgUr1", "OrgUr1", "KOD", false},
      {"Tb_OrgUr2Class", "Tb_OrgUr2", "OrgUr2", "KOD", false},
      {"Tb_OrgUr3Class", "Tb_OrgUr3", "OrgUr3", "KOD", false},
      {"TB_Cis_JineClass", "TB_Cis_Jine", "Cis_Jine", "KOD", false},
      {"TB_Cis_OstClass", "TB_Cis_Ost", "Cis_ost", "KOD", false},
      {"TB_Cis_BezlClass", "TB_Cis_Bezl", "Cis_bezl", "KOD", false},
      {"TB_Zp_TEZBYClass", "TB_Zp_TEZBY", "Zp_TEZBY", "KOD", false},
      {"TB_ODVOZ_TEZClass", "TB_ODVOZ_TEZ", "ODVOZ_TEZ", "KOD", false},
      {"Tb_HSClass", "Tb_HS", "HS", "CISLO_HS", false},
      {"Tb_PorKtgClass", "Tb_PorKtg", "PorKtg", "ID", false},
      {"Tb_MAjetkyClass", "tb_Majetky", "Majetky", "MAJ_KOD", false},
      {"Tb_DrevCisClass", "tb_DrevCis", "DREVINY", "CKOD", false},
      {"Tb_Mel_DrevClass", "TB_Mel_Drev", "Mel_Drev", "Cislo_HS", true},
  };
  return classes;
}

const CodeListClass* FindCodeListClass(const std::string& property) {
  for (const auto& entry : CodeListClasses())
    if (Key(entry.property) == Key(property)) return &entry;
  return nullptr;
}

CodeListTables::CodeListTables() = default;
CodeListTables::~CodeListTables() = default;

std::string CodeListTables::Directory() {
  const std::string dir = platform::ProgramDir();
  if (auto found = platform::FindInDirectory(dir, "ciselnik")) return *found;
  return platform::JoinPath(dir, "ciselnik");
}

std::optional<engine::Database> CodeListTables::OpenDatabase() {
  if (database_attempted_) return database_;
  database_attempted_ = true;
  try {
    const std::string dir = Directory();
    if (platform::FileExists(platform::JoinPath(dir, engine::kDatabaseFileName)))
      database_ = engine::Database::Open(dir, engine::OpenMode::kReadOnly, "DB_CIS98");
  } catch (const std::exception&) {
    database_.reset();
  }
  return database_;
}

bool CodeListTables::IsKnownList(const std::string& property) const {
  const std::string key = Key(property);
  for (const auto& list : LazyCodeLists())
    if (Key(list.property) == key) return true;
  for (const auto& list : BoundOnlyCodeLists())
    if (Key(list) == key) return true;
  return false;
}

engine::Table* CodeListTables::Get(const std::string& property) {
  const std::string key = Key(property);
  if (auto it = bound_.find(key); it != bound_.end() && it->second != nullptr) return it->second;
  if (auto it = owned_.find(key); it != owned_.end()) return it->second.get();
  if (attempted_[key]) return nullptr;
  attempted_[key] = true;

  const CodeListFile* file = nullptr;
  for (const auto& list : LazyCodeLists())
    if (Key(list.property) == key) file = &list;
  if (file == nullptr) return nullptr;
  auto db = OpenDatabase();
  if (!db) return nullptr;
  try {
    std::string table = TableOfFile(file->file);
    // The short special-status names fall back to the full list when their file is missing.
    if (key == "TB_ZVL_STATZKR" && !db->TableExists(table)) table = "ZVL_STAT";
    auto opened = std::make_unique<engine::Table>(*db, table);
    engine::Table* raw = opened.get();
    owned_[key] = std::move(opened);
    return raw;
  } catch (const std::exception&) {
    return nullptr;
  }
}

void CodeListTables::Bind(const std::string& property, engine::Table* table) {
  bound_[Key(property)] = table;
  ++generation_;  // answers remembered for the old binding no longer hold
}

bool CodeListTables::IsProgramList(const std::string& property) const {
  const std::string key = Key(property);
  if (auto it = bound_.find(key); it != bound_.end() && it->second != nullptr) return false;
  return owned_.count(key) != 0;
}

void CodeListTables::CloseLazy() {
  ++generation_;
  owned_.clear();
  attempted_.clear();
  database_.reset();
  database_attempted_ = false;
}

}  // namespace tarnik::plan
