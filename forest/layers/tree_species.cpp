#include "forest/layers/tree_species.h"

#include "forest/codelists/code_list_container.h"
#include "forest/codelists/species.h"
#include "forest/colour.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_edits.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/species_values.h"
#include "forest/option_flags.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TDrevina, TLayerElementBase, &TDrevina::Define)
TARNIK_DEFINE_CLASS(TDrevinaMN, TLesniMnozina, &TDrevinaMN::Define)

TDrevina::TDrevina() { MarkAsNew(*this); }

void TDrevina::SetDR_ZKR(const std::string& code) {
  dr_zkr_ = SpeciesCodeRule(code);
  RenameToKey(*this, "DREV", dr_zkr_);
}

int32_t TDrevina::DR_KOD() {
  // Asked for every species several times (its code, stem volume, stem count): the code lists
  // are found once per question.
  tciselnik* lists = Ciselnik();
  if (!lists) return -1;
  const std::string text =
      lists->Lists().Description("tb_DrevCis", platform::Trim(dr_zkr_), "NKOD", "CKOD");
  return platform::TextToInt(text).value_or(-1);
}

bool TDrevina::Jehlicnaty() const { return IsConiferous(dr_zkr_); }

TEtaz* TDrevina::OwnerEtaz() { return VlastnikTridy<TEtaz>(); }

int32_t TDrevina::PublishedVolume(int which) const {
  const int32_t stored = volumes_[which];
  return forest::Flags().odkorneno ? UnderBarkInt(stored, dr_zkr_) : stored;
}

void TDrevina::SetPublishedVolume(int which, int32_t value) {
  volumes_[which] = forest::Flags().odkorneno ? OverBarkInt(value, dr_zkr_) : value;
}

int32_t TDrevina::BON_R() {
  const int group = SpeciesGroupOf(dr_zkr_);
  if (group == kGroupKR || group == kGroupXXX) return 0;
  if (bon_r_ != 0) return bon_r_;
  TEtaz* layer = OwnerEtaz();
  return RelativeSiteClassA(dr_zkr_, layer ? layer->VEK() : 0, bon_a_);
}

void TDrevina::SetBON_A(int32_t value) {
  if (value >= 1 && value <= 9)
    bon_r_vyhl_ = value;
  else
    bon_a_ = value;
}

double TDrevina::HMOT() {
  const double rounded = Round2HalfEven(StemVolume(DR_KOD(), tloustka_, vyska_));
  return forest::Flags().odkorneno ? rounded * BarkFactor(dr_zkr_) : rounded;
}

int32_t TDrevina::POCET_KMENUVypocteny() {
  // The mean stem volume with bark from the stem volume function; the count is guarded on the
  // divisor itself, so a stem volume that rounds to zero never divides.
  return StemCount(volumes_[kZasCel], StemVolume(DR_KOD(), tloustka_, vyska_));
}

int32_t TDrevina::OBJ_SOUS() const {
  return static_cast<int32_t>(
      RoundHalfEven(static_cast<double>(PublishedVolume(kZasCel)) * proc_sous_ / 100.0));
}

void TDrevina::SetOBJ_SOUS(int32_t volume) {
  const int32_t total = PublishedVolume(kZasCel);
  proc_sous_ = total == 0 ? 0 : static_cast<int32_t>(RoundHalfEven(100.0 * volume / total));
}

std::string TDrevina::IMISE() {
  imise_ = platform::RemoveBlanks(imise_);
  if (imise_ == "01") return "0/1";
  if (imise_.empty()) return "0";
  return imise_;
}

void TDrevina::SetIMISE(const std::string& text) {
  imise_ = platform::RemoveBlanks(text) == "0/1" ? std::string("01") : text;
}

int32_t TDrevina::VYB_STRInt() const {
  if (vyb_str_ == "V") return 99;
  return IntFromText(vyb_str_);
}

double TDrevina::RedukovanaPlochaDrDleZasoby() {
  const int32_t tab = volumes_[kZasTabHa];
  if (tab <= 0.1) {
    TEtaz* layer = OwnerEtaz();
    return (layer ? layer->ETAZ_PP() : 0.0) * zast_ / 100.0;
  }
  return static_cast<double>(volumes_[kZasCel]) / tab;
}

double TDrevina::RedukovanaPlochaDrevT0() const {
  const int32_t tab = volumes_[kZasTabHa];
  if (tab <= 0.1) return 0;
  return static_cast<double>(volumes_[kTo]) / tab;
}

int32_t TDrevina::DR_ZAS_CELzeZASTaZAKM() {
  TEtaz* layer = OwnerEtaz();
  if (!layer) return 0;
  const double value = static_cast<double>(PublishedVolume(kZasTabHa)) * zast_ / 100.0 *
                       layer->ZAKM() / 10.0 * FloatProperty(layer->Skupina(), "Plocha");
  return static_cast<int32_t>(RoundHalfEven(value));
}

bool TDrevina::MamodrouBarvuVZasobach() {
  for (const char* name : {"ZAST", "DR_ZAS_CEL", "DR_ZAS_HA", "POCET_KMENU", "VYCETNI_ZAKLADNA"})
    if (IsEnteredManually(BarvaProperty(name))) return true;
  return false;
}

std::string TDrevina::CeleOznaceni() {
  TEtaz* layer = OwnerEtaz();
  return (layer ? layer->CeleOznaceni() : std::string()) + " Drev: " + dr_zkr_;
}

TPoskozeniMN* TDrevina::PoskozeniMN() {
  return OwnChildSet<TPoskozeniMN>(*this, poskozeni_, "PoskozeniMN");
}
TPoskozeniMN* TDrevina::SmazanyPoskozeniMN() {
  return OwnChildSet<TPoskozeniMN>(*this, smazane_poskozeni_, "SmazanyPoskozeniMN");
}

void TDrevina::Define(std::vector<framework::TPropInfo>& out) {
  using P = TDrevina;
  framework::TPropDefs<P> d(out);
  d.String("DR_ZKR", &P::DR_ZKR, &P::SetDR_ZKR);
  d.Integer("DR_KOD", &P::DR_KOD, nullptr);
  d.String(
      "DR_NAZ",
      [](P& p) {
        return CodeListName(p, "tb_DrevCis", platform::Trim(p.dr_zkr_), "POPIS_CS", "CKOD");
      },
      nullptr);
  d.String(
      "DR_ZKR_nazev",
      [](P& p) {
        return CodeListName(p, "tb_DrevCis", platform::Trim(p.dr_zkr_), "POPIS_CS", "CKOD");
      },
      nullptr);
  d.String(
      "Nazev_nemecky",
      [](P& p) {
        return CodeListName(p, "tb_DrevCis", platform::Trim(p.dr_zkr_), "POP_NEMEC", "CKOD");
      },
      nullptr);
  d.String(
      "Cislo_SLHP",
      [](P& p) {
        return CodeListName(p, "tb_DrevCis", platform::Trim(p.dr_zkr_), "KOD_NEM", "CKOD");
      },
      nullptr);
  d.Boolean(
      "DR_ZKRvPoradku",
      [](P& p) { return CodeListHas(p, "tb_DrevCis", platform::Trim(p.dr_zkr_), "CKOD"); },
      nullptr);
  d.Boolean("Jehlicnaty", &P::Jehlicnaty, nullptr);
  d.Integer("ZAST", TARNIK_FIELD(&P::zast_));
  d.Integer("TLOUSTKA", TARNIK_FIELD(&P::tloustka_));
  d.Integer("VYSKA", TARNIK_FIELD(&P::vyska_));
  d.Integer(
      "BON_A", [](P& p) { return p.bon_a_; }, &P::SetBON_A);
  d.String(
      "BON_A_XML", [](P& p) { return p.bon_a_ == 0 ? std::string() : std::to_string(p.bon_a_); },
      [](P& p, const std::string& text) { p.SetBON_A(IntFromText(text)); });
  d.Integer("BON_R", &P::BON_R, [](P& p, int32_t v) { p.bon_r_ = v; });
  d.String(
      "BON_R_XML",
      [](P& p) {
        const int32_t value = p.BON_R();
        return value == 0 ? std::string() : std::to_string(value);
      },
      [](P& p, const std::string& text) { p.bon_r_ = IntFromText(text); });
  d.Integer("BON_RVyhl", TARNIK_FIELD(&P::bon_r_vyhl_));
  d.Integer("BON_AVypoctena", TARNIK_FIELD(&P::bon_a_vypoctena_));
  struct VolumeName {
    const char* name;
    int which;
  };
  for (VolumeName v : {VolumeName{"ZAS_TAB_HA", kZasTabHa}, VolumeName{"DR_ZAS_TAB", kZasTabHa},
                       VolumeName{"DR_ZAS_HA", kZasHa}, VolumeName{"DR_ZAS_CEL", kZasCel},
                       VolumeName{"DR_TO", kTo}, VolumeName{"DR_TV", kTv},
                       VolumeName{"N_ObjemHaTV", kObjemHaTV}}) {
    const int which = v.which;
    d.Integer(
        v.name, [which](P& p) { return p.PublishedVolume(which); },
        [which](P& p, int32_t value) { p.SetPublishedVolume(which, value); });
  }
  d.Integer("N_ProcentoTV", TARNIK_FIELD(&P::n_procento_tv_));
  d.Integer("POCET_KMENU", TARNIK_FIELD(&P::pocet_kmenu_));
  d.Integer("POCET_KMENUVypocteny", &P::POCET_KMENUVypocteny, nullptr);
  d.Float("VYCETNI_ZAKLADNA", TARNIK_FIELD(&P::vycetni_zakladna_));
  d.Float("HMOT", &P::HMOT, nullptr);
  d.String(
       "HMOT_XML", [](P& p) { return Fixed2Dot(p.HMOT()); },
       // The volume follows from the diameter and the height; a value read with them is dropped.
       [](P&, const std::string&) {})
      .NotStored();
  d.String("GEN_KLAS", TARNIK_FIELD(&P::gen_klas_));
  d.String(
      "GEN_KLAS_nazev", [](P& p) { return CodeListName(p, "tb_genKl", p.gen_klas_); }, nullptr);
  d.String("VYB_STR", TARNIK_FIELD(&P::vyb_str_));
  d.Integer("VYB_STRInt", &P::VYB_STRInt, [](P& p, int32_t v) { p.vyb_str_ = std::to_string(v); });
  d.String(
      "VYB_STR_XML", [](P& p) { return std::to_string(p.VYB_STRInt()); },
      [](P& p, const std::string& text) { p.vyb_str_ = std::to_string(IntFromText(text)); });
  d.String("DR_PUVOD", TARNIK_FIELD(&P::dr_puvod_));
  d.String(
      "DR_PUVOD_nazev", [](P& p) { return CodeListName(p, "Tb_puvod", p.dr_puvod_); }, nullptr);
  d.String("IMISE", &P::IMISE, &P::SetIMISE);
  d.String(
      "IMISE_nazev", [](P& p) { return CodeListName(p, "tb_imise98", p.IMISE()); }, nullptr);
  d.Integer("PROC_SOUS", TARNIK_FIELD(&P::proc_sous_));
  d.Integer("OBJ_SOUS", &P::OBJ_SOUS, &P::SetOBJ_SOUS);
  d.String("DR_KVAL", TARNIK_FIELD(&P::dr_kval_));
  d.Float("Vi", TARNIK_FIELD(&P::vi_));
  d.Integer("METODA_ZJISTENI_PRIRUSTU", TARNIK_FIELD(&P::metoda_prirustu_));
  d.Float("HK", TARNIK_FIELD(&P::hk_));
  d.Float("Volny", TARNIK_FIELD(&P::volny_));
  d.Float("PLOCHA_DREVINY", TARNIK_FIELD(&P::plocha_dreviny_));
  d.String(
      "PLOCHA_DREVINY_XML", [](P& p) { return Area2Xml(p.plocha_dreviny_); },
      [](P& p, const std::string& text) { p.plocha_dreviny_ = DecimalFromText(text); });
  d.Integer("POC_JEHL", TARNIK_FIELD(&P::poc_jehl_));
  d.Integer("ROCNIKY_JEHLIC", TARNIK_FIELD(&P::poc_jehl_)).NotStored();
  d.String("ZPZADZAS", TARNIK_FIELD(&P::zp_zad_zas_));
  d.String("DR_STAV_ZPRAC", TARNIK_FIELD(&P::dr_stav_zprac_));
  d.String("ZpZadTV", TARNIK_FIELD(&P::zp_zad_tv_));
  d.String("TV_STAV_ZPRAC", TARNIK_FIELD(&P::tv_stav_zprac_));
  d.String("ZpZadTO", TARNIK_FIELD(&P::zp_zad_to_));
  d.String("TO_STAV_ZPRAC", TARNIK_FIELD(&P::to_stav_zprac_));
  d.Integer("DR_TVYB", TARNIK_FIELD(&P::dr_tvyb_));
  d.String("ZDR_REP", TARNIK_FIELD(&P::zdr_rep_));
  d.String("GEN_PUVOD_OBLAST", TARNIK_FIELD(&P::gen_puvod_oblast_));
  d.Integer("GEN_PUVOD", TARNIK_FIELD(&P::gen_puvod_));
  d.String(
      "GEN_PUVOD_NAZEV",
      [](P& p) { return CodeListName(p, "tb_Gen_PUV", std::to_string(p.gen_puvod_)); }, nullptr);
  d.Integer("RS_KLON", TARNIK_FIELD(&P::rs_klon_));
  d.Boolean("JedinaProTO_P", TARNIK_FIELD(&P::jedina_to_));
  d.Boolean("JedinaProTV_P", TARNIK_FIELD(&P::jedina_tv_));
  d.Boolean("MamodrouBarvuVZasobach", &P::MamodrouBarvuVZasobach, nullptr);
  d.Integer("DR_ZAS_CELzeZASTaZAKM", &P::DR_ZAS_CELzeZASTaZAKM, nullptr);
  d.Float("RedukovanaPlochaDrDleZasoby", &P::RedukovanaPlochaDrDleZasoby, nullptr);
  d.Float("RedukovanaPlochaDrevT0", &P::RedukovanaPlochaDrevT0, nullptr);
  d.Object(
      "PoskozeniMN", TPoskozeniMN::StaticClass(),
      [](P& p) -> framework::TElement* { return p.PoskozeniMN(); }, nullptr);
  d.Object(
      "SmazanyPoskozeniMN", TPoskozeniMN::StaticClass(),
      [](P& p) -> framework::TElement* { return p.SmazanyPoskozeniMN(); }, nullptr);
  d.Object(
      "Poskozeni", TPoskozeni::StaticClass(), [](P& p) { return p.PoskozeniMN()->AktualniPrvek(); },
      nullptr);
  d.String("CeleOznaceni", &P::CeleOznaceni, nullptr);
  DefineSpeciesEditProperties(out);
  DefineSpeciesValueProperties(out);
  DerivedFormsNotStored(out);
}

TDrevinaMN::TDrevinaMN() : TLesniMnozina(TDrevina::StaticClass(), "DREV") {}

int32_t TDrevinaMN::SumaTezby(bool thinning, bool conifers) const {
  int64_t sum = 0;
  for (framework::TElement* element : Prvky()) {
    auto* species = static_cast<TDrevina*>(element);
    if (species->Jehlicnaty() != conifers) continue;
    sum += species->PublishedVolume(thinning ? TDrevina::kTv : TDrevina::kTo);
  }
  return static_cast<int32_t>(sum);
}

void TDrevinaMN::Define(std::vector<framework::TPropInfo>& out) {
  using P = TDrevinaMN;
  framework::TPropDefs<P> d(out);
  d.Integer(
      "TV_jehlicnata", [](P& s) { return s.SumaTezby(true, true); }, nullptr);
  d.Integer(
      "TO_jehlicnata", [](P& s) { return s.SumaTezby(false, true); }, nullptr);
  d.Integer(
      "TV_listnata", [](P& s) { return s.SumaTezby(true, false); }, nullptr);
  d.Integer(
      "TO_listnata", [](P& s) { return s.SumaTezby(false, false); }, nullptr);
  d.Object(
      "Drevina", TDrevina::StaticClass(), [](P& s) { return s.AktualniPrvek(); },
      [](P& s, framework::TElement* e) { s.SetAktualniPrvek(e); });
}

}  // namespace tarnik::plan
