#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/kelva_codes.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/mzd_list.h"
#include "forest/layers/species_values.h"
#include "forest/layers/tree_species.h"
#include "framework/framework_classes.h"
#include "platform/numtext.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

// A layer of a group of 2 ha under an LHC with the unit's code lists: spruce 60 % and beech
// 40 %, age 45, stocking 8, rotation 110.
class LayerValuesTest : public ::testing::Test {
 protected:
  LayerValuesTest() {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    RegisterLayerClasses();
    platform::SetDecimalSeparator('.');
    lhc_->AddElement(new tciselnik());
    kelva_ = new TCiselKelva();
    lhc_->AddElement(kelva_);
    lhc_->AddElement(group_);
    group_->SetPlocha(2.0);
    group_->SetPropertyText("LT", "1A");
    group_->EtazMN()->SetNovyPrvek("1");
    layer_ = static_cast<TEtaz*>(group_->EtazMN()->AktualniPrvek());
    layer_->SetETAZ("1");
    for (const char* text : {"VEK=45", "ZAKM=8", "OBMYTI=110", "ETAZ_PP=2"}) {
      const std::string t = text;
      layer_->SetPropertyText(t.substr(0, t.find('=')), t.substr(t.find('=') + 1));
    }
    spruce_ = AddSpecies("SM", 60);
    beech_ = AddSpecies("BK", 40);
  }
  ~LayerValuesTest() override { platform::SetDecimalSeparator(','); }
  TDrevina* AddSpecies(const std::string& code, int zast) {
    layer_->DrevinaMN()->SetNovyPrvek(code);
    auto* species = static_cast<TDrevina*>(layer_->DrevinaMN()->AktualniPrvek());
    species->SetDR_ZKR(code);
    species->SetZAST(zast);
    return species;
  }

  testing::ScopedProgramDir program_;
  std::unique_ptr<TLHC> lhc_ = std::make_unique<TLHC>();
  TCiselKelva* kelva_ = nullptr;
  TPorostniSkupina* group_ = new TPorostniSkupina();
  TEtaz* layer_ = nullptr;
  TDrevina* spruce_ = nullptr;
  TDrevina* beech_ = nullptr;
};

TEST_F(LayerValuesTest, GrowthValuesScaledByStockingAndShare) {
  spruce_->SetPropertyText("BON_A", "24");
  EXPECT_EQ(spruce_->GetPropertyText("PMPTab"), "5");
  // 5 × 8/10 × 60/100 = 2.4.
  EXPECT_EQ(spruce_->GetPropertyText("PMPSkut"), "2");
  EXPECT_EQ(spruce_->GetPropertyText("DR_PMP"), "2");
  const double increment = platform::DecimalTextToFloat(spruce_->GetPropertyText("BeznyPrirTab"));
  EXPECT_GT(increment, 0);
  EXPECT_NEAR(platform::DecimalTextToFloat(spruce_->GetPropertyText("BeznyPrirSkut")),
              increment * 0.48, 0.005);
}

TEST_F(LayerValuesTest, TabularVolumeAndItsChecks) {
  spruce_->SetPropertyText("ZAS_TAB_HA", "400");
  spruce_->SetPropertyText("DR_ZAS_HA", "200");
  spruce_->SetPropertyText("DR_ZAS_CEL", "400");
  EXPECT_EQ(spruce_->GetPropertyText("VypoctenaTabulkovaZasoba"), "400");
  EXPECT_EQ(spruce_->GetPropertyText("VypoctenaDR_ZAS_HAzTabulek"), "192");   // 400 × 0.8 × 0.6
  EXPECT_EQ(spruce_->GetPropertyText("VypoctenaDR_ZAS_CELzTabulek"), "384");  // × 2 ha
  EXPECT_EQ(spruce_->GetPropertyText("KontrolniDR_ZAS_HA"), "8");
  EXPECT_EQ(spruce_->GetPropertyText("KontrolniDR_ZAS_CEL"), "16");
  EXPECT_EQ(spruce_->GetPropertyText("VYCETNI_ZAKLADNATabul"), "0");  // no stem volume
  spruce_->SetPropertyText("TLOUSTKA", "30");
  spruce_->SetPropertyText("VYSKA", "25");
  // Spruce has the species code 1 (the padded key finds the code list's "SM").
  EXPECT_EQ(spruce_->DR_KOD(), 1);
  EXPECT_EQ(spruce_->GetPropertyText("DR_ZKRvPoradku"), "True");
  EXPECT_EQ(spruce_->GetPropertyText("HMOT_XML"), "0.84");
  // 400 m³ in stems of 0.83593 m³, each with the basal area of a 30 cm stem (0.070686 m²).
  EXPECT_NEAR(platform::DecimalTextToFloat(spruce_->GetPropertyText("HMOT_vratTab")), 0.83593,
              0.00001);
  EXPECT_NEAR(platform::DecimalTextToFloat(spruce_->GetPropertyText("VYCETNI_ZAKLADNATabul")),
              33.82, 0.01);
  EXPECT_EQ(spruce_->GetPropertyText("StihlKoef"), "83.33");
  EXPECT_EQ(spruce_->GetPropertyText("VyskaAVekVPoradku"), "True");
  spruce_->SetPropertyText("VYSKA", "70");
  EXPECT_EQ(spruce_->GetPropertyText("VyskaAVekVPoradku"), "False");
}

// Stored numbers may be anything: products beyond the integer range and differences of
// extreme volumes stick at the range's ends.
TEST_F(LayerValuesTest, ChecksOfExtremeStoredValuesStayInRange) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  spruce_->SetStoredVolume(TDrevina::kZasTabHa, 400);
  spruce_->SetStoredVolume(TDrevina::kZasHa, kMin);
  spruce_->SetStoredVolume(TDrevina::kZasCel, kMin);
  group_->SetPlocha(1e300);
  EXPECT_EQ(spruce_->GetPropertyText("VypoctenaDR_ZAS_HAzTabulek"), "192");
  EXPECT_EQ(spruce_->GetPropertyText("VypoctenaDR_ZAS_CELzTabulek"), "2147483647");
  EXPECT_EQ(spruce_->GetPropertyText("KontrolniDR_ZAS_HA"), "-2147483648");
  EXPECT_EQ(spruce_->GetPropertyText("KontrolniDR_ZAS_CEL"), "-2147483648");
  group_->SetPlocha(-1e300);
  EXPECT_EQ(spruce_->GetPropertyText("VypoctenaDR_ZAS_CELzTabulek"), "-2147483648");
  spruce_->SetPropertyText("BON_A", "24");
  EXPECT_EQ(spruce_->GetPropertyText("DR_CBP"), "-2147483648");
  layer_->SetPropertyText("VEK", "2147483647");
  spruce_->SetPropertyText("VYSKA", "30");
  EXPECT_EQ(spruce_->GetPropertyText("VyskaAVekVPoradku"), "True");
  spruce_->SetStoredVolume(TDrevina::kZasHa, 2147483647);
  spruce_->SetPropertyText("N_ProcentoTV", "100");
  EXPECT_EQ(spruce_->GetPropertyText("KontrolniN_ObjemHaTV"), "2147483647");
  layer_->SetPropertyText("VEK", "95");  // 50 % of the volume is felled
  layer_->SetPropertyText("OBMYTI", "100");
  layer_->SetPropertyText("OBN_DOBA", "30");
  spruce_->SetStoredVolume(TDrevina::kZasCel, 2147483647);
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneDR_TO"), "1073741824");
}

TEST_F(LayerValuesTest, ThinningFromTheUnitRulesAndFellingFromTheRegenerationShare) {
  spruce_->SetPropertyText("DR_ZAS_HA", "200");
  spruce_->SetPropertyText("DR_ZAS_CEL", "400");
  spruce_->SetPropertyText("N_ProcentoTV", "5");
  spruce_->SetPropertyText("TLOUSTKA", "22");
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneN_ProcentoTV"), "0");  // no rules
  kelva_->ProbirkaPhsMN()->SetNovyPrvek("SM");
  framework::TElement* rule = kelva_->ProbirkaPhsMN()->AktualniPrvek();
  rule->SetPropertyText("Drevina", "SM");
  rule->SetPropertyText("ProcTV8", "12");  // ages 41 to 45
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneN_ProcentoTV"), "12");
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneN_ObjemHaTV"), "24");
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneDR_TV"), "48");
  EXPECT_EQ(spruce_->GetPropertyText("KontrolniN_ObjemHaTV"), "10");
  EXPECT_EQ(spruce_->GetPropertyText("PrumerTloustTV"), "22");
  EXPECT_EQ(layer_->GetPropertyText("zasahDlePHS"), "12");  // of the dominant spruce
  EXPECT_EQ(beech_->GetPropertyText("SpocteneN_ProcentoTV"), "0");
  layer_->SetPropertyText("VEK", "101");
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneN_ProcentoTV"), "0");
  // VEK 95 with rotation 100 and a regeneration period of 30: 50 % of the volume.
  layer_->SetPropertyText("VEK", "95");
  layer_->SetPropertyText("OBMYTI", "100");
  layer_->SetPropertyText("OBN_DOBA", "30");
  EXPECT_EQ(spruce_->GetPropertyText("SpocteneDR_TO"), "200");
}

TEST_F(LayerValuesTest, ReportTextsOfTheLayer) {
  EXPECT_EQ(layer_->GetPropertyText("PopisZast"), "SM 60, BK 40");
  spruce_->SetPropertyText("BON_A", "28");
  EXPECT_EQ(layer_->GetPropertyText("PopisBonVekZakmZast"),
            "věk 45, zakm. 8: SM 60 bon 28, BK 40 bon 0");
  layer_->SetPropertyText("TV_P", "0.8");
  layer_->SetPropertyText("TV_NAL", " 2 ");
  layer_->SetPropertyText("PRO_NAL", "1");  // no cleaning area: not planned
  EXPECT_EQ(layer_->GetPropertyText("TV_NAL_HOSP"), "2");
  EXPECT_EQ(layer_->GetPropertyText("PRO_NAL_HOSP"), "");
  EXPECT_EQ(layer_->GetPropertyText("PlanovanyZasah"), "TV 0.80");
  EXPECT_EQ(layer_->GetPropertyText("VsechnyMZDr"),
            "BK, DB, DBZ, LP, LPV, JV, KL, HB, JS, JD, BRK, BB, TS");

  spruce_->PoskozeniMN()->SetNovyPrvek("3");
  spruce_->PoskozeniMN()->SetNovyPrvek("5");
  EXPECT_EQ(layer_->GetPropertyText("PocetRadkuDrevVcetnePoskozeni"), "4");
  EXPECT_EQ(layer_->GetPropertyText("JeIndex_vxyz"), "False");
  spruce_->SetPropertyText("JedinaProTO_P", "True");
  EXPECT_EQ(layer_->GetPropertyText("ExistujeJedinaProTO_P"), "True");
  EXPECT_EQ(layer_->GetPropertyText("ExistujeJedinaProTV_P"), "False");

  layer_->ZalesneniMN()->SetNovyPrvekVzdy("BK");
  auto* row = static_cast<TZalesneni*>(layer_->ZalesneniMN()->AktualniPrvek());
  row->SetZAL_DR("BK");
  row->SetZAL_DR_P(100);
  EXPECT_EQ(layer_->GetPropertyText("ZalesneniDoPece"), "BK 100%");
  EXPECT_EQ(layer_->GetPropertyText("ZAL_DRUH_Sumav"), "");
}

TEST_F(LayerValuesTest, ManagementSetValuesOfTheUnit) {
  layer_->SetPropertyText("HS", "21");
  EXPECT_EQ(layer_->GetPropertyText("HS_JdeDoSestavDTO"), "");
  kelva_->CisHsMN()->SetNovyPrvek("21");
  kelva_->CisHsMN()->AktualniPrvek()->SetPropertyText("CISLO_HS", "21");
  kelva_->CisHsMN()->AktualniPrvek()->SetPropertyText("JdeDoSestavDTO", "A");
  EXPECT_EQ(layer_->GetPropertyText("HS_JdeDoSestavDTO"), "A");
  EXPECT_EQ(layer_->GetPropertyText("HSdleDAZIviNas"), "21");
  EXPECT_EQ(layer_->GetPropertyText("HSdleDAZIviNasStary"), "21");
}

TEST_F(LayerValuesTest, SoilImprovingSpeciesFromTheUnitListBeforeTheBuiltInTable) {
  layer_->SetPropertyText("HS", "21");
  layer_->ZalesneniMN()->SetNovyPrvekVzdy("DB");
  auto* oak = static_cast<TZalesneni*>(layer_->ZalesneniMN()->AktualniPrvek());
  oak->SetZAL_DR("DB");
  oak->SetZAL_DR_P(30);
  const int32_t built_in = layer_->MZDDleHS();
  EXPECT_EQ(built_in, 30);
  EXPECT_TRUE(oak->ZAL_DRjeMelioracni());
  PridejKlicMZD(*kelva_->MZDHospSoubMN(), 21, "1A");  // a key of the export: no species
  EXPECT_EQ(layer_->MZDDleHS(), built_in);

  kelva_->MZDHospSoubMN()->SetNovyPrvek("21 - 25");
  auto* row = static_cast<TMZDHospSoub*>(kelva_->MZDHospSoubMN()->AktualniPrvek());
  row->SetNumber("CISLO_HS", 21);
  row->SetNumber("MZD", 25);
  row->SetText("DR_ZKR", "BK&JD");
  row->SetText("LT_SLT", "2A 1A");
  EXPECT_EQ(layer_->MZDDleHS(), 25);
  EXPECT_FALSE(oak->ZAL_DRjeMelioracni());
  EXPECT_EQ(layer_->MZDzeZales(), 0);
  oak->SetZAL_DR("JD");
  EXPECT_TRUE(oak->ZAL_DRjeMelioracni());
  EXPECT_EQ(layer_->MZDzeZales(), 30);
  layer_->SetPropertyText("HS", "25");  // no row of this set: the built-in table
  EXPECT_EQ(layer_->MZDDleHS(), built_in);
}

}  // namespace
}  // namespace tarnik::plan
