#include "forest/hierarchy/plosny_prvek.h"

#include <cctype>
#include <exception>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/code_names.h"
#include "forest/hierarchy/dominant.h"
#include "forest/hierarchy/key_rules.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/office_code.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/areal_properties.h"
#include "forest/layers/protection_names.h"
#include "framework/int_text.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using P = TLesniPlosnyPrvek;

// The code-list lookups answer markers containing "*zz" for missing codes and lists.
bool IsMarker(const std::string& text) { return text.find("*zz") != std::string::npos; }

TElement* SetObject(TLesniMnozina* set) { return set; }

}  // namespace

void TLesniPlosnyPrvek::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<P> d(out);
  StoredFloat(d, "StaraPlocha", &P::stara_plocha_);
  StoredFloat(d, "Plocha0", &P::plocha0_);
  StoredFloat(d, "Vymera", &P::vymera_);
  d.Float("Plocha", &P::Plocha, &P::SetPlocha);
  StoredFloat(d, "PlochaDleP0110", &P::plocha_p0110_);
  StoredFloat(d, "VymeraDleP0110", &P::vymera_p0110_);
  StoredInteger(d, "KVAL_P", &P::kval_p_);
  StoredInteger(d, "POT_VLAST", &P::pot_vlast_);
  StoredInteger(d, "KAT_PAR_KOD", &P::pot_vlast_);
  StoredString(d, "SKUPPARC", &P::skupparc_);
  StoredInteger(d, "LLES_URAD", &P::lles_urad_);
  d.Integer("LES_URAD", &P::LES_URAD, &P::SetLES_URAD);
  d.Integer("ORP", &P::LES_URAD, &P::SetORP);
  d.Integer("LES_URAD_Z_KU_KOD", nullptr, &P::SetLES_URAD_Z_KU_KOD);
  d.Integer("NactiORPzKU", nullptr, &P::SetNactiORPzKU);
  d.String("NactiORPzKU6", nullptr, &P::SetNactiORPzKU6);
  StoredInteger(d, "KU_KOD", &P::ku_kod_);
  d.String("KU_KOD_xml", &P::KU_KOD_xml, &P::SetKU_KOD_xml);
  d.String("KATUZE_KOD", &P::KU_KOD_xml, &P::SetKU_KOD_xml);
  d.String("KRAJ", &P::KRAJ, nullptr);
  d.String("NazevKatastru", &P::NazevKatastru, nullptr);
  d.String("KU_NAZ", &P::NazevKatastru, nullptr);
  d.String("LES_URAD_Nazev", &P::LES_URAD_Nazev, nullptr);
  d.String("LES_URAD_NazevBezCisla", &P::LES_URAD_NazevBezCisla, nullptr);
  StoredString(d, "Zona1", &P::zona1_);
  d.String("LT", &P::LT, &P::SetLT);
  d.String("SLT", &P::SLT, &P::SetSLT);
  StoredString(d, "PLT", &P::plt_);
  d.String(
       "PLT_XML", [](P& e) { return e.plt_ == "***" ? std::string() : e.plt_; },
       [](P& e, const std::string& v) { e.plt_ = v; })
      .NotStored();
  d.String(
      "PLT_nazev", [](P& e) { return NazevZCiselniku(e, "tb_PLT", e.plt_); }, nullptr);
  StoredInteger(d, "PO_KOD", &P::po_kod_);
  StoredInteger(d, "CHKO_KOD", &P::chko_kod_);
  StoredInteger(d, "CHKO_Z_KOD", &P::chko_z_kod_);
  StoredInteger(d, "NP_KOD", &P::np_kod_);
  StoredInteger(d, "NP_Z_KOD", &P::np_z_kod_);
  StoredInteger(d, "PP_KOD", &P::pp_kod_);
  StoredInteger(d, "PR_KOD", &P::pr_kod_);
  StoredInteger(d, "SCHU_KOD", &P::schu_kod_);
  StoredInteger(d, "LVS", &P::lvs_);
  StoredString(d, "MNG_REZIM", &P::mng_rezim_);
  StoredString(d, "NPS_KOD_1", &P::mng_rezim_);
  d.String(
      "SCHU_KOD_XML", [](P& e) { return std::to_string(e.schu_kod_); },
      [](P& e, const std::string& v) { e.schu_kod_ = framework::ReadIntegerPrefix(v); });
  d.Integer("LVS_XML", &P::LVS_XML, [](P& e, int32_t v) { e.lvs_ = v; }).NotStored();
  StoredBoolean(d, "PouzivatPlochuJakoVymeru", &P::pouzivat_plochu_jako_vymeru_);
  d.String(
      "KVAL_P_nazev", [](P& e) { return e.NazevKodu("tb_Kval_P", e.kval_p_); }, nullptr);
  d.String(
      "PR_Nazev", [](P& e) { return e.NazevKodu("tb_PR", e.pr_kod_); }, nullptr);
  d.String(
      "PP_Nazev", [](P& e) { return e.NazevKodu("tb_PP", e.pp_kod_); }, nullptr);
  d.String(
      "PO_Nazev", [](P& e) { return e.NazevKodu("tb_PO", e.po_kod_); }, nullptr);
  d.String(
      "NP_Nazev", [](P& e) { return e.NazevKodu("tb_NP", e.np_kod_); }, nullptr);
  d.String(
      "NP_Z_Nazev", [](P& e) { return e.NazevKodu("tb_ZONA", e.np_z_kod_); }, nullptr);
  d.String(
      "CHKO_Nazev", [](P& e) { return e.NazevKodu("tb_CHKO", e.chko_kod_); }, nullptr);
  d.String(
      "CHKO_Z_Nazev", [](P& e) { return e.NazevKodu("tb_ZONA", e.chko_z_kod_); }, nullptr);
  d.String(
      "SCHU_Nazev", [](P& e) { return NazevSCHU(e, e.schu_kod_); }, nullptr);
  d.String(
      "LVS_Nazev", [](P& e) { return e.NazevKodu("tb_LVS", e.lvs_); }, nullptr);
  d.Object(
      "Nasobny_VlastnikMN", TLesniMnozina::StaticClass(),
      [](P& e) { return SetObject(e.Nasobny_VlastnikMN()); }, nullptr);
  d.Object(
      "EVL_KODmn", TLesniMnozina::StaticClass(), [](P& e) { return SetObject(e.EVL_KODmn()); },
      nullptr);
  d.Object(
      "NPP_KODmn", TLesniMnozina::StaticClass(), [](P& e) { return SetObject(e.NPP_KODmn()); },
      nullptr);
  d.Object(
      "NPR_KODmn", TLesniMnozina::StaticClass(), [](P& e) { return SetObject(e.NPR_KODmn()); },
      nullptr);
  // The multi-valued codes' text forms and the composite protection text.
  DefineArealCodeProperties(out);
  DerivedFormsNotStored(out);
}

TARNIK_DEFINE_CLASS(TLesniPlosnyPrvek, TLesniPrvek, &TLesniPlosnyPrvek::DefineProperties)

double TLesniPlosnyPrvek::Plocha() const { return RoundArea(StoredArea()); }

void TLesniPlosnyPrvek::PouzijKvalituPlochy() {
  stara_plocha_ = Plocha();
  // The code compares as an unsigned number: negative codes count as greater than 1.
  const bool measured = static_cast<uint32_t>(kval_p_) > 1u;
  plocha_ = RoundArea(measured ? plocha0_ : vymera_);
}

std::string TLesniPlosnyPrvek::KU_KOD_xml() const {
  return ku_kod_ == 0 ? std::string() : std::to_string(ku_kod_);
}

void TLesniPlosnyPrvek::SetKU_KOD_xml(const std::string& text) {
  // The cadastre list of CiselKelva is created on first access, so the first area registers.
  auto* kelva = dynamic_cast<TCiselKelva*>(ciselKelvaOwnEnt());
  if (kelva && !platform::Trim(text).empty()) {
    TKodPopisMN* cadastres = kelva->katastryMN();
    cadastres->SetNovyPrvek(text);
    if (TElement* created = cadastres->AktualniPrvek()) created->SetPropertyText("Kod", text);
  }
  ku_kod_ = framework::ReadIntegerPrefix(platform::Trim(text));
}

int32_t TLesniPlosnyPrvek::LES_URAD() const { return OfficeFromCombined(lles_urad_); }

void TLesniPlosnyPrvek::SetLES_URAD(int32_t v) {
  lles_urad_ = CombinedAfterLesUrad(lles_urad_, v, OfficeCodeMode());
}

void TLesniPlosnyPrvek::SetORP(int32_t v) { lles_urad_ = CombinedAfterOrp(v); }

void TLesniPlosnyPrvek::SetNactiORPzKU(int32_t cadastral_code) {
  const std::string orp =
      NazevZCiselniku(*this, "tb_Katastry", std::to_string(cadastral_code), "Kod", "ORP");
  SetLES_URAD(IsMarker(orp) ? 0 : framework::ReadIntegerPrefix(platform::Trim(orp)));
}

void TLesniPlosnyPrvek::SetNactiORPzKU6(const std::string& cadastral_code) {
  int64_t office = 0;
  try {
    if (tciselnik* lists = Ciselnik()) {
      office = lists->Lists().OfficeOfCadastralArea(
          framework::ReadIntegerPrefix(platform::Trim(cadastral_code)));
    }
  } catch (const std::exception&) {
    office = 0;
  }
  SetLES_URAD(static_cast<int32_t>(office));
}

std::string TLesniPlosnyPrvek::KRAJ() {
  if (lles_urad_ < kOrpOffset) return "*++";
  const std::string kn = NazevZCiselniku(*this, "tb_ORP", std::to_string(lles_urad_), "Kod", "KN");
  if (IsMarker(kn)) return "*++";
  return NormalizeRegion(kn);
}

std::string TLesniPlosnyPrvek::NazevKatastru() {
  // A unit from the LČR database names its cadastral areas from there.
  if (tciselnik* lists = Ciselnik(); lists && lists->HasLcrSource())
    return lists->LcrKatastr(std::to_string(ku_kod_));
  // Six-digit codes are the current cadastral areas; older short codes have their own list.
  const char* list = ku_kod_ >= 100000 ? "tb_KU6a" : "tb_Katastry";
  return NazevKodu(list, ku_kod_);
}

std::string TLesniPlosnyPrvek::LES_URAD_Nazev() {
  if (lles_urad_ >= kOrpOffset) return NazevKodu("tb_ORP", lles_urad_);
  return NazevKodu("tb_LDU", lles_urad_);
}

std::string TLesniPlosnyPrvek::LES_URAD_NazevBezCisla() {
  const std::string name = LES_URAD_Nazev();
  size_t start = 0;
  while (start < name.size() && (std::isdigit(static_cast<unsigned char>(name[start])) ||
                                 name[start] == ' ' || name[start] == '-' || name[start] == '.'))
    ++start;
  size_t end = name.size();
  while (end > start &&
         (std::isdigit(static_cast<unsigned char>(name[end - 1])) || name[end - 1] == ' '))
    --end;
  return platform::Trim(name.substr(start, end - start));
}

void TLesniPlosnyPrvek::SetLT(const std::string& v) { lt_ = platform::UpperCz(v); }

std::string TLesniPlosnyPrvek::SLT() const {
  if (!platform::Trim(slt_).empty()) return slt_;
  // The first two characters of LT (ASCII codes; a multi-byte letter is kept whole).
  size_t end = 0;
  for (int chars = 0; end < lt_.size() && chars < 2; ++chars) {
    ++end;
    while (end < lt_.size() && (static_cast<unsigned char>(lt_[end]) & 0xC0) == 0x80) ++end;
  }
  return lt_.substr(0, end);
}

int32_t TLesniPlosnyPrvek::LVS_XML() {
  if (lvs_ != 0) return lvs_;
  if (auto* stand = VlastnikTridy<TPorost>()) {
    if (int32_t zone = DominantZone(*stand)) return zone;
  }
  if (auto* compartment = VlastnikTridy<TOddeleni>()) return DominantZone(*compartment);
  return 0;
}

TLesniMnozina* TLesniPlosnyPrvek::Nasobny_VlastnikMN() {
  return ChildSetByClassName(*this, nasobny_vlastnik_, "TNasobny_VlastnikMN", "Nasobny_VlastnikMN");
}
TLesniMnozina* TLesniPlosnyPrvek::EVL_KODmn() {
  return ChildSetByClassName(*this, evl_, "TNasobny_LongIntMN", "EVL_KODmn");
}
TLesniMnozina* TLesniPlosnyPrvek::NPP_KODmn() {
  return ChildSetByClassName(*this, npp_, "TNasobny_LongIntMN", "NPP_KODmn");
}
TLesniMnozina* TLesniPlosnyPrvek::NPR_KODmn() {
  return ChildSetByClassName(*this, npr_, "TNasobny_LongIntMN", "NPR_KODmn");
}

void TLesniPlosnyPrvek::VycistiNulyOchrany() {
  framework::TElementRef* slots[] = {&evl_, &npp_, &npr_};
  const char* names[] = {"EVL_KODmn", "NPP_KODmn", "NPR_KODmn"};
  for (int i = 0; i < 3; ++i) {
    TLesniMnozina* set = ExistingChildSet(*this, *slots[i], "TNasobny_LongIntMN", names[i]);
    if (!set) continue;
    const std::vector<TElement*> codes = set->Prvky();
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
      if (set->IndexOf(*it) < 0) continue;
      if (framework::ReadIntegerPrefix((*it)->GetPropertyText("CISLO_LongInt")) == 0)
        set->FreeElement(*it);
    }
  }
}

std::string TLesniPlosnyPrvek::NazevKodu(const std::string& list, int32_t code) {
  return NazevZCiselniku(*this, list, std::to_string(code));
}

}  // namespace tarnik::plan
