#include "forest/layers/statuses.h"

#include <algorithm>
#include <vector>

#include "forest/codelists/category.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/layer_rules.h"
#include "platform/text.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TKategorie1, TLayerElementBase, &TKategorie1::Define)
TARNIK_DEFINE_CLASS(TKategorie1MN, TLesniMnozina, &TKategorie1MN::Define)
TARNIK_DEFINE_CLASS(TZvlSt, TLayerElementBase, &TZvlSt::Define)
TARNIK_DEFINE_CLASS(TZvlStMN, TLesniMnozina, &TZvlStMN::Define)
TARNIK_DEFINE_CLASS(TOrg_Uroven, TLayerElementBase, &TOrg_Uroven::Define)
TARNIK_DEFINE_CLASS(TOrg_UrovenMN, TLesniMnozina, nullptr)

namespace {

// Frees every element of the set's class and fills it from the pieces of the text; a blank text
// leaves the set empty (no element with an empty code is made).
void ReplaceByPieces(TLesniMnozina& set, const std::string& property, const std::string& text,
                     const std::string& separator) {
  set.UvolniPrvkyTridy(set.ElementClass());
  if (platform::Trim(text).empty()) return;
  set.RozlozJmena(text, separator);
  set.RozlozDoPrvku(property, text, separator);
}

std::string StandDesignation(TObecnyLesniPrvek* stand) {
  return TextProperty(stand, "CeleOznaceniKratce");
}

}  // namespace

// --- categories ---

TKategorie1::TKategorie1() { MarkAsNew(*this); }

TObecnyLesniPrvek* TKategorie1::Porost() {
  // Every forest element can hold categories, categories too; the stand is the holder above
  // the outermost of them. (Asking a holding category for its KAT_SPEC would climb the nesting
  // one property read per level.)
  TObecnyLesniPrvek* holder = HolderAboveSet(*this, TKategorie1MN::StaticClass());
  std::vector<const TObecnyLesniPrvek*> climbed;
  while (auto* category = framework::ClassCast<TKategorie1>(holder)) {
    if (std::find(climbed.begin(), climbed.end(), category) != climbed.end()) return nullptr;
    climbed.push_back(category);
    holder = HolderAboveSet(*category, TKategorie1MN::StaticClass());
  }
  return holder;
}

void TKategorie1::Define(std::vector<framework::TPropInfo>& out) {
  using P = TKategorie1;
  framework::TPropDefs<P> d(out);
  d.String("KATEGORIE", TARNIK_FIELD(&P::kategorie_));
  d.Integer(
      "KAT_SPEC", [](P& p) { return IntProperty(p.Porost(), "KAT_SPEC"); }, nullptr);
  d.String(
      "CeleOznaceni", [](P& p) { return StandDesignation(p.Porost()) + " Ktg: " + p.kategorie_; },
      nullptr);
}

TKategorie1MN::TKategorie1MN() : TLesniMnozina(TKategorie1::StaticClass(), "KTG") {}

std::string TKategorie1MN::HlavniKATEGORIE() const {
  const auto elements = Prvky();
  return elements.empty() ? std::string()
                          : static_cast<TKategorie1*>(elements.front())->KATEGORIE();
}

void TKategorie1MN::NastavKategorie(const std::string& text, const std::string& separator) {
  ReplaceByPieces(*this, "KATEGORIE", text, separator);
}

void TKategorie1MN::DoplnKategorii10() {
  if (PocetPrvku() == 0) NastavKategorie("10", "/");
}

void TKategorie1MN::Define(std::vector<framework::TPropInfo>& out) {
  using P = TKategorie1MN;
  framework::TPropDefs<P> d(out);
  d.Object(
      "Kategorie1", TKategorie1::StaticClass(), [](P& s) { return s.AktualniPrvek(); },
      [](P& s, framework::TElement* e) { s.SetAktualniPrvek(e); });
  d.Integer(
      "KATEGORIEint",
      [](P& s) { return s.PocetPrvku() == 0 ? 0 : CategoryNumber(s.HlavniKATEGORIE()); }, nullptr);
  d.String(
      "KategorieVcetnePrekryvu", [](P& s) { return s.SpojHodnotyProperty("KATEGORIE", "/"); },
      nullptr);
  d.String(
      "KategorieVcetnePrekryvuSMezerama",
      [](P& s) { return s.SpojHodnotyProperty("KATEGORIE", " "); }, nullptr);
  d.String("NovaKategorieVcetnePrekryvu", nullptr,
           [](P& s, const std::string& text) { s.NastavKategorie(text, "/"); });
  d.String("NovaKategorieVcetnePrekryvuSCarkama", nullptr,
           [](P& s, const std::string& text) { s.NastavKategorie(text, ","); });
}

// --- special statuses ---

TZvlSt::TZvlSt() { MarkAsNew(*this); }

void TZvlSt::SetZVL_STATUT(const std::string& code) {
  zvl_statut_ = code;
  RenameToKey(*this, "ZVLST", code);
}

TObecnyLesniPrvek* TZvlSt::Porost() { return HolderAboveSet(*this, TZvlStMN::StaticClass()); }

std::string TZvlSt::ZVL_STATUT_P() {
  if (zvl_statut_ != "29") return zvl_statut_;
  framework::TEntity* lhc = LHCOwnEnt();
  const bool for_lcr = lhc && lhc->GetPropertyBoolean("ExportProLCR");
  return for_lcr ? zvl_statut_ : std::string("53");
}

std::string TZvlSt::ZVL_STATUT_XML() {
  const std::string own = ZVL_STATUT_P();
  if (auto* set = dynamic_cast<TLesniMnozina*>(VlastnikTridy(TZvlStMN::StaticClass()))) {
    for (framework::TElement* element : set->Prvky()) {
      if (element == this) break;
      if (static_cast<TZvlSt*>(element)->ZVL_STATUT_P() == own) return "";
    }
  }
  return own;
}

int32_t TZvlSt::CisloZvlStInduktDopredu() const {
  const int32_t code = IntFromText(zvl_statut_);
  return (code == 2 || code == 6 || code == 10 || code == 11) ? code - 50 : code;
}

void TZvlSt::Define(std::vector<framework::TPropInfo>& out) {
  using P = TZvlSt;
  framework::TPropDefs<P> d(out);
  d.String("ZVL_STATUT", &P::ZVL_STATUT, &P::SetZVL_STATUT);
  d.Boolean("Z_Porostu", TARNIK_FIELD(&P::z_porostu_));
  d.String(
      "ZVL_STATUT_nazev", [](P& p) { return CodeListName(p, "tb_ZVL_Stat", p.zvl_statut_); },
      nullptr);
  d.String(
      "ZVL_STATUT_nazevZkr", [](P& p) { return CodeListName(p, "tb_ZVL_StatZkr", p.zvl_statut_); },
      nullptr);
  d.String("ZVL_STATUT_P", &P::ZVL_STATUT_P, nullptr);
  d.String("ZVL_STATUT_XML", &P::ZVL_STATUT_XML, &P::SetZVL_STATUT).NotStored();
  d.Integer("CisloZvlStInduktDopredu", &P::CisloZvlStInduktDopredu, nullptr);
  d.String(
      "CeleOznaceni",
      [](P& p) {
        TObecnyLesniPrvek* stand = p.Porost();
        if (!stand) return " Ktg: " + p.zvl_statut_;
        return StandDesignation(stand) + " zvl.st.: " + p.zvl_statut_;
      },
      nullptr);
  DerivedFormsNotStored(out);
}

TZvlStMN::TZvlStMN() : TLesniMnozina(TZvlSt::StaticClass(), "ZVLST") {}

void TZvlStMN::NastavZvlSt(const std::string& text, const std::string& separator) {
  ReplaceByPieces(*this, "ZVL_STATUT", text, separator);
}

void TZvlStMN::NastavZvlStBezMazani(const std::string& text) {
  // Removing from the list frees nothing; the statuses wait outside and come back after the
  // new ones.
  const std::vector<framework::TElement*> previous = Prvky();
  for (framework::TElement* element : previous) RemoveElement(element);
  NastavZvlSt(text, "/");
  for (framework::TElement* element : previous) AddElement(element);
}

std::string TZvlStMN::ZVL_STATUT_XML() const { return SpojHodnotyProperty("ZVL_STATUT_XML", "$"); }

void TZvlStMN::SetZVL_STATUT_XML(const std::string& text) {
  UvolniPrvkyTridy(ElementClass());
  if (platform::Trim(text).empty()) return;
  for (const std::string& piece : platform::Split(text, '$')) {
    SetNovyPrvekVzdy(piece);
    if (auto* status = dynamic_cast<TZvlSt*>(AktualniPrvek())) status->SetZVL_STATUT(piece);
  }
}

bool ZvlStNeexportovany(std::string_view code) {
  std::string digits;
  for (char c : code)
    if (c >= '0' && c <= '9') digits += c;
  const int32_t number = digits.empty() ? 0 : IntFromText(digits);
  for (int32_t left_out : {2, 3, 4, 6, 7, 8, 10, 11, 12, 13, 29, 30, 55, 56, 57})
    if (number == left_out) return true;
  return false;
}

void TZvlStMN::OdstranNeexportovane() {
  const std::vector<framework::TElement*> statuses = Prvky();
  for (auto it = statuses.rbegin(); it != statuses.rend(); ++it)
    if (ZvlStNeexportovany(static_cast<TZvlSt*>(*it)->ZVL_STATUT())) FreeElement(*it);
}

void TZvlStMN::Define(std::vector<framework::TPropInfo>& out) {
  using P = TZvlStMN;
  framework::TPropDefs<P> d(out);
  d.Object(
      "ZvlSt", TZvlSt::StaticClass(), [](P& s) { return s.AktualniPrvek(); },
      [](P& s, framework::TElement* e) { s.SetAktualniPrvek(e); });
  d.String(
      "ZvlStVcetnePrekryvu", [](P& s) { return s.SpojHodnotyProperty("ZVL_STATUT", "/"); },
      nullptr);
  d.String("NovaZvlStVcetnePrekryvu", nullptr,
           [](P& s, const std::string& text) { s.NastavZvlSt(text, "/"); });
  d.String("NovaZvlStVcetnePrekryvuSCarkama", nullptr,
           [](P& s, const std::string& text) { s.NastavZvlSt(text, ","); });
  d.String("ZvlStVcetnePrekryvuBezMazani", nullptr, &P::NastavZvlStBezMazani);
}

// --- organisational levels ---

TOrg_Uroven::TOrg_Uroven() { MarkAsNew(*this); }

TObecnyLesniPrvek* TOrg_Uroven::OwnerPorost() {
  return HolderAboveSet(*this, TOrg_UrovenMN::StaticClass());
}

void TOrg_Uroven::Define(std::vector<framework::TPropInfo>& out) {
  using P = TOrg_Uroven;
  framework::TPropDefs<P> d(out);
  d.Integer("ORG_UROVEN", TARNIK_FIELD(&P::org_uroven_));
  d.String(
      "CeleOznaceni",
      [](P& p) {
        return StandDesignation(p.OwnerPorost()) + " Org_U: " + std::to_string(p.org_uroven_);
      },
      nullptr);
}

TOrg_UrovenMN::TOrg_UrovenMN() : TLesniMnozina(TOrg_Uroven::StaticClass(), "ORGU") {}

std::string TOrg_UrovenMN::ORG_UROVEN() const { return SpojHodnotyProperty("ORG_UROVEN", "$"); }

void TOrg_UrovenMN::SetORG_UROVEN(const std::string& text) {
  UvolniPrvkyTridy(ElementClass());
  if (platform::Trim(text).empty()) return;
  for (const std::string& piece : platform::Split(text, '$')) {
    SetNovyPrvekVzdy(piece);
    if (auto* level = dynamic_cast<TOrg_Uroven*>(AktualniPrvek()))
      level->SetORG_UROVEN(IntFromText(piece));
  }
}

std::string TOrg_UrovenMN::Uroven(int k) const {
  const auto levels = Prvky();
  if (k < 1 || k > static_cast<int>(levels.size())) return "";
  return std::to_string(
      static_cast<TOrg_Uroven*>(levels[static_cast<size_t>(k - 1)])->ORG_UROVEN());
}

void TOrg_UrovenMN::SetUroven(int k, const std::string& text) {
  if (k < 1 || platform::Trim(text).empty()) return;
  // Missing lower levels are created one by one so that the level lands at position k even
  // when several of them carry the same key "0".
  while (PocetPrvku() < k - 1) SetNovyPrvekVzdy("0");
  const auto levels = Prvky();
  if (static_cast<int>(levels.size()) >= k) {
    static_cast<TOrg_Uroven*>(levels[static_cast<size_t>(k - 1)])
        ->SetORG_UROVEN(IntFromText(platform::Trim(text)));
    return;
  }
  SetNovyPrvekVzdy(text);
  if (auto* level = dynamic_cast<TOrg_Uroven*>(AktualniPrvek()))
    level->SetORG_UROVEN(IntFromText(platform::Trim(text)));
}

}  // namespace tarnik::plan
