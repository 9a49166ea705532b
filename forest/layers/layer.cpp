#include "forest/layers/layer.h"

#include <cmath>
#include <limits>

#include "forest/codelists/species.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer_edits.h"
#include "forest/layers/layer_reports.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/mzd_list.h"
#include "forest/layers/mzd_table.h"
#include "forest/layers/tree_species.h"
#include "forest/layers/work_records.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TEtaz, TLayerElementBase, &TEtaz::Define)
TARNIK_DEFINE_CLASS(TEtazMN, TLesniMnozina, &TEtazMN::Define)

namespace {
std::vector<TDrevina*> SpeciesOf(TEtaz& layer) {
  std::vector<TDrevina*> species;
  for (framework::TElement* element : layer.DrevinaMN()->Prvky())
    species.push_back(static_cast<TDrevina*>(element));
  return species;
}
}  // namespace

TEtaz::TEtaz() { MarkAsNew(*this); }

void TEtaz::SetETAZ(const std::string& text) {
  etaz_ = ShortCodeRule(text);
  RenameToKey(*this, "ETAZ", etaz_);
}

TObecnyLesniPrvek* TEtaz::Skupina() { return HolderAboveSet(*this, TEtazMN::StaticClass()); }

TDrevinaMN* TEtaz::DrevinaMN() { return OwnChildSet<TDrevinaMN>(*this, drevina_, "DrevinaMN"); }
TZalesneniMN* TEtaz::ZalesneniMN() {
  return OwnChildSet<TZalesneniMN>(*this, zalesneni_, "ZalesneniMN");
}
TRadekLHEvidenceMN* TEtaz::RadekLHEvidenceMN() {
  if (auto* existing = evidence_.As<TRadekLHEvidenceMN>()) return existing;
  auto* set = OwnChildSet<TRadekLHEvidenceMN>(*this, evidence_, "RadekLHEvidenceMN");
  NaplnLHEvidenci(*this, *set);
  return set;
}

TDrevinaMN* TEtaz::SmazanyDrevinaMN() {
  return OwnChildSet<TDrevinaMN>(*this, smazane_drevina_, "SmazanyDrevinaMN");
}
TZalesneniMN* TEtaz::SmazanyZalesneniMN() {
  return OwnChildSet<TZalesneniMN>(*this, smazane_zalesneni_, "SmazanyZalesneniMN");
}

std::string TEtaz::ZAL_DRUH() {
  const std::vector<TZalesneni*> rows = ZalesneniMN()->Rows();
  const auto own = platform::TextToInt(zal_druh_);
  if (rows.empty() || (own && *own > 0)) return zal_druh_;
  return rows.front()->ZAL_DRUH();
}

void TEtaz::SetZAL_DRUH(const std::string& kind) {
  zal_druh_ = kind;
  for (TZalesneni* row : ZalesneniMN()->Rows()) {
    if (row->ZAL_DRUH() != kind) row->SetBylEditovan(true);
    row->SetZAL_DRUH(kind);
  }
}

double TEtaz::ZAL_P() { return ZalesneniMN()->PlochaZalesneni(); }
void TEtaz::SetZAL_P(double area) { ZalesneniMN()->SetPlochaZalesneni(area); }

double TEtaz::ZAL_P_MERK() { return zal_p_vlastni_ > 0.001 ? zal_p_vlastni_ : ZAL_P(); }

void TEtaz::SetZAL_P_MERK(double area) {
  zal_p_vlastni_ = area;
  TZalesneniMN* rows = ZalesneniMN();
  int64_t shares = 0;
  for (TZalesneni* row : rows->Rows()) shares += row->ZAL_DR_P();
  if (shares > 0 && shares < 100) {
    for (TZalesneni* row : rows->Rows()) {
      const double value = RoundHalfEven(area * row->ZAL_DR_P()) / 100.0;
      if (std::fabs(row->ZAL_P() - value) > 0.001) row->SetBylEditovan(true);
      row->SetZAL_P(value);
    }
  } else if (shares == 100) {
    SetZAL_P(area);
  }
}

int32_t TEtaz::SumaDrevin(const char* property) {
  double sum = 0;
  for (TDrevina* species : SpeciesOf(*this)) sum += FloatProperty(species, property);
  return static_cast<int32_t>(RoundHalfEven(sum));
}

double TEtaz::RedukovanaPlocha(bool by_volume) {
  double sum = 0;
  for (TDrevina* species : SpeciesOf(*this))
    sum += by_volume ? species->RedukovanaPlochaDrDleZasoby() : species->RedukovanaPlochaDrevT0();
  return sum;
}

double TEtaz::PocitaneZakmeneniFlo() {
  TObecnyLesniPrvek* group = Skupina();
  if (!group) return 0;
  const double area = FloatProperty(group, "Plocha");
  if (area < 0.005) return 0;
  return RedukovanaPlocha(true) / area * 10.0;
}

int32_t TEtaz::NejmensiTabulkovaZasoba() {
  bool any = false;
  int32_t smallest = 0;
  for (TDrevina* species : SpeciesOf(*this)) {
    const int32_t value = species->PublishedVolume(TDrevina::kZasTabHa);
    if (!any || value < smallest) smallest = value;
    any = true;
  }
  return smallest;
}

int32_t TEtaz::PROC_HS() const { return RegenerationPercent(vek_, obmyti_, obn_doba_); }

bool TEtaz::MusiBytMZD() {
  if (vek_ > 80) return true;
  if (to_p_ > 0.004) return true;
  if (poc_obnovy_ >= 1 && vek_ >= poc_obnovy_) return true;
  if (PROC_HS() > 0) {
    framework::TEntity* lhc = LHCOwnEnt();
    if (lhc && lhc->GetPropertyBoolean("VypMzdDleZezuly1")) return true;
  }
  if (vek_ == 0 && DrevinaMN()->PocetPrvku() == 0) {
    const std::string kind = ZAL_DRUH();
    if (kind == "1" || kind == "4") return true;
  }
  return false;
}

bool TEtaz::MusiBytDTO() {
  if (to_p_ > 1.001) return true;
  if (vek_ <= 79 && (SumaDrevin("DR_TO") >= 1 || to_p_ > 0.001)) return true;
  const int32_t reason = IntFromText(to_duvod_);
  return reason >= 1 && reason <= 6;
}

int32_t TEtaz::MZDzeZales() {
  const std::vector<TZalesneni*> rows = ZalesneniMN()->Rows();
  int32_t value = rows.empty() ? 100 : 0;
  for (TZalesneni* row : rows)
    if (row->ZAL_DRjeMelioracni()) value += row->ZAL_DR_P();
  return value;
}

int32_t TEtaz::MZDDleHS() {
  const std::string lt = TextProperty(Skupina(), "LT");
  // The unit's list of soil-improving species first; the built-in table without a fitting row.
  if (const TMZDHospSoubMN* list = SeznamMZD(*this)) {
    const MzdListMatch match = NajdiVSeznamuMZD(*list, hs_, lt);
    if (match.found) return match.mzd;
  }
  return NajdiRadekMZD(lt, DrevinaSMaxZast()).mzd;
}

int32_t TEtaz::DruhVykonu() {
  return InterventionKind(SumaDrevin("DR_TV"), SumaDrevin("DR_TO"), tv_p_, pro_p_);
}

int32_t TEtaz::IEtaze() {
  auto* set = dynamic_cast<TLesniMnozina*>(VlastnikTridy(TEtazMN::StaticClass()));
  if (!set || !Skupina()) return -1;
  const auto layers = set->Prvky();
  for (size_t i = 0; i < layers.size(); ++i)
    if (layers[i] == this) return static_cast<int32_t>(i);
  return -1;
}

std::string TEtaz::DrevinaSMaxZast() {
  const std::vector<TDrevina*> species = SpeciesOf(*this);
  if (!species.empty()) {
    TDrevina* best = species.front();
    for (TDrevina* s : species)
      if (s->ZAST() > best->ZAST()) best = s;
    return best->DR_ZKR();
  }
  const std::vector<TZalesneni*> rows = ZalesneniMN()->Rows();
  if (!rows.empty()) {
    TZalesneni* best = rows.front();
    for (TZalesneni* row : rows)
      if (row->ZAL_DR_P() > best->ZAL_DR_P()) best = row;
    return best->ZAL_DR();
  }
  return "xxx";
}

std::string TEtaz::CeleOznaceni() {
  return TextProperty(Skupina(), "CeleOznaceni") + " Etáž: " + etaz_;
}

void TEtaz::Define(std::vector<framework::TPropInfo>& out) {
  using P = TEtaz;
  using framework::TElement;
  framework::TPropDefs<P> d(out);
  const auto text_to_area = [](double P::*field) {
    return [field](P& p, const std::string& text) { p.*field = DecimalFromText(text); };
  };
  d.String("ETAZ", &P::ETAZ, &P::SetETAZ);
  d.String(
      "ETAZ_XML", [](P& p) { return platform::RemoveBlanks(p.etaz_); },
      [](P& p, const std::string& text) {
        p.etaz_ = PadRight(RegionCodeRule(text), 3);
        RenameToKey(p, "ETAZ", p.etaz_);
      });
  d.String("ETAZ_nactene", TARNIK_FIELD(&P::etaz_nactene_));
  d.Integer("HS", TARNIK_FIELD(&P::hs_));
  d.String(
      "HS_nazev",
      [](P& p) { return CodeListName(p, "Tb_HS", std::to_string(p.hs_), "NAZEV_HS", "CISLO_HS"); },
      nullptr);
  d.Float("ETAZ_PP", TARNIK_FIELD(&P::etaz_pp_));
  d.Float("ETAZ_PS", TARNIK_FIELD(&P::etaz_ps_));
  d.String(
      "ETAZ_PP_XML", [](P& p) { return Fixed2Dot(p.etaz_pp_); }, text_to_area(&P::etaz_pp_));
  d.String(
      "ETAZ_PS_XML", [](P& p) { return Fixed2Dot(p.etaz_ps_); }, text_to_area(&P::etaz_ps_));
  d.Boolean("ETAZ_PSMenit", TARNIK_FIELD(&P::etaz_ps_menit_));
  d.Integer("OBMYTI", TARNIK_FIELD(&P::obmyti_));
  d.Integer("OBN_DOBA", TARNIK_FIELD(&P::obn_doba_));
  d.Integer("POC_OBNOVY", TARNIK_FIELD(&P::poc_obnovy_));
  d.Integer("VEK", TARNIK_FIELD(&P::vek_));
  d.Integer(
      "VekovyStupen", [](P& p) { return (p.vek_ + 9) / 10; }, nullptr);
  d.Integer("ZAKM", TARNIK_FIELD(&P::zakm_));
  d.Integer(
       "ZAKM_XML",
       [](P& p) {
         if (p.zakm_ == 0 && p.vek_ == 0 && p.DrevinaMN()->PocetPrvku() == 0) return 10;
         return p.zakm_;
       },
       [](P& p, int32_t v) { p.zakm_ = v; })
      .NotStored();
  d.Integer("KVAL_HS", TARNIK_FIELD(&P::kval_hs_));
  d.Integer("M_Z_ZASOBY", TARNIK_FIELD(&P::m_z_zasoby_));
  d.String(
      "M_Z_ZASOBY_nazev",
      [](P& p) { return CodeListName(p, "tb_ZJZ", std::to_string(p.m_z_zasoby_)); }, nullptr);
  d.Integer("Rok_zjisteni_zasoby", TARNIK_FIELD(&P::rok_zjisteni_));
  d.Integer("M_TEZ_PROC", TARNIK_FIELD(&P::m_tez_proc_));
  d.String("ODVOZ_TEZ", TARNIK_FIELD(&P::odvoz_tez_));
  d.Integer("MZD", TARNIK_FIELD(&P::mzd_));
  d.Integer(
      "MZDi", [](P& p) { return p.mzd_ == -1 ? 0 : p.mzd_; }, [](P& p, int32_t v) { p.mzd_ = v; });
  d.String(
      "MZDs", [](P& p) { return p.mzd_ == -1 ? std::string() : std::to_string(p.mzd_); },
      [](P& p, const std::string& text) {
        p.mzd_ = platform::Trim(text).empty() ? -1 : IntFromText(text);
      });
  d.String(
       "MZD_xml",
       [](P& p) {
         if (!p.MusiBytMZD()) return std::string();
         return p.mzd_ == -1 ? std::string("0") : std::to_string(p.mzd_);
       },
       [](P& p, const std::string& text) {
         p.mzd_ = platform::Trim(text).empty() ? -1 : IntFromText(text);
       })
      .NotStored();
  d.String("HOSP_TV", TARNIK_FIELD(&P::hosp_tv_));
  d.String(
      "HOSP_TV_nazev", [](P& p) { return CodeListName(p, "tb_tvar", p.hosp_tv_); }, nullptr);
  d.String("EKOL_HOD", TARNIK_FIELD(&P::ekol_hod_));
  d.String("STR_VRS", TARNIK_FIELD(&P::str_vrs_));
  d.String("STROMOVA_VRSTVA", TARNIK_FIELD(&P::str_vrs_)).NotStored();
  // Interventions: area, urgency and count; the XML forms of areas and urgencies.
  struct Intervention {
    const char* prefix;
    double P::*area;
    std::string P::*urgency;
  };
  for (Intervention i :
       {Intervention{"PRO", &P::pro_p_, &P::pro_nal_}, Intervention{"TV", &P::tv_p_, &P::tv_nal_},
        Intervention{"TO", &P::to_p_, &P::to_nal_},
        Intervention{"TVYB", &P::tvyb_p_, &P::tvyb_nal_}}) {
    const std::string prefix = i.prefix;
    const auto area = i.area;
    const auto urgency = i.urgency;
    const bool tvyb = prefix == "TVYB";
    d.Float((prefix + "_P").c_str(), [area](P& p) { return p.*area; },
            [area](P& p, double v) { p.*area = v; });
    d.String((prefix + "_P_XML").c_str(),
             [area, tvyb](P& p) { return tvyb ? Fixed2Dot(p.*area) : Area2Xml(p.*area); },
             text_to_area(area));
    d.String((prefix + "_NAL").c_str(), [urgency](P& p) { return p.*urgency; },
             [urgency](P& p, const std::string& v) { p.*urgency = v; });
    d.String((prefix + "_NAL_XML").c_str(), [urgency](P& p) { return UrgencyXml(p.*urgency); },
             [urgency](P& p, const std::string& v) { p.*urgency = v; });
    d.String((prefix + "_NAL_nazev").c_str(),
             [urgency](P& p) { return CodeListName(p, "tb_nal", p.*urgency); }, nullptr);
  }
  d.Integer("PRO_POC", TARNIK_FIELD(&P::pro_poc_));
  d.Integer("TV_POC", TARNIK_FIELD(&P::tv_poc_));
  d.Integer(
      "PRO_NALi", [](P& p) { return UrgencyInt(p.pro_nal_); }, nullptr);
  d.Integer(
      "TV_NALi", [](P& p) { return UrgencyInt(p.tv_nal_); }, nullptr);
  d.String("TO_DUVOD", TARNIK_FIELD(&P::to_duvod_));
  d.String("TO_ZPUSOB", TARNIK_FIELD(&P::to_zpusob_));
  d.String(
      "TO_DUVOD_nazev", [](P& p) { return CodeListName(p, "tb_Duv_tezb", p.to_duvod_); }, nullptr);
  d.String(
      "TO_ZPUSOB_nazev", [](P& p) { return CodeListName(p, "TB_Zp_TEZBY", p.to_zpusob_); },
      nullptr);
  d.Float("TBH_P", TARNIK_FIELD(&P::tbh_p_));
  d.Integer("ProcentoTBH", TARNIK_FIELD(&P::procento_tbh_));
  d.Boolean("PRO_PMenit", TARNIK_FIELD(&P::pro_p_menit_));
  d.Boolean("TV_PMenit", TARNIK_FIELD(&P::tv_p_menit_));
  d.Boolean("TO_PMenit", TARNIK_FIELD(&P::to_p_menit_));
  d.Boolean("PlochaZalesneniMenit", TARNIK_FIELD(&P::plocha_zal_menit_));
  // Afforestation of the layer.
  d.String("ZAL_DRUH", &P::ZAL_DRUH, &P::SetZAL_DRUH);
  d.String("ZAL_DRUH_ETAZ", &P::ZAL_DRUH, nullptr);
  d.String(
      "ZAL_DRUH_nazev", [](P& p) { return CodeListName(p, "tb_Druh_Zal", p.ZAL_DRUH()); }, nullptr);
  d.Float("ZAL_P", &P::ZAL_P, &P::SetZAL_P).NotStored();
  d.Float("ZAL_P_ETAZ", &P::ZAL_P, &P::SetZAL_P).NotStored();
  d.Float("ZAL_P_MERK", &P::ZAL_P_MERK, &P::SetZAL_P_MERK);
  // The XML forms: an empty kind for "-", an empty area for 0. The area read from a file is the
  // layer's own afforestation area, which the rows read after it are completed from.
  d.String(
      "ZAL_DRUH_xml",
      [](P& p) {
        const std::string kind = p.ZAL_DRUH();
        return kind == "-" ? std::string() : kind;
      },
      &P::SetZAL_DRUH);
  d.String(
      "ZAL_P_xml", [](P& p) { return AfforestationAreaXml(p.ZAL_P()); },
      [](P& p, const std::string& text) { p.SetZAL_P_MERK(DecimalFromText(text)); });
  d.Integer("ZP_TEZ_ST", TARNIK_FIELD(&P::zp_tez_st_));
  d.Integer("TER_TYP_ST", TARNIK_FIELD(&P::ter_typ_st_));
  d.Integer("NALEH_ST", TARNIK_FIELD(&P::naleh_st_));
  d.Float("Podil_TO_P", TARNIK_FIELD(&P::podil_to_p_));
  d.String("ChybaHSDlePhs", TARNIK_FIELD(&P::chyba_hs_));
  // Sums over the species (published values, so the bark option applies).
  struct Sum {
    const char* name;
    const char* species_property;
  };
  for (Sum s : {Sum{"Etaz_ZAS_CELK", "DR_ZAS_CEL"}, Sum{"Etaz_ZAS_HA", "DR_ZAS_HA"},
                Sum{"Etaz_OBJ_SOUS", "OBJ_SOUS"}, Sum{"EtazN_ObjemHaTV", "N_ObjemHaTV"},
                Sum{"Etaz_TV", "DR_TV"}, Sum{"Etaz_TO", "DR_TO"}, Sum{"ZastoupeniDrevin", "ZAST"},
                Sum{"EtazZAS_CELzeZASTaZAKM", "DR_ZAS_CELzeZASTaZAKM"}}) {
    const char* property = s.species_property;
    d.Integer(
        s.name, [property](P& p) { return p.SumaDrevin(property); }, nullptr);
  }
  d.Integer(
      "ZastoupeniDrevinZal", [](P& p) { return p.ZalesneniMN()->ProcentoZalesneni(); }, nullptr);
  d.Float(
      "RedukovanaPlochaT0", [](P& p) { return p.RedukovanaPlocha(false); }, nullptr);
  d.Float(
      "RedukovanaPlochaEtDleZasoby", [](P& p) { return p.RedukovanaPlocha(true); }, nullptr);
  d.Float("PocitaneZakmeneniFlo", &P::PocitaneZakmeneniFlo, nullptr);
  d.Integer(
      "PocitaneZakmeneniInt",
      [](P& p) { return static_cast<int32_t>(RoundHalfEven(p.PocitaneZakmeneniFlo())); }, nullptr);
  d.Integer("NejmensiTabulkovaZasoba", &P::NejmensiTabulkovaZasoba, nullptr);
  d.Integer("PROC_HS", &P::PROC_HS, nullptr);
  d.Integer("ProcentoTODleObmObn", &P::PROC_HS, nullptr);
  d.Boolean("MusiBytMZD", &P::MusiBytMZD, nullptr);
  d.Boolean("MusiBytDTO", &P::MusiBytDTO, nullptr);
  d.Integer("MZDzeZales", &P::MZDzeZales, nullptr);
  d.Integer("MZDDleHS", &P::MZDDleHS, nullptr);
  d.Integer("DruhVykonu", &P::DruhVykonu, nullptr);
  d.Integer("IEtaze", &P::IEtaze, nullptr);
  d.String("DrevinaSMaxZast", &P::DrevinaSMaxZast, nullptr);
  d.Integer(
      "PocetPoskozeniVEtazi",
      [](P& p) {
        int32_t count = 0;
        for (TDrevina* species : SpeciesOf(p)) count += species->PoskozeniMN()->PocetPrvku();
        return count;
      },
      nullptr);
  d.String("CeleOznaceni", &P::CeleOznaceni, nullptr);
  d.Object(
      "DrevinaMN", TDrevinaMN::StaticClass(), [](P& p) -> TElement* { return p.DrevinaMN(); },
      nullptr);
  d.Object(
      "ZalesneniMN", TZalesneniMN::StaticClass(), [](P& p) -> TElement* { return p.ZalesneniMN(); },
      nullptr);
  d.Object(
      "TRadekLHEvidenceMN", TRadekLHEvidenceMN::StaticClass(),
      [](P& p) -> TElement* { return p.RadekLHEvidenceMN(); }, nullptr);
  d.Object(
      "SmazanyDrevinaMN", TDrevinaMN::StaticClass(),
      [](P& p) -> TElement* { return p.SmazanyDrevinaMN(); }, nullptr);
  d.Object(
      "SmazanyZalesneniMN", TZalesneniMN::StaticClass(),
      [](P& p) -> TElement* { return p.SmazanyZalesneniMN(); }, nullptr);
  d.Object(
      "Drevina", TDrevina::StaticClass(), [](P& p) { return p.DrevinaMN()->AktualniPrvek(); },
      nullptr);
  d.Object(
      "Zalesneni", TZalesneni::StaticClass(), [](P& p) { return p.ZalesneniMN()->AktualniPrvek(); },
      nullptr);
  DefineLayerEditProperties(out);
  DefineLayerReportProperties(out);
  DerivedFormsNotStored(out);
}

TEtazMN::TEtazMN() : TLesniMnozina(TEtaz::StaticClass(), "ETAZ") {}

void TEtazMN::SetNovyPrvek(const std::string& key) {
  TLesniMnozina::SetNovyPrvek(ShortCodeRule(key));
}

void TEtazMN::SetJmenoAktualnihoPrvku(const std::string& key) {
  TLesniMnozina::SetJmenoAktualnihoPrvku(ShortCodeRule(key));
}

void TEtazMN::Define(std::vector<framework::TPropInfo>& out) {
  using P = TEtazMN;
  framework::TPropDefs<P> d(out);
  d.Object(
      "Etaz", TEtaz::StaticClass(), [](P& s) { return s.AktualniPrvek(); },
      [](P& s, framework::TElement* e) { s.SetAktualniPrvek(e); });
}

}  // namespace tarnik::plan
