#include "forest/layers/afforestation.h"

#include <cmath>

#include "forest/codelists/species.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/mzd_list.h"
#include "forest/layers/mzd_table.h"
#include "platform/text.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TZalesneni, TLayerElementBase, &TZalesneni::Define)
TARNIK_DEFINE_CLASS(TZalesneniMN, TLesniMnozina, &TZalesneniMN::Define)

TZalesneni::TZalesneni() { MarkAsNew(*this); }

std::string TZalesneni::ZAL_DR() const { return platform::Trim(zal_dr_); }

void TZalesneni::SetZAL_DR(const std::string& code) {
  zal_dr_ = SpeciesCodeRule(code);
  RenameToKey(*this, "ZAL", zal_dr_);
}

bool TZalesneni::Jehlicnaty() const { return IsConiferous(zal_dr_); }

TEtaz* TZalesneni::OwnerEtaz() { return VlastnikTridy<TEtaz>(); }

bool TZalesneni::ZAL_DRjeMelioracni() {
  TEtaz* layer = OwnerEtaz();
  if (!layer) return false;
  const std::string lt = TextProperty(layer->Skupina(), "LT");
  if (const TMZDHospSoubMN* list = SeznamMZD(*this)) {
    const MzdListMatch match = NajdiVSeznamuMZD(*list, IntProperty(layer, "HS"), lt);
    if (match.found) {
      const std::string species = platform::Trim(zal_dr_);
      for (const std::string& code : match.species)
        if (code == species) return true;
      return false;
    }
  }
  return JeMZDDrevina(zal_dr_, lt, layer->DrevinaSMaxZast());
}

std::string TZalesneni::CeleOznaceni() {
  TEtaz* layer = OwnerEtaz();
  return (layer ? layer->CeleOznaceni() : std::string()) + " Zales: " + ZAL_DR();
}

void TZalesneni::DoplnPoNacteni() {
  TEtaz* layer = OwnerEtaz();
  if (!layer) return;
  const double merk = layer->ZAL_P_MERK();
  if (zal_p_ < 0.0001) zal_p_ = RoundHalfEven(merk * zal_dr_p_ - 0.00001) / 100.0;
  zal_druh_ = layer->ZAL_DRUH();
  TZalesneniMN* rows = layer->ZalesneniMN();
  if (rows->ProcentoZalesneni() != 100) return;
  const double difference = merk - rows->PlochaZalesneni();
  if (difference == 0) return;
  TZalesneni* largest = nullptr;
  for (TZalesneni* row : rows->Rows())
    if (!largest || row->zal_p_ > largest->zal_p_) largest = row;
  largest->zal_p_ += difference;
  largest->SetBylEditovan(true);
}

void TZalesneni::Define(std::vector<framework::TPropInfo>& out) {
  using P = TZalesneni;
  framework::TPropDefs<P> d(out);
  d.String("ZAL_DR", &P::ZAL_DR, &P::SetZAL_DR);
  d.String("ZAL_DRUH", TARNIK_FIELD(&P::zal_druh_));
  d.Float("ZAL_P", TARNIK_FIELD(&P::zal_p_));
  d.String(
      "ZAL_P_st", [](P& p) { return Area6Display(p.zal_p_); },
      [](P& p, const std::string& text) { p.zal_p_ = DecimalFromText(text); });
  d.Integer("ZAL_DR_P", TARNIK_FIELD(&P::zal_dr_p_));
  d.Integer("ZpZadZal", TARNIK_FIELD(&P::zp_zad_zal_));
  d.Boolean("Jehlicnaty", &P::Jehlicnaty, nullptr);
  d.Boolean("Jehlicnaty_ZAL", &P::Jehlicnaty, nullptr);
  d.Boolean("ZAL_DRjeMelioracni", &P::ZAL_DRjeMelioracni, nullptr);
  d.Boolean(
      "ZAL_DRvPoradku",
      [](P& p) { return CodeListHas(p, "tb_DrevCis", platform::Trim(p.zal_dr_), "CKOD"); },
      nullptr);
  d.String(
      "ZAL_DR_zkratka_nebo_nazev_nemecky",
      [](P& p) {
        const std::string german =
            CodeListName(p, "tb_DrevCis", platform::Trim(p.zal_dr_), "KOD_NEM", "CKOD");
        const std::string trimmed = platform::Trim(german);
        return trimmed.empty() || trimmed[0] == '*' ? p.ZAL_DR() : trimmed;
      },
      nullptr);
  d.String("CeleOznaceni", &P::CeleOznaceni, nullptr);
  DerivedFormsNotStored(out);
}

TZalesneniMN::TZalesneniMN() : TLesniMnozina(TZalesneni::StaticClass(), "ZAL") {}

std::vector<TZalesneni*> TZalesneniMN::Rows() const {
  std::vector<TZalesneni*> rows;
  for (framework::TElement* element : Prvky()) rows.push_back(static_cast<TZalesneni*>(element));
  return rows;
}

double TZalesneniMN::PlochaZalesneni() const {
  double sum = 0;
  for (TZalesneni* row : Rows()) sum += row->ZAL_P();
  return sum;
}

void TZalesneniMN::SetPlochaZalesneni(double area) {
  const std::vector<TZalesneni*> rows = Rows();
  if (rows.empty()) return;
  std::vector<int32_t> shares;
  for (TZalesneni* row : rows) shares.push_back(row->ZAL_DR_P());
  const std::vector<double> areas = SpreadAfforestation(area, shares);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (std::fabs(rows[i]->ZAL_P() - areas[i]) > 0.001) rows[i]->SetBylEditovan(true);
    rows[i]->SetZAL_P(areas[i]);
  }
}

int32_t TZalesneniMN::ProcentoZalesneni() const {
  double sum = 0;
  for (TZalesneni* row : Rows()) sum += row->ZAL_DR_P();
  return static_cast<int32_t>(RoundHalfEven(sum));
}

double TZalesneniMN::Plocha(bool conifers) const {
  double sum = 0;
  for (TZalesneni* row : Rows())
    if (row->Jehlicnaty() == conifers) sum += row->ZAL_P();
  return sum;
}

void TZalesneniMN::OdstranPrazdna() {
  for (TZalesneni* row : Rows())
    if (platform::RemoveBlanks(row->ZAL_DR()).empty()) FreeElement(row);
}

void TZalesneniMN::Define(std::vector<framework::TPropInfo>& out) {
  using P = TZalesneniMN;
  framework::TPropDefs<P> d(out);
  d.Object(
      "Zalesneni", TZalesneni::StaticClass(), [](P& s) { return s.AktualniPrvek(); },
      [](P& s, framework::TElement* e) { s.SetAktualniPrvek(e); });
  d.Float("PlochaZalesneni", &P::PlochaZalesneni, &P::SetPlochaZalesneni);
  d.Integer("ProcentoZalesneni", &P::ProcentoZalesneni, nullptr);
  d.Float(
      "Pl_Listnata", [](P& s) { return s.Plocha(false); }, nullptr);
  d.Float(
      "Pl_Jehlicnata", [](P& s) { return s.Plocha(true); }, nullptr);
}

}  // namespace tarnik::plan
