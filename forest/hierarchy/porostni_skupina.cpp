#include "forest/hierarchy/porostni_skupina.h"

#include <algorithm>
#include <set>

#include "forest/codelists/species.h"
#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/code_names.h"
#include "forest/hierarchy/key_rules.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/layer_edits.h"
#include "framework/int_text.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using G = TPorostniSkupina;

LayerRecomputeHook& Hook() {
  static LayerRecomputeHook hook = nullptr;
  return hook;
}

void RecomputeLayers(G& group, bool with_volumes) {
  if (LayerRecomputeHook hook = Hook()) hook(group, with_volumes);
}

constexpr double kMinArea = 0.001;

// The part of `text` after `marker`, cut before `stop`; empty without the marker.
std::string PartAfter(const std::string& text, const char* marker, const char* stop) {
  const size_t at = text.find(marker);
  if (at == std::string::npos) return "";
  std::string rest = text.substr(at + std::char_traits<char>::length(marker));
  const size_t end = rest.find(stop);
  if (end != std::string::npos) rest.resize(end);
  return rest;
}

// Which planned-intervention area field a hatch code selects: 0..4, -1 for none.
int InterventionSlot(int32_t srafa) {
  static const std::set<int32_t> first = {1,     31002, 31003, 31005, 31020, 31030,
                                          31050, 31052, 31053, 31054, 31102, 31103,
                                          31105, 31107, 31202, 31203, 31205};
  static const std::set<int32_t> second = {31004, 31014, 31041, 31104, 31110};
  static const std::set<int32_t> third = {31006, 31106, 31109};
  static const std::set<int32_t> fifth = {31108, 31320, 31330, 31350};
  if (first.count(srafa)) return 0;
  if (second.count(srafa)) return 1;
  if (third.count(srafa)) return 2;
  if (srafa == 31046) return 3;
  if (fifth.count(srafa)) return 4;
  return -1;
}

// An XML area text written back: blanks removed, read by the decimal-text rule.
double ReadAreaText(const std::string& text) {
  return framework::ReadDecimalText(platform::RemoveBlanks(text)).value_or(0.0);
}

}  // namespace

void SetLayerRecomputeHook(LayerRecomputeHook hook) { Hook() = hook; }

void TPorostniSkupina::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<G> d(out);
  d.String("PSK", &G::PSK, &G::SetPSK);
  d.String("PSK_XML", &G::PSK_XML, &G::SetPSK);
  StoredString(d, "PSK_Nactene", &G::psk_nactene_);
  d.Float("PSK_P", &G::Plocha, &G::SetPSK_P);
  // The entry form's area recomputes the layers; the area itself is stored as PSK_P.
  d.Float("PSK_P_MERK", &G::Plocha, &G::SetPSK_P_MERK).NotStored();
  d.Float("PSK_P0", &G::Plocha0, &G::SetPlocha0);
  d.Float("PSK_V", &G::Vymera, &G::SetVymera);
  d.String("PSK_P_XML", &G::PSK_P_XML, &G::SetPSK_P_XML);
  d.String(
      "PSK_P0_XML", [](G& e) { return FixedDot(RoundAreaEven(e.plocha0_), 4); },
      [](G& e, const std::string& v) { e.plocha0_ = ReadAreaText(v); });
  d.String(
      "PSK_V_XML", [](G& e) { return FixedDot(RoundAreaEven(e.vymera_), 4); },
      [](G& e, const std::string& v) { e.vymera_ = ReadAreaText(v); });
  StoredInteger(d, "PRIB_VZD", &G::prib_vzd_);
  StoredString(d, "HOSP_TVAR", &G::hosp_tvar_);
  StoredString(d, "TER_TYP", &G::ter_typ_);
  d.String(
      "TER_TYP_Nazev", [](G& e) { return NazevZCiselniku(e, "tb_TeTy1", e.ter_typ_); }, nullptr);
  StoredString(d, "Terenni_skupina", &G::terenni_skupina_);
  StoredInteger(d, "Uzivatel", &G::uzivatel_);
  StoredInteger(d, "OLHi", &G::olhi_);
  StoredInteger(d, "HOSP_ZP", &G::hosp_zp_);
  d.String(
      "HOSP_ZP_Nazev", [](G& e) { return e.NazevKodu("tb_HZ", e.hosp_zp_); }, nullptr);
  d.String(
      "DAN", [](G& e) { return e.dan_; },
      [](G& e, const std::string& v) { e.dan_ = platform::UpperCz(v); });
  d.String(
      "DAN_Nazev", [](G& e) { return NazevZCiselniku(e, "tb_Dan", e.dan_); }, nullptr);
  d.String(
      "POT_VLAST_Nazev", [](G& e) { return e.NazevKodu("tb_Pot_vla", e.pot_vlast_); }, nullptr);
  d.String("PSK_TEXT", &G::PSK_TEXT, &G::SetPSK_TEXT);
  d.Boolean("JePritomenNMD_DTO", &G::JePritomenNMD_DTO, nullptr);
  d.String("NMD_Text", &G::NMD_Text, nullptr);
  d.String("DTO_Text", &G::DTO_Text, nullptr);
  d.String("Poznamka_Text", &G::Poznamka_Text, nullptr);
  d.String(
      "PLT_PSK", [](G& e) { return e.plt_; }, [](G& e, const std::string& v) { e.plt_ = v; });
  d.String(
      "STAN_RADA",
      [](G& e) {
        const std::string slt = e.SLT();
        return slt.size() < 2 ? std::string() : slt.substr(1, 1);
      },
      nullptr);
  d.Integer(
      "MAJ_KOD", [](G& e) { return e.Porost() ? e.Porost()->MAJ_KOD() : 0; }, nullptr);
  d.Integer(
      "MAJ_DRUH", [](G& e) { return e.Porost() ? e.Porost()->MAJ_DRUH() : 0; }, nullptr);
  d.Integer("CelZakmZEtazi", &G::CelZakmZEtazi, nullptr);
  d.Float(
      "PSK_PzEtaz_PP", [](G& e) { return e.SumOverLayers("ETAZ_PP"); }, nullptr);
  d.String("PSKzEtazi3", &G::PSKzEtazi3, nullptr);
  d.String("PSKzEtaziProKont1", &G::PSKzEtaziProKont1, nullptr);
  d.Float(
       "Skup_TO_P", [](G& e) { return e.SumOverLayers("TO_P"); },
       [](G& e, double v) { RozdelPlochuZasahu(e, "TO", v); })
      .NotStored();
  d.Float(
       "Skup_TV_P", [](G& e) { return e.SumOverLayers("TV_P"); },
       [](G& e, double v) { RozdelPlochuZasahu(e, "TV", v); })
      .NotStored();
  d.Float(
       "Skup_PRO_P", [](G& e) { return e.SumOverLayers("PRO_P"); },
       [](G& e, double v) { RozdelPlochuZasahu(e, "PRO", v); })
      .NotStored();
  d.Float(
      "Skup_TV_PRO_P", [](G& e) { return e.SumOverLayers("TV_P") + e.SumOverLayers("PRO_P"); },
      nullptr);
  d.Float(
      "Skup_PomRek_DomVyst", [](G&) { return 0.0; }, nullptr);
  StoredInteger(d, "SRAFA", &G::srafa_);
  StoredInteger(d, "ZPUSOB_P0135", &G::zpusob_p0135_);
  StoredFloat(d, "Proc_P0135", &G::proc_p0135_);
  StoredFloat(d, "ProcTO_P0135", &G::proc_to_p0135_);
  d.Float(
      "TO_P_P0135", [](G& e) { return e.zasah_p0135_[0]; },
      [](G& e, double v) { e.zasah_p0135_[0] = v; });
  d.Float(
      "Pl_P0135_2", [](G& e) { return e.zasah_p0135_[1]; },
      [](G& e, double v) { e.zasah_p0135_[1] = v; });
  d.Float(
      "Pl_P0135_3", [](G& e) { return e.zasah_p0135_[2]; },
      [](G& e, double v) { e.zasah_p0135_[2] = v; });
  d.Float(
      "Pl_P0135_4", [](G& e) { return e.zasah_p0135_[3]; },
      [](G& e, double v) { e.zasah_p0135_[3] = v; });
  d.Float(
      "Pl_P0135_5", [](G& e) { return e.zasah_p0135_[4]; },
      [](G& e, double v) { e.zasah_p0135_[4] = v; });
  d.Float("Pl_Zasahu_P0135", &G::Pl_Zasahu_P0135, &G::SetPl_Zasahu_P0135);
  d.Integer("PSK_KVAL_Vypocet", nullptr, [](G& e, int32_t v) { e.SetPSK_KVAL(v, true); });
  d.Integer("PSK_KVAL_BezVypoctu", nullptr, [](G& e, int32_t v) { e.SetPSK_KVAL(v, false); });
  d.Integer("PocetRadkuProPlanPece", &G::PocetRadkuProPlanPece, nullptr);
  StoredString(d, "StareOzn", &G::stare_ozn_);
  StoredString(d, "Face", &G::face_);
  StoredString(d, "BotanLok", &G::botan_lok_);
  StoredString(d, "SegmVyv", &G::segm_vyv_);
  StoredString(d, "TxtNepis", &G::txt_nepis_);
  StoredString(d, "RSO", &G::rso_);
  StoredString(d, "TypManag", &G::typ_manag_);
  d.String(
      "TypManag_Nazev", [](G& e) { return NazevZCiselniku(e, "tb_TypManag", e.typ_manag_); },
      nullptr);
  StoredString(d, "KodPrirStan", &G::kod_prir_stan_);
  StoredString(d, "TYP_STANOVISTE", &G::kod_prir_stan_);
  d.String(
      "TypPrirStan", [](G& e) { return NazevZCiselniku(e, "tb_Biotop", e.biotop_); }, nullptr);
  d.String(
      "TYP_STANOVISTE_Nazev", [](G& e) { return NazevZCiselniku(e, "tb_Biotop", e.biotop_); },
      nullptr);
  StoredString(d, "Biotop", &G::biotop_);
  StoredString(d, "Revize", &G::revize_);
  StoredString(d, "BIOTOP_REVIZE", &G::revize_);
  StoredString(d, "Prioritni", &G::prioritni_);
  StoredString(d, "BIOTOP_PRIORITNI", &G::prioritni_);
  StoredString(d, "StupPriroz", &G::stup_priroz_);
  StoredString(d, "STUPEN_PRIROZENOSTI", &G::stup_priroz_);
  StoredInteger(d, "Rok_Sum", &G::rok_sum_);
  StoredInteger(d, "BIOTOP_REVIZE_ROK", &G::rok_sum_);
  StoredInteger(d, "PocetCasti", &G::pocet_casti_);
  d.String("PocetCastiSlovne", &G::PocetCastiSlovne, [](G&, const std::string&) {});
  d.String("CeleOznaceni", &G::CeleOznaceni, nullptr);
  d.String("CeleOznaceniKratce", &G::CeleOznaceniKratce, nullptr);
  d.String("Ozn", &G::PSK, nullptr);
  d.Object(
      "EtazMN", TLesniMnozina::StaticClass(), [](G& e) -> TElement* { return e.EtazMN(); },
      nullptr);
  d.Object(
      "SmazanyEtazMN", TLesniMnozina::StaticClass(),
      [](G& e) -> TElement* { return e.SmazanyEtazMN(); }, nullptr);
  d.Object(
      "CastParcelyMN", TLesniMnozina::StaticClass(),
      [](G& e) -> TElement* { return e.CastParcelyMN(); }, nullptr);
  DerivedFormsNotStored(out);
}

TARNIK_DEFINE_CLASS(TPorostniSkupina, TLesniPlosnyPrvek, &TPorostniSkupina::DefineProperties)

void TPorostniSkupina::SetPSK(const std::string& text) {
  const std::string psk = NormalizeGroupDesignation(text);
  TLesniMnozina* set = HoldingSet(*this);
  if (!set) {
    psk_ = psk;
    SetName("SKUP " + psk_);
    return;
  }
  if (psk != psk_ && set->ExistujePrvekSHodnotou("PSK", psk)) {
    platform::ui().Beep();
    platform::ui().ShowMessage("Porostní skupina \"" + psk +
                               "\" už existuje. Stávající skupina nebude přejmenována.");
    return;
  }
  psk_ = psk;
  SetName(set->NameForKey(psk_));
}

std::string TPorostniSkupina::PSK_XML() const { return platform::RemoveBlanks(psk_); }

void TPorostniSkupina::SetPSK_P(double area) {
  if (area <= kMinArea) return;
  plocha_ = area;
}

void TPorostniSkupina::SetPSK_P_MERK(double area) {
  if (area <= kMinArea) return;
  stara_plocha_ = Plocha();
  SetPSK_P(area);
  SetBylEditovan(true);
  RecomputeLayers(*this, false);
}

std::string TPorostniSkupina::PSK_P_XML() const { return FixedDot(RoundAreaEven(StoredArea()), 2); }

void TPorostniSkupina::SetPSK_P_XML(const std::string& text) { plocha_ = ReadAreaText(text); }

void TPorostniSkupina::SetPSK_KVAL(int32_t kval_p, bool with_volumes) {
  const double previous = Plocha();
  kval_p_ = kval_p;
  PouzijKvalituPlochy();
  if (Plocha() < kMinArea) {
    SetPSK_P(previous);
    return;
  }
  RecomputeLayers(*this, with_volumes);
}

TPorost* TPorostniSkupina::Porost() { return VlastnikTridy<TPorost>(); }

std::string TPorostniSkupina::CeleOznaceni() {
  if (TPorost* stand = Porost()) return stand->CeleOznaceni() + " Skup: " + psk_;
  return " Skup: " + psk_;
}

std::string TPorostniSkupina::CeleOznaceniKratce() {
  if (TPorost* stand = Porost()) return platform::RemoveBlanks(stand->CeleOznaceniKratce() + psk_);
  return platform::RemoveBlanks(psk_);
}

bool TPorostniSkupina::JePritomenNMD_DTO() const {
  return psk_text_.find("NMD:") != std::string::npos || psk_text_.find("DTO:") != std::string::npos;
}

std::string TPorostniSkupina::NMD_Text() const { return PartAfter(psk_text_, "NMD:", "DTO:"); }
std::string TPorostniSkupina::DTO_Text() const { return PartAfter(psk_text_, "DTO:", "NMD:"); }

std::string TPorostniSkupina::Poznamka_Text() const {
  if (!JePritomenNMD_DTO()) return psk_text_;
  std::string text = psk_text_;
  const size_t nmd = text.find("NMD:");
  if (nmd != std::string::npos) text.resize(nmd);
  const size_t dto = text.find("DTO:");
  if (dto != std::string::npos) text.resize(dto);
  return text;
}

std::string TPorostniSkupina::PocetCastiSlovne() const {
  if (pocet_casti_ <= 1) return "";
  if (pocet_casti_ <= 4) return std::to_string(pocet_casti_) + " části.";
  return std::to_string(pocet_casti_) + " částí.";
}

double* TPorostniSkupina::InterventionField() {
  const int slot = InterventionSlot(srafa_);
  return slot < 0 ? nullptr : &zasah_p0135_[slot];
}

double TPorostniSkupina::Pl_Zasahu_P0135() const {
  const int slot = InterventionSlot(srafa_);
  return slot < 0 ? 0.0 : zasah_p0135_[slot];
}

void TPorostniSkupina::SetPl_Zasahu_P0135(double area) {
  if (double* field = InterventionField()) *field = area;
}

std::vector<TElement*> TPorostniSkupina::Etaze() {
  TLesniMnozina* set = ExistingChildSet(*this, etaze_, "TEtazMN", "EtazMN");
  return set ? set->Prvky() : std::vector<TElement*>();
}

double TPorostniSkupina::SumOverLayers(const char* property) {
  double sum = 0;
  for (TElement* layer : Etaze()) sum += NumericProperty(*layer, property);
  return sum;
}

int32_t TPorostniSkupina::CelZakmZEtazi() {
  return static_cast<int32_t>(RoundHalfEven(SumOverLayers("ZAKM")));
}

std::string TPorostniSkupina::PSKzEtazi3() {
  std::vector<std::string> keys;
  for (TElement* layer : Etaze()) {
    const std::string key = layer->GetPropertyText("ETAZ");
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  }
  std::sort(keys.begin(), keys.end(), std::greater<>());
  return platform::Join(keys, "/");
}

std::string TPorostniSkupina::PSKzEtaziProKont1() {
  std::vector<std::string> keys;
  for (TElement* layer : Etaze()) {
    std::string key = layer->GetPropertyText("ETAZ");
    if (!key.empty() && key.back() == ' ') key.pop_back();
    keys.insert(keys.begin(), key);  // the later layer first
  }
  return platform::Join(keys, "/");
}

int32_t TPorostniSkupina::PocetRadkuProPlanPece() {
  int32_t rows = 0;
  for (TElement* layer : Etaze()) {
    std::vector<TElement*> species;
    if (auto* entity = dynamic_cast<framework::TEntity*>(layer))
      CollectBelow(*entity, {"TDrevina"}, species);
    rows += static_cast<int32_t>(species.size()) + 1;
  }
  return std::max(rows, 2);
}

TLesniMnozina* TPorostniSkupina::EtazMN() {
  return ChildSetByClassName(*this, etaze_, "TEtazMN", "EtazMN");
}
TLesniMnozina* TPorostniSkupina::SmazanyEtazMN() {
  return ChildSetByClassName(*this, smazane_etaze_, "TEtazMN", "SmazanyEtazMN");
}
TLesniMnozina* TPorostniSkupina::CastParcelyMN() {
  return ChildSetByClassName(*this, casti_parcel_, "TCastParcelyMN", "CastParcelyMN");
}

void TPorostniSkupina::DeletedSets(std::vector<TLesniMnozina*>& out) {
  TLesniPrvek::DeletedSets(out);
  if (auto* s = ExistingChildSet(*this, smazane_etaze_, "TEtazMN", "SmazanyEtazMN"))
    out.push_back(s);
}

TARNIK_DEFINE_CLASS(TPorostniSkupinaMN, TLesniMnozina, nullptr)

TPorostniSkupinaMN::TPorostniSkupinaMN() : TLesniMnozina(TPorostniSkupina::StaticClass(), "SKUP") {}

void TPorostniSkupinaMN::SetNovyPrvek(const std::string& key) {
  const std::string psk = NormalizeGroupDesignation(key);
  TLesniMnozina::SetNovyPrvek(psk);
  auto* created = dynamic_cast<TPorostniSkupina*>(AktualniPrvek());
  if (created && created->PSK().empty()) created->AdoptPSK(psk);
}

void TPorostniSkupinaMN::SetNovyPrvekVzdy(const std::string& key) {
  const std::string psk = NormalizeGroupDesignation(key);
  TLesniMnozina::SetNovyPrvekVzdy(psk);
  auto* created = dynamic_cast<TPorostniSkupina*>(AktualniPrvek());
  if (created && created->PSK().empty()) created->AdoptPSK(psk);
}

void TPorostniSkupinaMN::SetJmenoAktualnihoPrvku(const std::string& key) {
  TLesniMnozina::SetJmenoAktualnihoPrvku(NormalizeGroupDesignation(key));
}

}  // namespace tarnik::plan
