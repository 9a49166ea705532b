#include "forest/layers/land.h"

#include "forest/hierarchy/dominant.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/areal_properties.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/owner_names.h"
#include "forest/layers/parcel_part.h"
#include "framework/class_register.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TLesniPlosnyNeporostniPrvek, TLesniPlosnyPrvek,
                    &TLesniPlosnyNeporostniPrvek::Define)
TARNIK_DEFINE_CLASS(TBezlesi, TLesniPlosnyNeporostniPrvek, &TBezlesi::Define)
TARNIK_DEFINE_CLASS(TJinyPozemek, TLesniPlosnyNeporostniPrvek, &TJinyPozemek::Define)
TARNIK_DEFINE_CLASS(TOstatni, TLesniPlosnyNeporostniPrvek, &TOstatni::Define)
TARNIK_DEFINE_CLASS(TBezlesiMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TJinyPozemekMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TOstatniMN, TLesniMnozina, nullptr)

TLesniPlosnyNeporostniPrvek::TLesniPlosnyNeporostniPrvek() = default;

void TLesniPlosnyNeporostniPrvek::SetCislo(int32_t number) {
  cislo_ = number;
  RenameToKey(*this, Predpona(), std::to_string(number));
}

TObecnyLesniPrvek* TLesniPlosnyNeporostniPrvek::Porost() {
  return HolderAboveSet(*this, TLesniMnozina::StaticClass());
}

int32_t TLesniPlosnyNeporostniPrvek::MAJ_KOD() { return IntProperty(Porost(), "MAJ_KOD"); }
int32_t TLesniPlosnyNeporostniPrvek::MAJ_DRUH() { return IntProperty(Porost(), "MAJ_DRUH"); }

std::string TLesniPlosnyNeporostniPrvek::MAJ_NAZ() {
  return JmenoVlastnika(*this, MAJ_DRUH(), MAJ_KOD());
}

void TLesniPlosnyNeporostniPrvek::SetVLASTNIK(const std::string& text) {
  if (text.size() != 6) {
    platform::ui().ShowMessage(
        "U prvku " + GetName() + " není vlastník \"" + text + "\" šestimístný.",
        platform::Severity::kPassedOver);
    return;
  }
  maj_druh_puv_ = IntFromText(text.substr(0, 1));
  maj_kod_puv_ = IntFromText(text.substr(1));
}

std::string TLesniPlosnyNeporostniPrvek::SLT_XML() {
  const std::string own = SLT();
  if (!platform::Trim(own).empty()) return own;
  TObecnyLesniPrvek* stand = Porost();
  if (!stand) return "";
  const std::string of_stand = DominantSLT(*stand);
  if (!of_stand.empty()) return of_stand;
  const framework::TClassInfo* compartment_class = framework::FindElementClass("TOddeleni");
  auto* compartment = compartment_class
                          ? dynamic_cast<framework::TEntity*>(VlastnikTridy(*compartment_class))
                          : nullptr;
  return compartment ? DominantSLT(*compartment) : std::string();
}

std::string TLesniPlosnyNeporostniPrvek::CeleOznaceni() {
  TObecnyLesniPrvek* stand = Porost();
  return TextProperty(stand, "CeleOznaceniKratce") + Popisek() + std::to_string(cislo_);
}

TCastParcelyMN* TLesniPlosnyNeporostniPrvek::CastParcelyMN() {
  return OwnChildSet<TCastParcelyMN>(*this, casti_parcel_, "CastParcelyMN");
}

void TLesniPlosnyNeporostniPrvek::Define(std::vector<framework::TPropInfo>& out) {
  using P = TLesniPlosnyNeporostniPrvek;
  framework::TPropDefs<P> d(out);
  d.String("VYUZITI", TARNIK_FIELD(&P::druh_));
  d.String("INV_CIS", TARNIK_FIELD(&P::inv_cis_));
  d.Integer("MAJ_KOD_PUV", TARNIK_FIELD(&P::maj_kod_puv_));
  d.Integer("MAJ_DRUH_PUV", TARNIK_FIELD(&P::maj_druh_puv_));
  d.Integer("MAJ_KOD", &P::MAJ_KOD, nullptr);
  d.Integer("MAJ_DRUH", &P::MAJ_DRUH, nullptr);
  d.String("MAJ_NAZ", &P::MAJ_NAZ, nullptr);
  d.String(
      "VLASTNIK", [](P& p) { return TextProperty(p.Porost(), "VLASTNIK"); }, &P::SetVLASTNIK);
  d.String(
      "Ozn", [](P& p) { return std::to_string(p.cislo_); }, nullptr);
  d.String("CeleOznaceni", &P::CeleOznaceni, nullptr);
  d.Object(
      "CastParcelyMN", TCastParcelyMN::StaticClass(),
      [](P& p) -> framework::TElement* { return p.CastParcelyMN(); }, nullptr);
  DefineArealCodeProperties(out);
}

template <class P>
void TLesniPlosnyNeporostniPrvek::DefineKind(std::vector<framework::TPropInfo>& out,
                                             const std::string& key, const std::string& suffix,
                                             const std::string& kind_property,
                                             const std::string& kind_list) {
  framework::TPropDefs<P> d(out);
  const auto name = [](const std::string& a, const std::string& b) { return (a + b); };
  d.Integer(
      key.c_str(), [](P& p) { return p.cislo_; }, &P::SetCislo);
  d.Float(name(key, "_P").c_str(), &P::Plocha, &P::SetPlocha);
  d.Float(name(key, "_P0").c_str(), &P::Plocha0, &P::SetPlocha0);
  d.Float(name(key, "_V").c_str(), &P::Vymera, &P::SetVymera);
  d.String(
      name(key, "_P_XML").c_str(), [](P& p) { return Area2Xml(p.StoredArea()); },
      [](P& p, const std::string& t) { p.SetPlocha(DecimalFromText(t)); });
  d.String(
      name(key, "_P0_XML").c_str(),
      [](P& p) { return platform::FloatToFixedDot(Round2HalfEven(p.Plocha0()), 4); },
      [](P& p, const std::string& t) { p.SetPlocha0(DecimalFromText(t)); });
  d.String(
      name(key, "_V_XML").c_str(),
      [](P& p) { return platform::FloatToFixedDot(Round2HalfEven(p.Vymera()), 4); },
      [](P& p, const std::string& t) { p.SetVymera(DecimalFromText(t)); });
  d.String(
      name(key, "_P_st").c_str(), [](P& p) { return Area6Display(p.Plocha()); },
      [](P& p, const std::string& t) { p.SetPlocha(DecimalFromText(t)); });
  d.String(
      name(key, "_V_st").c_str(), [](P& p) { return Area6Display(p.Vymera()); },
      [](P& p, const std::string& t) { p.SetVymera(DecimalFromText(t)); });
  d.String(kind_property.c_str(), TARNIK_FIELD(&P::druh_));
  d.String(
      name(kind_property, "_nazev").c_str(),
      [kind_list](P& p) { return CodeListName(p, kind_list, p.druh_); }, nullptr);
  d.Boolean(
      name(kind_property, "VPoradku").c_str(),
      [kind_list](P& p) {
        const std::string text =
            p.druh_.empty() ? std::string() : CodeListName(p, kind_list, p.druh_);
        return text.empty() || text[0] != '*';
      },
      nullptr);
  d.String(name(key, "_VYUZ").c_str(), TARNIK_FIELD(&P::vyuziti_));
  d.Integer(name("MAJ_KOD_", suffix).c_str(), &P::MAJ_KOD,
            [](P& p, int32_t v) { p.maj_kod_puv_ = v; });
  d.Integer(name("MAJ_DRUH_", suffix).c_str(), &P::MAJ_DRUH,
            [](P& p, int32_t v) { p.maj_druh_puv_ = v; });
  d.String(name("MAJ_NAZ_", suffix).c_str(), &P::MAJ_NAZ, nullptr);
  d.Integer(name("KU_KOD_", suffix).c_str(), &P::KU_KOD, &P::SetKU_KOD);
  d.String(name("NazevKatastru_", suffix).c_str(), &P::NazevKatastru, nullptr);
  d.String(name("KU_NAZ_", suffix).c_str(), &P::NazevKatastru, nullptr);
  d.Integer(name("LES_URAD_", suffix).c_str(), &P::LES_URAD, &P::SetLES_URAD);
  d.String(name("LES_URAD_", suffix + "_nazev").c_str(), &P::LES_URAD_Nazev, nullptr);
  d.Integer(name("KVAL_P_", suffix).c_str(), &P::KVAL_P, &P::SetKVAL_P);
  d.String(
      name("KVAL_P_", suffix + "_nazev").c_str(),
      [](P& p) { return p.NazevKodu("tb_Kval_P", p.KVAL_P()); }, nullptr);
  d.Integer(name(suffix, "_KVAL_Vypocet").c_str(), nullptr, [](P& p, int32_t v) {
    p.SetKVAL_P(v);
    p.PouzijKvalituPlochy();
  });
  d.Integer(name("POT_VLAST_", suffix).c_str(), TARNIK_FIELD(&P::pot_vlast_));
  d.Integer(name("KAT_PAR_KOD_", suffix).c_str(), TARNIK_FIELD(&P::pot_vlast_)).NotStored();
  d.String(name("SKUPPARC_", suffix).c_str(), TARNIK_FIELD(&P::skupparc_));
  d.String(name("INV_CIS_", suffix).c_str(), TARNIK_FIELD(&P::inv_cis_)).NotStored();
  DefinePlotCodeProperties(out, suffix);
}

void TBezlesi::Define(std::vector<framework::TPropInfo>& out) {
  using P = TBezlesi;
  DefineKind<P>(out, "BZL", "BZL", "BZL_DRUH", "TB_Cis_Bezl");
  framework::TPropDefs<P> d(out);
  d.String(
      "BZL_VYUZ1", [](P& p) { return p.vyuziti_; }, [](P&, const std::string&) {});
  d.String("BZL_MNG_REZIM", TARNIK_FIELD(&P::mng_rezim_));
  d.String("LT_BZL", &P::LT, &P::SetLT);
  d.String("PLT_BZL", TARNIK_FIELD(&P::plt_));
  d.String("SLT_BZL", &P::SLT_XML, &P::SetSLT);
  d.String("SLT_XML", &P::SLT_XML, &P::SetSLT);
  d.Integer("LVS_BZL", TARNIK_FIELD(&P::lvs_));
  DerivedFormsNotStored(out);
}

void TJinyPozemek::Define(std::vector<framework::TPropInfo>& out) {
  using P = TJinyPozemek;
  DefineKind<P>(out, "JP", "JP", "JP_DRUH", "TB_Cis_Jine");
  framework::TPropDefs<P> d(out);
  d.String("JP_PUPFL", TARNIK_FIELD(&P::pupfl_));
  d.String("JP_MNG_REZIM", TARNIK_FIELD(&P::mng_rezim_));
  d.String("DRUH_POZ", TARNIK_FIELD(&P::druh_poz_));
  d.String("DRUH_POZ_JP", TARNIK_FIELD(&P::druh_poz_)).NotStored();
  d.String(
      "DRUH_POZ_nazev", [](P& p) { return CodeListName(p, "tb_Druh_poz", p.druh_poz_); }, nullptr);
  d.String("SLT_XML", &P::SLT_XML, &P::SetSLT);
  d.Integer("LVS_JP", TARNIK_FIELD(&P::lvs_));
  DerivedFormsNotStored(out);
}

void TOstatni::Define(std::vector<framework::TPropInfo>& out) {
  using P = TOstatni;
  DefineKind<P>(out, "OST", "OST", "OP_DRUH", "TB_Cis_Ost");
  framework::TPropDefs<P> d(out);
  // The same values under the names of the XML element OP.
  d.Integer(
       "OP", [](P& p) { return p.cislo_; }, &P::SetCislo)
      .NotStored();
  d.Float("OP_P", &P::Plocha, &P::SetPlocha).NotStored();
  d.Float("OP_P0", &P::Plocha0, &P::SetPlocha0).NotStored();
  d.Float("OP_V", &P::Vymera, &P::SetVymera).NotStored();
  for (const char* form : {"_P_XML", "_P0_XML", "_V_XML"}) {
    const std::string twin = std::string("OST") + form;
    d.String((std::string("OP") + form).c_str(), [twin](P& p) { return p.GetPropertyText(twin); },
             [twin](P& p, const std::string& t) { p.SetPropertyText(twin, t); });
  }
  d.String("OP_VYUZ", TARNIK_FIELD(&P::vyuziti_)).NotStored();
  d.String("DRUH_POZ", TARNIK_FIELD(&P::druh_poz_));
  d.String("DRUH_POZ_OST", TARNIK_FIELD(&P::druh_poz_)).NotStored();
  DerivedFormsNotStored(out);
}

TBezlesiMN::TBezlesiMN() : TLesniMnozina(TBezlesi::StaticClass(), "BZL") {}
TJinyPozemekMN::TJinyPozemekMN() : TLesniMnozina(TJinyPozemek::StaticClass(), "JINE") {}
TOstatniMN::TOstatniMN() : TLesniMnozina(TOstatni::StaticClass(), "OST") {}

void SlucStejnePlochy(TLesniMnozina& plots) {
  size_t k = 0;
  while (true) {
    const std::vector<framework::TElement*> elements = plots.Prvky();
    if (k >= elements.size()) return;
    auto* target = dynamic_cast<TLesniPlosnyNeporostniPrvek*>(elements[k]);
    TLesniPlosnyNeporostniPrvek* same = nullptr;
    for (size_t i = k + 1; target && i < elements.size(); ++i) {
      auto* other = dynamic_cast<TLesniPlosnyNeporostniPrvek*>(elements[i]);
      if (other && other->Cislo() == target->Cislo() && other->KU_KOD() == target->KU_KOD())
        same = other;
    }
    if (!same) {
      ++k;
      continue;
    }
    target->SetPlocha(target->Plocha() + same->Plocha());
    target->SetPlocha0(target->Plocha0() + same->Plocha0());
    target->SetVymera(target->Vymera() + same->Vymera());
    plots.FreeElement(same);
  }
}

}  // namespace tarnik::plan
