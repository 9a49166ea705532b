#include "forest/unit/lesni_celek.h"

#include "data/engine/aliases.h"
#include "data/engine/plan_databases.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/code_list_tables.h"
#include "forest/forest_set.h"
#include "forest/forest_string_list.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/owner_transformation.h"
#include "forest/unit/plan_source.h"
#include "forest/unit/source_register.h"
#include "forest/unit/source_without_reader.h"
#include "framework/int_text.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using U = TLesniCelek;

constexpr const char* kUnknownReader = "Nevím jak byl načten lesní celek.";

struct StandardListInfo {
  StandardList which;
  const char* property;
  const char* section;
  bool reports;  // other sources are told "Nevím jak byl načten lesní celek."
};

const std::vector<StandardListInfo>& StandardLists() {
  static const std::vector<StandardListInfo> lists = {
      {StandardList::kPP, "SeznamStandardPP_FST", "PolozkyStandarduPP_FST", true},
      {StandardList::kBZL, "SeznamStandardBZL_FST", "PolozkyStandarduBZL_FST", false},
      {StandardList::kCPP, "SeznamStandardCPP_FST", "PolozkyStandarduCPP_FST", false},
      {StandardList::kCPB, "SeznamStandardCPB_FST", "PolozkyStandarduCPB_FST", false},
      {StandardList::kCPJ, "SeznamStandardCPJ_FST", "PolozkyStandarduCPJ_FST", false},
      {StandardList::kJP, "SeznamStandardJP_FST", "PolozkyStandarduJP_FST", true},
      {StandardList::kOST, "SeznamStandardOST_FST", "PolozkyStandarduOST_FST", true},
      {StandardList::kLHC, "SeznamStandardLHC_FST", "PolozkyStandarduLHC_FST", true},
  };
  return lists;
}

// Whether an INI path names the LČR item list ("\LCR.INI" in any separator and case).
bool NamesLcrIni(const std::string& path) {
  return platform::UpperAscii(platform::NormalizePath(path)).find("/LCR.INI") != std::string::npos;
}

void StringField(TPropDefs<U>& d, const char* name, const std::string& (U::*get)() const,
                 void (U::*set)(const std::string&)) {
  d.String(name, get, set);
}

// The manager that the unit's owner list assigns to a stand (as the stand's OLH_98 reads it).
ManagerLookup OwnerManagerLookup(TCiselKelva* kelva) {
  return [kelva](TPorost& stand) -> std::optional<std::string> {
    if (!kelva) return std::nullopt;
    StandRef ref;
    if (auto* odd = stand.VlastnikTridy<TOddeleni>()) ref.odd = std::to_string(odd->ODD());
    if (auto* dil = stand.VlastnikTridy<TDilec>()) ref.dil = dil->GetPropertyText("DIL");
    ref.por = stand.GetPropertyText("POR");
    return kelva->OLHVlastnika(stand.GetPropertyInteger("MAJ_DRUH"),
                               stand.GetPropertyInteger("MAJ_KOD"), ref, "");
  };
}

}  // namespace

void TLesniCelek::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<U> d(out);
  d.Object(
      "LHC", TLHC::StaticClass(), [](U& e) -> TElement* { return e.LHC(); }, nullptr);
  StringField(d, "JakBylNacten", &U::JakBylNacten, &U::SetJakBylNacten);
  StringField(d, "adresarObecnychDatLHP", &U::adresarObecnychDatLHP, &U::SetadresarObecnychDatLHP);
  StringField(d, "AdresarStandardu", &U::AdresarStandardu, &U::SetAdresarStandardu);
  StringField(d, "AdrStandardIniFile", &U::AdrStandardIniFile, &U::SetAdrStandardIniFile);
  StringField(d, "AdresarMapy", &U::AdresarMapy, &U::SetAdresarMapy);
  d.String("AdresarIshulu", &U::AdresarIshulu, nullptr);
  d.String("AdresarTabulky_TBSepMaj", &U::AdresarTabulky_TBSepMaj, nullptr);
  d.String("ZdrojNazev", &U::ZdrojNazev, nullptr);
  d.String("PHSNazev", &U::PHSNazev, nullptr);
  for (const StandardListInfo& list : StandardLists()) {
    const StandardList which = list.which;
    d.Object(
        list.property, TLesniStringListElement::StaticClass(),
        [which](U& e) -> TElement* { return e.SeznamStandard(which); }, nullptr);
  }
  d.Object(
      "TransforDleMajiteleMN", TTransforDleMajiteleMN::StaticClass(),
      [](U& e) -> TElement* { return e.TransforDleMajiteleMN(); }, nullptr);
  d.Integer("stareOddeleni", &U::stareOddeleni, nullptr);
}

TARNIK_DEFINE_CLASS(TLesniCelek, TObecnyLesniPrvek, &TLesniCelek::DefineProperties)

TLesniCelek::TLesniCelek() : source_(std::make_unique<SourceWithoutReader>(kSourceUnknown)) {}

TLesniCelek::~TLesniCelek() { ReleaseSource(); }

void TLesniCelek::ReleaseSource() {
  // The code-list container may be held elsewhere: it must not keep the source's tables.
  if (auto* container = ciselnik_.As<tciselnik>()) source_->UnbindCodeLists(*container);
  source_ = std::make_unique<SourceWithoutReader>(kSourceUnknown);
}

void TLesniCelek::Log(const std::string& text) const {
  if (log_) log_(text);
}

TLHC* TLesniCelek::LHC() {
  if (auto* lhc = lhc_.As<TLHC>()) return lhc;
  auto* lhc = new TLHC();
  AddElement(lhc);
  lhc_ = lhc;
  return lhc;
}

tciselnik* TLesniCelek::Ciselnik() {
  if (auto* container = ciselnik_.As<tciselnik>()) return container;
  auto* container = new tciselnik();
  AddElement(container);
  ciselnik_ = container;
  return container;
}

TCiselKelva* TLesniCelek::CiselKelva() {
  if (auto* kelva = cisel_kelva_.As<TCiselKelva>()) return kelva;
  auto* kelva = new TCiselKelva();
  kelva->SetName("CiselKelva");
  AddElement(kelva);
  cisel_kelva_ = kelva;
  kelva->NactiTypyRozhodnuti(platform::JoinPath(CodeListTables::Directory(), "CisDokum.DB"));
  return kelva;
}

framework::TEntity* TLesniCelek::ciselKelvaOwnEnt() { return CiselKelva(); }

framework::TEntity* TLesniCelek::LHCOwnEnt() { return LHC(); }

TTransforDleMajiteleMN* TLesniCelek::TransforDleMajiteleMN() {
  if (auto* set = transformace_.As<TTransforDleMajiteleMN>()) return set;
  auto* set = new TTransforDleMajiteleMN();
  set->SetName("TransforDleMajiteleMN");
  AddElement(set);
  transformace_ = set;
  return set;
}

std::string TLesniCelek::ZdrojNazev() const { return source_->ZdrojNazev(); }

std::string TLesniCelek::PHSNazev() const { return source_->PHSNazev(); }

std::string TLesniCelek::AdresarIshulu() const {
  return platform::JoinPath(platform::NormalizePath(adresar_standardu_),
                            NamesLcrIni(adr_standard_ini_) ? "ISHULLCR" : "ISHUL");
}

std::string TLesniCelek::AdresarTabulky_TBSepMaj() const {
  return source_->AdresarTabulky_TBSepMaj();
}

int32_t TLesniCelek::stareOddeleni() {
  auto* lhc = lhc_.As<TLHC>();
  if (!lhc) return -1;
  auto* set = dynamic_cast<TLesniMnozina*>(lhc->OddeleniMN());
  if (!set) return -1;
  const auto number = framework::WholeTextToInteger(platform::Trim(set->JmenoStarehoPrvku()));
  return number ? static_cast<int32_t>(*number) : -1;
}

TLesniStringListElement* TLesniCelek::ListFromSection(const std::string& name,
                                                      const std::string& file,
                                                      const std::string& section) {
  if (auto* own = dynamic_cast<TLesniStringListElement*>(FindElementByName(name))) return own;
  TLesniStringListElement* list = SeznamZIniSekce(file, section);
  list->SetName(name);
  AddElement(list);
  return list;
}

TLesniStringListElement* TLesniCelek::SeznamExportStandard() {
  if (!source_->HasStandardItemLists()) {
    platform::ui().ShowMessage(kUnknownReader);
    return nullptr;
  }
  if (auto* own = dynamic_cast<TLesniStringListElement*>(FindElementByName("SeznamExportStandard")))
    return own;
  std::string file = platform::ProgramFile("UnivExp.ini");
  if (!platform::FileExists(file)) {
    if (NamesLcrIni(adr_standard_ini_)) {
      adr_standard_ini_ = platform::UpperCz(adr_standard_ini_);
      file = adr_standard_ini_;
    } else {
      file = platform::JoinPath(PHSNazev(), "PHS.INI");
    }
  }
  return ListFromSection("SeznamExportStandard", file, "PolozkyStandardu_ExportDoStandardu");
}

TLesniStringListElement* TLesniCelek::SeznamStandard(StandardList which) {
  for (const StandardListInfo& list : StandardLists()) {
    if (list.which != which) continue;
    if (!source_->HasStandardItemLists()) {
      if (list.reports) platform::ui().ShowMessage(kUnknownReader);
      return nullptr;
    }
    return ListFromSection(list.property, platform::NormalizePath(adr_standard_ini_), list.section);
  }
  return nullptr;
}

void TLesniCelek::NajdiDataLHP(bool offer_new_directory, const std::string& directory,
                               bool write_manager) {
  platform::IniFile ini(platform::ProgramFile(engine::kSettingsFile));
  std::string text = directory;
  if (platform::Trim(text).empty()) {
    // The dialog's own buttons (alias, new directory) belong to the front end; the alias choice
    // comes back as the text "ALIAS".
    const std::string stored = ini.ReadString(engine::kSettingsSection, "DATA_OBECNE", "C:");
    std::string start = platform::NormalizePath(stored);
    if (!platform::DirectoryExists(start)) start = platform::HomeDir();
    const auto chosen = platform::ui().ChooseDirectory("Obecné hledání", start);
    text = chosen ? *chosen : std::string(engine::kNothingChosen);
  }
  (void)offer_new_directory;

  ReleaseSource();
  compartments_.Clear();
  compartments_built_ = false;

  SourceChoice found = PlanSources().Choose(text, write_manager);
  const bool recognised = found.source != nullptr;
  if (recognised) source_ = std::move(found.source);
  SetTypZdroje(source_->Kind());
  if (found.lhc_kod) LHC()->SetLHC_KOD(*found.lhc_kod);
  if (found.exchange_files) adresar_standardu_ = found.directory;
  for (const Setting& setting : found.settings)
    ini.WriteString(engine::kSettingsSection, setting.first, setting.second);
  if (recognised) {
    ini.WriteString(engine::kSettingsSection, "DATA_OBECNE", found.directory);
    adresar_dat_ = found.directory;
  }
}

bool TLesniCelek::BuildCompartmentList() {
  compartments_.Clear();
  compartments_built_ = true;
  return source_->ListCompartments(*this, compartments_);
}

const std::vector<std::string>& TLesniCelek::SeznamOddeleni() {
  if (!compartments_built_) BuildCompartmentList();
  return compartments_.items();
}

void TLesniCelek::ZnovuNacti() {
  if (BuildCompartmentList()) NactiPrvniOddeleni();
}

void TLesniCelek::TakeCompartment(TOddeleni* compartment) {
  LHC()->OddeleniMN()->AddElement(compartment);
  if (TOddeleni* current = LHC()->Oddeleni())
    TransformujDleMajitele(*current, *TransforDleMajiteleMN(), OwnerManagerLookup(CiselKelva()));
}

bool TLesniCelek::NactiPrvniOddeleni() {
  const std::string reader = source_->ReaderName();
  if (!reader.empty()) jak_byl_nacten_ = reader;
  if (!source_->ReadHeader(*this)) return false;
  TOddeleni* compartment = source_->ReadCompartment(*this, false);
  if (!compartment) return false;
  TakeCompartment(compartment);
  return true;
}

bool TLesniCelek::JeKonec() { return source_->AtEnd(); }

bool TLesniCelek::NactiDalsiOddeleni(bool show_progress) {
  if (JeKonec()) return false;
  TOddeleni* compartment = source_->ReadCompartment(*this, show_progress);
  if (!compartment) return false;
  TakeCompartment(compartment);
  compartment->NastavAktualniNaPrvni();
  return true;
}

}  // namespace tarnik::plan
