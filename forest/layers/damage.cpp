#include "forest/layers/damage.h"

#include "forest/codelists/species.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/tree_species.h"
#include "platform/checked_math.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TPoskozeni, TLayerElementBase, &TPoskozeni::Define)
TARNIK_DEFINE_CLASS(TPoskozeniMN, TLesniMnozina, nullptr)

TPoskozeni::TPoskozeni() { MarkAsNew(*this); }

void TPoskozeni::SetPOSKOZ_D(int32_t kind) {
  poskoz_d_ = kind;
  RenameToKey(*this, "POSK", std::to_string(kind));
}

int32_t TPoskozeni::POSKOZ_R10() const {
  const long tenths = RoundHalfEven(poskoz_r_ / 10.0);
  return tenths == 0 ? 1 : static_cast<int32_t>(tenths);
}

std::string TPoskozeni::CeleOznaceni() {
  auto* species = VlastnikTridy<TDrevina>();
  return TextProperty(species, "CeleOznaceni") + " Posk: " + std::to_string(poskoz_d_);
}

void TPoskozeni::Define(std::vector<framework::TPropInfo>& out) {
  using P = TPoskozeni;
  framework::TPropDefs<P> d(out);
  d.Integer(
      "POSKOZ_D", [](P& p) { return p.poskoz_d_; }, &P::SetPOSKOZ_D);
  d.String(
      "POSKOZ_D_xml",
      [](P& p) { return p.poskoz_d_ == 0 ? std::string() : std::to_string(p.poskoz_d_); },
      [](P& p, const std::string& text) { p.SetPOSKOZ_D(IntFromText(text)); });
  d.Integer("POSKOZ_R", TARNIK_FIELD(&P::poskoz_r_));
  d.Integer("POSKOZ_R10", &P::POSKOZ_R10,
            [](P& p, int32_t v) { p.poskoz_r_ = platform::ClampToInt32(int64_t{v} * 10); });
  d.String(
      "POSKOZ_R_xml",
      [](P& p) { return p.poskoz_r_ == 0 ? std::string() : std::to_string(p.POSKOZ_R10()); },
      [](P& p, const std::string& text) {
        p.poskoz_r_ = platform::ClampToInt32(int64_t{IntFromText(text)} * 10);
      });
  d.Integer("POSKOZ_ST", TARNIK_FIELD(&P::poskoz_st_));
  d.String(
      "POSKOZ_D_nazev",
      [](P& p) { return CodeListName(p, "tb_posk", std::to_string(p.poskoz_d_)); }, nullptr);
  d.String("POSKOZ_Slovne", TARNIK_FIELD(&P::slovne_));
  d.String("POSKOZ_ciselne", TARNIK_FIELD(&P::ciselne_));
  d.String("CeleOznaceni", &P::CeleOznaceni, nullptr);
  DerivedFormsNotStored(out);
}

TPoskozeniMN::TPoskozeniMN() : TLesniMnozina(TPoskozeni::StaticClass(), "POSK") {}

}  // namespace tarnik::plan
