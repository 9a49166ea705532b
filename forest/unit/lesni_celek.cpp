#include "forest/unit/lesni_celek.h"

#include <fmt/format.h>

#include <exception>

#include "data/codelists/cisel_kelva.h"
#include "data/codelists/code_list_container.h"
#include "data/codelists/code_list_tables.h"
#include "data/engine/aliases.h"
#include "data/engine/database.h"
#include "data/engine/plan_tables.h"
#include "data/readers/plan_readers.h"
#include "forest/forest_set.h"
#include "forest/forest_string_list.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/owner_transformation.h"
#include "forest/unit/merk_source.h"
#include "forest/unit/source_detection.h"
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

constexpr const char* kCannotList = "Neumím načíst seznam oddělení.";
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

bool IsMerk(uint8_t kind) { return kind == kSourceMerk97 || kind == kSourceMerk98; }

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

const char* MerkReaderName(uint8_t kind) {
  return kind == kSourceMerk97 ? "Merk97-Paradox" : "Merk98-Paradox";
}

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

TLesniCelek::TLesniCelek() = default;

TLesniCelek::~TLesniCelek() {
  // The code-list container may be held elsewhere: it must not keep the source's tables.
  if (merk_) {
    if (auto* container = ciselnik_.As<tciselnik>()) merk_->UnbindCodeLists(*container);
  }
  merk_.reset();
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

std::string TLesniCelek::ZdrojNazev() const {
  if (!IsMerk(StoredTypZdroje())) return "Pěkná blbost";
  if (merk_) return merk_->DataDirectory();
  return platform::ResolvePath(platform::AbsolutePath(platform::NormalizePath(adresar_dat_)));
}

std::string TLesniCelek::PHSNazev() const {
  if (!IsMerk(StoredTypZdroje())) return "";
  if (merk_) return merk_->PhsDirectory();
  return platform::ResolvePath(engine::PhsDirectoryOf(ZdrojNazev()));
}

std::string TLesniCelek::AdresarIshulu() const {
  return platform::JoinPath(platform::NormalizePath(adresar_standardu_),
                            NamesLcrIni(adr_standard_ini_) ? "ISHULLCR" : "ISHUL");
}

std::string TLesniCelek::AdresarTabulky_TBSepMaj() const {
  if (!IsMerk(StoredTypZdroje())) return "";
  return platform::JoinPath(ZdrojNazev(), "TBSepMaj.DB");
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
  if (!IsMerk(StoredTypZdroje())) {
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
    if (!IsMerk(StoredTypZdroje())) {
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

  if (merk_) {
    if (auto* container = ciselnik_.As<tciselnik>()) merk_->UnbindCodeLists(*container);
    merk_.reset();
  }
  compartments_.Clear();
  compartments_built_ = false;

  const SourceDetection found = DetectSource(text);
  SetTypZdroje(found.kind);
  if (found.lhc_kod) LHC()->SetLHC_KOD(*found.lhc_kod);
  if (found.standard_files) adresar_standardu_ = found.directory;
  if (IsMerk(found.kind)) {
    if (write_manager) ini.WriteString(engine::kSettingsSection, "MANAGER", "NE");
    ini.WriteString(engine::kSettingsSection, "DATA", "PATH=" + found.directory);
  }
  if (found.kind != kSourceNone) {
    ini.WriteString(engine::kSettingsSection, "DATA_OBECNE", found.directory);
    adresar_dat_ = found.directory;
  }
}

bool TLesniCelek::UmiNacistOddeleni() const { return IsMerk(StoredTypZdroje()); }

MerkSource* TLesniCelek::OpenPlanSource() {
  if (merk_) return merk_.get();
  try {
    merk_ = std::make_unique<MerkSource>(platform::NormalizePath(adresar_dat_),
                                         StoredTypZdroje() == kSourceMerk97);
    merk_->BindCodeLists(*Ciselnik());
  } catch (const std::exception& e) {
    merk_.reset();
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
  return merk_.get();
}

bool TLesniCelek::BuildCompartmentList() {
  compartments_.Clear();
  compartments_built_ = true;
  if (!UmiNacistOddeleni()) {
    platform::ui().ShowMessage(kCannotList, platform::Severity::kFailure);
    return false;
  }
  MerkSource* source = OpenPlanSource();
  if (!source) return false;
  platform::ui().SetStatus(StoredTypZdroje() == kSourceMerk97
                               ? "Načítám  seznam oddělení z merku97"
                               : "Načítám  seznam oddělení z merku98");
  try {
    for (int64_t number : source->CompartmentNumbers(
             [](long position, long max) { platform::ui().Progress(position, max); }))
      compartments_.Add(std::to_string(number));
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
  platform::ui().Progress(0, 0);
  return true;
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
  Log(fmt::format("Z merku {} načteno oddělení {}",
                  StoredTypZdroje() == kSourceMerk97 ? "97" : "98", compartment->ODD()));
  if (TOddeleni* current = LHC()->Oddeleni())
    TransformujDleMajitele(*current, *TransforDleMajiteleMN(), OwnerManagerLookup(CiselKelva()));
}

PlanReadContext TLesniCelek::ReadContext(MerkSource& source) {
  PlanReadContext ctx;
  ctx.tables = &source.tables();
  ctx.ciselnik = CiselKelva();
  ctx.older_set = source.older_set();
  ctx.no_colours = bez_barev_;
  ctx.national_park = StoredTypZdroje() == kSourceMerk98 && source.NationalPark();
  ctx.progress = log_;
  ctx.code_lists = Ciselnik();
  ctx.column_maps = source.column_maps();
  return ctx;
}

bool TLesniCelek::NactiPrvniOddeleni() {
  if (!UmiNacistOddeleni()) {
    platform::ui().ShowMessage(kCannotList, platform::Severity::kFailure);
    return false;
  }
  const uint8_t kind = StoredTypZdroje();
  jak_byl_nacten_ = MerkReaderName(kind);
  MerkSource* source = OpenPlanSource();
  if (!source) return false;
  try {
    PlanReadContext ctx = ReadContext(*source);
    NactiHlavickuLHC(*LHC(), ctx);
    LHC()->SetPropertyBoolean("VerzeProPark1", ctx.national_park);
    adresar_standardu_ = ZdrojNazev();
    engine::Table* odd = source->Compartments();
    if (!odd) return false;
    exhausted_ = false;
    odd->First();
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  TOddeleni* compartment = ReadCompartment(*source);
  if (!compartment) return false;
  TakeCompartment(compartment);
  return true;
}

TOddeleni* TLesniCelek::ReadCompartment(MerkSource& source) {
  engine::Table* odd = source.Compartments();
  if (!odd || odd->Eof()) return nullptr;
  const int64_t row = odd->RecNo();
  TOddeleni* compartment = nullptr;
  try {
    // One read transaction per compartment: the database is locked and checked once instead of
    // for every row the readers visit.
    engine::Transaction read(source.tables().database());
    PlanReadContext ctx = ReadContext(source);
    compartment = NactiOddeleni(ctx);
    read.Commit();
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kPassedOver);
  }
  if (!compartment) {
    try {
      if (!odd->Eof() && odd->RecNo() == row) odd->Next();
    } catch (const std::exception& e) {
      platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    }
    if (!odd->Eof() && odd->RecNo() == row) exhausted_ = true;
  }
  return compartment;
}

bool TLesniCelek::JeKonec() {
  if (!UmiNacistOddeleni() || !merk_ || exhausted_) return true;
  engine::Table* odd = merk_->Compartments();
  return !odd || odd->Eof();
}

bool TLesniCelek::NactiDalsiOddeleni(bool show_progress) {
  (void)show_progress;  // only the exchange files show a progress window
  if (JeKonec()) return false;
  TOddeleni* compartment = ReadCompartment(*merk_);
  if (!compartment) return false;
  TakeCompartment(compartment);
  compartment->NastavAktualniNaPrvni();
  return true;
}

}  // namespace tarnik::plan
