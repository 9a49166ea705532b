#include "forest/layers/species_values.h"

#include <cmath>
#include <string>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/owner_names.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "platform/checked_math.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using P = TDrevina;

// Products of stored values may leave the integer range (or be infinite): they stick at its ends.
int32_t Rounded(double value) { return platform::RoundToInt32(value); }

int32_t LayerInt(P& p, const char* property) { return IntProperty(p.OwnerEtaz(), property); }

double GroupArea(P& p) {
  TEtaz* layer = p.OwnerEtaz();
  return layer ? FloatProperty(layer->Skupina(), "Plocha") : 0.0;
}

// Stocking (tenths) and share (per cent) as one factor.
double StockingShare(P& p) { return LayerInt(p, "ZAKM") / 10.0 * p.ZAST() / 100.0; }

GrowthValues Growth(P& p) {
  tciselnik* lists = p.Ciselnik();
  if (!lists) return {};
  return lists->RustovaTabulka(p.DR_ZKR(), LayerInt(p, "VEK"), LayerInt(p, "OBMYTI"),
                               IntProperty(&p, "BON_A"), forest::Flags().odkorneno);
}

double MerchantableStemVolume(P& p) {
  return StemVolume(p.DR_KOD(), IntProperty(&p, "TLOUSTKA"), IntProperty(&p, "VYSKA"));
}

int32_t Stored(P& p, TDrevina::Volume which) { return p.StoredVolume(which); }

// A percentage of a stored volume, rounded; the product is taken in floating point.
int32_t PercentOf(int32_t volume, int32_t percent) {
  return Rounded(static_cast<double>(volume) * percent / 100.0);
}

// The damages' texts joined with CR LF.
std::string DamageTexts(P& p, const char* property) {
  std::vector<std::string> lines;
  for (framework::TElement* damage : p.PoskozeniMN()->Prvky())
    lines.push_back(damage->GetPropertyText(property));
  return platform::Join(lines, "\r\n");
}

// The part of the origin-area text before its first blank or hyphen.
std::string OriginAbbreviation(const std::string& text) {
  const std::string trimmed = platform::Trim(text);
  const size_t end = trimmed.find_first_of(" -");
  return end == std::string::npos ? trimmed : trimmed.substr(0, end);
}

// The entry marks as enumerations: the digit of the mark ("0" … "9"), 0 for anything else.
const std::vector<std::string> kEntryMarks = {"zz0", "zz1", "zz2", "zz3", "zz4",
                                              "zz5", "zz6", "zz7", "zz8", "zz9"};
int EntryMark(const std::string& text) {
  const std::string t = platform::Trim(text);
  return t.size() == 1 && t[0] >= '0' && t[0] <= '9' ? t[0] - '0' : 0;
}

}  // namespace

int32_t ProcentoTVDlePravidel(TDrevina& species) {
  TCiselKelva* kelva = CiselKelvaOf(species);
  if (!kelva) return 0;
  const int32_t age = LayerInt(species, "VEK");
  if (age < 6 || age > 100) return 0;
  const int column = (age - 6) / 5 + 1;
  const std::string code = platform::Trim(species.DR_ZKR());
  for (framework::TElement* rule : kelva->ProbirkaPhsMN()->Prvky()) {
    if (platform::Trim(rule->GetPropertyText("Drevina")) != code) continue;
    return rule->GetPropertyInteger("ProcTV" + std::to_string(column));
  }
  return 0;
}

void DefineSpeciesValueProperties(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<P> d(out);
  // Growth-table values and their stand values.
  d.Float(
      "BeznyPrirTab", [](P& p) { return Growth(p).bezny_prir; }, nullptr);
  d.Integer(
      "PMPTab", [](P& p) { return Growth(p).pmp; }, nullptr);
  d.Integer(
      "CPPTab", [](P& p) { return Growth(p).cpp; }, nullptr);
  const auto bezny_skut = [](P& p) {
    return Round2HalfEven(Growth(p).bezny_prir * StockingShare(p));
  };
  d.Float("BeznyPrirSkut", bezny_skut, nullptr);
  const auto pmp_skut = [](P& p) { return Rounded(Growth(p).pmp * StockingShare(p)); };
  const auto cpp_skut = [](P& p) { return Rounded(Growth(p).cpp * StockingShare(p)); };
  d.Integer("PMPSkut", pmp_skut, nullptr);
  d.Integer("DR_PMP", pmp_skut, nullptr);
  d.Integer("CPPSkut", cpp_skut, nullptr);
  d.Integer("DR_CPP", cpp_skut, nullptr);
  d.Integer(
      "DR_CBP", [bezny_skut](P& p) { return Rounded(bezny_skut(p) * GroupArea(p)); }, nullptr);

  // The tabular volume and what is computed from it.
  d.Float(
      "HMOT_vratTab", [](P& p) { return MerchantableStemVolume(p); }, nullptr);
  d.Integer(
      "VypoctenaTabulkovaZasoba", [](P& p) { return Stored(p, TDrevina::kZasTabHa); }, nullptr);
  const auto zas_ha = [](P& p) {
    return Rounded(StockingShare(p) * Stored(p, TDrevina::kZasTabHa));
  };
  d.Integer("VypoctenaDR_ZAS_HAzTabulek", zas_ha, nullptr);
  const auto zas_cel = [zas_ha](P& p) { return Rounded(zas_ha(p) * GroupArea(p)); };
  d.Integer("VypoctenaDR_ZAS_CELzTabulek", zas_cel, nullptr);
  d.Integer(
      "KontrolniDR_ZAS_HA",
      [zas_ha](P& p) {
        return platform::ClampToInt32(int64_t{Stored(p, TDrevina::kZasHa)} - zas_ha(p));
      },
      nullptr);
  d.Integer(
      "KontrolniDR_ZAS_CEL",
      [zas_cel](P& p) {
        return platform::ClampToInt32(int64_t{Stored(p, TDrevina::kZasCel)} - zas_cel(p));
      },
      nullptr);
  d.Float(
      "VYCETNI_ZAKLADNATabul",
      [](P& p) {
        const double merchantable = MerchantableStemVolume(p);
        if (merchantable <= 0.0001) return 0.0;
        const double d_cm = IntProperty(&p, "TLOUSTKA");
        return Stored(p, TDrevina::kZasTabHa) / merchantable * d_cm * d_cm / 40000.0 * 3.14159;
      },
      nullptr);

  // Thinning and felling recomputed from the unit's thinning rules and the regeneration
  // percentage; the check of the entered thinning percentage.
  d.Integer("SpocteneN_ProcentoTV", &ProcentoTVDlePravidel, nullptr);
  d.Integer(
      "SpocteneN_ObjemHaTV",
      [](P& p) { return PercentOf(Stored(p, TDrevina::kZasHa), ProcentoTVDlePravidel(p)); },
      nullptr);
  d.Integer(
      "SpocteneDR_TV",
      [](P& p) { return PercentOf(Stored(p, TDrevina::kZasCel), ProcentoTVDlePravidel(p)); },
      nullptr);
  d.Integer(
      "KontrolniN_ObjemHaTV",
      [](P& p) { return PercentOf(Stored(p, TDrevina::kZasHa), IntProperty(&p, "N_ProcentoTV")); },
      nullptr);
  d.Integer(
      "SpocteneDR_TO",
      [](P& p) { return PercentOf(Stored(p, TDrevina::kZasCel), LayerInt(p, "PROC_HS")); },
      nullptr);
  // The thinning is taken over the whole diameter range: the thinned trees have the mean
  // diameter of the species whenever there is a thinning.
  d.Integer(
      "PrumerTloustTV",
      [](P& p) { return IntProperty(&p, "N_ProcentoTV") > 0 ? IntProperty(&p, "TLOUSTKA") : 0; },
      nullptr);
  d.Integer(
      "PrumerTloustTVzeSpoctenehoProcentaTV",
      [](P& p) { return ProcentoTVDlePravidel(p) > 0 ? IntProperty(&p, "TLOUSTKA") : 0; }, nullptr);

  // Checks and factors.
  d.Float(
      "RedukovanaPlocha", [](P& p) { return p.RedukovanaPlochaDrDleZasoby(); }, nullptr);
  d.Float(
      "ZastoupenizRedukPl",
      [](P& p) {
        TEtaz* layer = p.OwnerEtaz();
        const double layer_area = layer ? layer->ETAZ_PP() : 0.0;
        return layer_area > 0.0001
                   ? Round2HalfEven(p.RedukovanaPlochaDrDleZasoby() / layer_area * 100)
                   : 0.0;
      },
      nullptr);
  d.Float(
      "StihlKoef",
      [](P& p) {
        const int32_t diameter = IntProperty(&p, "TLOUSTKA");
        return diameter > 0 ? Round2HalfEven(100.0 * IntProperty(&p, "VYSKA") / diameter) : 0.0;
      },
      nullptr);
  d.Boolean(
      "VyskaAVekVPoradku",
      [](P& p) {
        const int32_t height = IntProperty(&p, "VYSKA");
        const int32_t age = LayerInt(p, "VEK");
        // A height needs an age, and a tree grows at most about a metre a year.
        return height >= 0 && height <= 60 && (height == 0 || (age > 0 && height - 1 <= age));
      },
      nullptr);
  d.Boolean(
      "MamodrouBarvuVProbirkach", [](P&) { return false; }, nullptr);

  // Names and marks.
  d.String(
      "Zkratka_nebo_Nazev_nemecky",
      [](P& p) {
        const std::string abbreviation = platform::Trim(
            CodeListName(p, "tb_DrevCis", platform::Trim(p.DR_ZKR()), "KOD_NEM", "CKOD"));
        if (!abbreviation.empty() && abbreviation[0] != '*') return abbreviation;
        return CodeListName(p, "tb_DrevCis", platform::Trim(p.DR_ZKR()), "POP_NEMEC", "CKOD");
      },
      nullptr);
  d.String(
      "GEN_PUVOD_OBLAST_ZKR",
      [](P& p) { return OriginAbbreviation(p.GetPropertyText("GEN_PUVOD_OBLAST")); }, nullptr);
  d.Enum<int>(
       "ZpZadZasT", "TZpusobZadani", kEntryMarks,
       [](P& p) { return EntryMark(p.GetPropertyText("ZPZADZAS")); },
       [](P& p, int v) { p.SetPropertyText("ZPZADZAS", std::to_string(v)); })
      .NotStored();
  d.Enum<int>(
       "ZpZadTVT", "TZpusobZadani", kEntryMarks,
       [](P& p) { return EntryMark(p.GetPropertyText("ZpZadTV")); },
       [](P& p, int v) { p.SetPropertyText("ZpZadTV", std::to_string(v)); })
      .NotStored();
  d.String(
      "Poskozeni_Slovne_Prelamane", [](P& p) { return DamageTexts(p, "POSKOZ_Slovne"); }, nullptr);
  d.String(
      "Poskozeni_Ciselne_Prelamane", [](P& p) { return DamageTexts(p, "POSKOZ_ciselne"); },
      nullptr);
}

}  // namespace tarnik::plan
