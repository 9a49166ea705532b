#include "forest/layers/layer.h"

#include <gtest/gtest.h>

#include "forest/forest_classes.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "framework/framework_classes.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {

// A stand group as the layers see it: an area, a forest type and a designation.
class TTestSkupina : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TTestSkupina)
  double plocha = 0;
  std::string lt;
  static void Define(std::vector<framework::TPropInfo>& out) {
    framework::TPropDefs<TTestSkupina> d(out);
    d.Float("Plocha", TARNIK_FIELD(&TTestSkupina::plocha));
    d.String("LT", TARNIK_FIELD(&TTestSkupina::lt));
    d.String(
        "CeleOznaceni", [](TTestSkupina&) { return std::string("Skup: 1a"); }, nullptr);
  }
};
TARNIK_DEFINE_CLASS(TTestSkupina, TObecnyLesniPrvek, &TTestSkupina::Define)

namespace {

class LayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterLayerClasses();
    platform::SetDecimalSeparator('.');
    group_ = new TTestSkupina();
    layers_ = new TEtazMN();
    group_->AddElement(layers_);
    layers_->SetNovyPrvek("1");
    layer_ = static_cast<TEtaz*>(layers_->AktualniPrvek());
    layer_->SetETAZ("1");
  }
  void TearDown() override {
    forest::Flags() = forest::OptionFlags();
    delete group_;
    platform::SetDecimalSeparator(',');
  }

  TDrevina* AddSpecies(const std::string& code, int zast) {
    TDrevinaMN* set = layer_->DrevinaMN();
    set->SetNovyPrvek(code);
    auto* species = static_cast<TDrevina*>(set->AktualniPrvek());
    species->SetDR_ZKR(code);
    species->SetZAST(zast);
    return species;
  }
  TZalesneni* AddRow(const std::string& code, int share) {
    TZalesneniMN* set = layer_->ZalesneniMN();
    set->SetNovyPrvekVzdy(code);
    auto* row = static_cast<TZalesneni*>(set->AktualniPrvek());
    row->SetZAL_DR(code);
    row->SetZAL_DR_P(share);
    return row;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TTestSkupina* group_ = nullptr;
  TEtazMN* layers_ = nullptr;
  TEtaz* layer_ = nullptr;
};

TEST_F(LayerTest, LayerKeysAreNormalised) {
  layers_->SetNovyPrvek(" 1 ");
  EXPECT_EQ(layers_->PocetPrvku(), 1);
  EXPECT_EQ(layers_->AktualniPrvek(), nullptr);  // the key exists already
  layers_->SetJmenoAktualnihoPrvku("1");
  EXPECT_EQ(layers_->AktualniPrvek(), layer_);
  EXPECT_EQ(layer_->GetName(), "ETAZ  1 ");
  EXPECT_EQ(layer_->GetPropertyText("ETAZ_XML"), "1");
  layer_->SetPropertyText("ETAZ_XML", "2a");
  EXPECT_EQ(layer_->ETAZ(), " 2a");
  EXPECT_EQ(layer_->GetPropertyText("CeleOznaceni"), "Skup: 1a Etáž:  2a");
  EXPECT_EQ(layer_->GetPropertyInteger("IEtaze"), 0);
}

TEST_F(LayerTest, BarkOptionConvertsVolumes) {
  TDrevina* spruce = AddSpecies("SM", 60);
  TDrevina* beech = AddSpecies("BK", 40);
  spruce->SetPropertyInteger("DR_ZAS_CEL", 110);
  beech->SetPropertyInteger("DR_ZAS_CEL", 115);
  EXPECT_EQ(spruce->GetPropertyInteger("DR_ZAS_CEL"), 110);
  forest::Flags().odkorneno = true;
  EXPECT_EQ(spruce->GetPropertyInteger("DR_ZAS_CEL"), 100);
  EXPECT_EQ(beech->GetPropertyInteger("DR_ZAS_CEL"), 100);
  EXPECT_EQ(layer_->GetPropertyInteger("Etaz_ZAS_CELK"), 200);
  spruce->SetPropertyInteger("DR_ZAS_CEL", 100);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kZasCel), 110);
  spruce->SetPropertyInteger("PROC_SOUS", 10);
  EXPECT_EQ(spruce->GetPropertyInteger("OBJ_SOUS"), 10);
  forest::Flags().odkorneno = false;
  EXPECT_EQ(spruce->GetPropertyInteger("OBJ_SOUS"), 11);
  spruce->SetPropertyInteger("DR_ZAS_CEL", 0);
  spruce->SetPropertyInteger("OBJ_SOUS", 5);  // no volume: no division
  EXPECT_EQ(spruce->GetPropertyInteger("PROC_SOUS"), 0);

  // Products of stored volumes and shares of any size; beyond the range they read 0.
  spruce->SetStoredVolume(TDrevina::kZasCel, 2147483647);
  spruce->SetPropertyInteger("PROC_SOUS", 2);
  EXPECT_EQ(spruce->GetPropertyInteger("OBJ_SOUS"), 42949673);
  spruce->SetPropertyInteger("PROC_SOUS", 300);
  EXPECT_EQ(spruce->GetPropertyInteger("OBJ_SOUS"), 0);
  spruce->SetStoredVolume(TDrevina::kZasTabHa, 2147483647);
  layer_->SetPropertyText("ZAKM", "10");
  group_->plocha = 1.0;
  EXPECT_EQ(spruce->GetPropertyInteger("DR_ZAS_CELzeZASTaZAKM"), 1288490188);  // × 60 %
  group_->plocha = 2.0;
  EXPECT_EQ(spruce->GetPropertyInteger("DR_ZAS_CELzeZASTaZAKM"), 0);
}

TEST_F(LayerTest, StemVolumeOfASpecies) {
  TDrevina* spruce = AddSpecies("SM", 100);
  spruce->SetPropertyInteger("TLOUSTKA", 30);
  spruce->SetPropertyInteger("VYSKA", 25);
  // Without a code list the species code is -1, which takes the last coefficient row.
  EXPECT_EQ(spruce->DR_KOD(), -1);
  const double row11 = spruce->HMOT();
  EXPECT_GT(row11, 0);
  EXPECT_EQ(spruce->GetPropertyText("HMOT_XML"), platform::FloatToFixedDot(row11, 2));
  forest::Flags().odkorneno = true;
  EXPECT_NEAR(spruce->HMOT(), row11 * 0.90909, 1e-9);
  spruce->SetPropertyInteger("VYSKA", 6);
  EXPECT_EQ(spruce->HMOT(), 0);
  spruce->SetStoredVolume(TDrevina::kZasCel, 300);
  EXPECT_EQ(spruce->GetPropertyInteger("POCET_KMENUVypocteny"), 0);  // no stem volume, no count
}

TEST_F(LayerTest, RegenerationAndRequirements) {
  layer_->SetPropertyInteger("VEK", 40);
  layer_->SetPropertyInteger("OBMYTI", 100);
  layer_->SetPropertyInteger("OBN_DOBA", 30);
  EXPECT_EQ(layer_->GetPropertyInteger("PROC_HS"), 0);
  EXPECT_FALSE(layer_->MusiBytMZD());
  EXPECT_EQ(layer_->GetPropertyText("MZD_xml"), "");
  layer_->SetPropertyInteger("VEK", 95);
  EXPECT_EQ(layer_->GetPropertyInteger("PROC_HS"), 50);
  EXPECT_TRUE(layer_->MusiBytMZD());
  EXPECT_EQ(layer_->GetPropertyText("MZD_xml"), "0");  // -1 means none
  layer_->SetPropertyText("MZDs", "25");
  EXPECT_EQ(layer_->GetPropertyText("MZD_xml"), "25");
  layer_->SetPropertyText("MZDs", " ");
  EXPECT_EQ(layer_->GetPropertyInteger("MZD"), -1);
  EXPECT_EQ(layer_->GetPropertyInteger("MZDi"), 0);
  // A young empty layer to be afforested needs MZD too.
  layer_->SetPropertyInteger("VEK", 0);
  layer_->SetPropertyText("ZAL_DRUH", "4");
  EXPECT_TRUE(layer_->MusiBytMZD());
  EXPECT_EQ(layer_->GetPropertyInteger("ZAKM_XML"), 10);
  // DTO: a regeneration felling below 80 years, or a reason 1..6.
  EXPECT_FALSE(layer_->MusiBytDTO());
  layer_->SetPropertyText("TO_DUVOD", "3");
  EXPECT_TRUE(layer_->MusiBytDTO());
  layer_->SetPropertyText("TO_DUVOD", "");
  layer_->SetPropertyText("TO_P", "0.5");
  EXPECT_TRUE(layer_->MusiBytDTO());
  layer_->SetPropertyInteger("VEK", 90);
  EXPECT_FALSE(layer_->MusiBytDTO());
}

TEST_F(LayerTest, AreaAndUrgencyTexts) {
  layer_->SetPropertyText("TO_P_XML", "0.125");
  EXPECT_EQ(layer_->GetPropertyText("TO_P_XML"), "0.12");
  layer_->SetPropertyText("TVYB_P", "0.125");
  EXPECT_EQ(layer_->GetPropertyText("TVYB_P_XML"), "0.13");
  layer_->SetPropertyText("TV_NAL", "4");
  EXPECT_EQ(layer_->GetPropertyText("TV_NAL_XML"), "1");
  layer_->SetPropertyText("PRO_NAL", "2");
  EXPECT_EQ(layer_->GetPropertyText("PRO_NAL_XML"), "0");
  layer_->SetPropertyText("ETAZ_PP_XML", "0,5");
  EXPECT_EQ(layer_->GetPropertyText("ETAZ_PP_XML"), "0.50");
  layer_->SetPropertyText("TV_P", "1");
  EXPECT_EQ(layer_->GetPropertyInteger("DruhVykonu"), 11);
}

TEST_F(LayerTest, AfforestationAreaIsSpreadOverTheRows) {
  TZalesneni* a = AddRow("BK", 33);
  TZalesneni* b = AddRow("DB", 33);
  TZalesneni* c = AddRow("SM", 34);
  layer_->SetPropertyText("ZAL_P", "1");
  EXPECT_DOUBLE_EQ(a->ZAL_P(), 0.33);
  EXPECT_DOUBLE_EQ(b->ZAL_P(), 0.33);
  EXPECT_NEAR(c->ZAL_P(), 0.34, 1e-12);
  EXPECT_TRUE(a->BylEditovan());
  EXPECT_NEAR(layer_->ZAL_P(), 1.0, 1e-12);
  EXPECT_EQ(layer_->GetPropertyInteger("ZastoupeniDrevinZal"), 100);
  EXPECT_EQ(layer_->DrevinaSMaxZast(), "SM");
  // The Merk entry keeps the layer's own area and spreads it when the shares make 100.
  layer_->SetZAL_P_MERK(2.0);
  EXPECT_DOUBLE_EQ(a->ZAL_P(), 0.66);
  EXPECT_DOUBLE_EQ(layer_->ZAL_P_MERK(), 2.0);
  layer_->SetPropertyText("ZAL_DRUH", "2");
  EXPECT_EQ(c->ZAL_DRUH(), "2");
  EXPECT_EQ(a->GetPropertyText("CeleOznaceni"), "Skup: 1a Etáž:  1  Zales: BK");
  // Export preparation drops the rows without a species.
  AddRow(" ", 0);
  EXPECT_EQ(layer_->ZalesneniMN()->PocetPrvku(), 4);
  layer_->ZalesneniMN()->OdstranPrazdna();
  EXPECT_EQ(layer_->ZalesneniMN()->PocetPrvku(), 3);
}

TEST_F(LayerTest, AfforestationCompletionAfterLoading) {
  layer_->SetZAL_P_MERK(1.0);
  layer_->SetPropertyText("ZAL_DRUH", "1");
  TZalesneni* a = AddRow("BK", 50);
  a->DoplnPoNacteni();
  EXPECT_DOUBLE_EQ(a->ZAL_P(), 0.5);
  EXPECT_EQ(a->ZAL_DRUH(), "1");
  TZalesneni* b = AddRow("DB", 50);
  b->SetZAL_P(0.4);
  b->DoplnPoNacteni();  // shares make 100: the largest area takes up the difference
  EXPECT_DOUBLE_EQ(a->ZAL_P(), 0.6);
  EXPECT_DOUBLE_EQ(b->ZAL_P(), 0.4);
}

TEST_F(LayerTest, AfforestationXmlTexts) {
  EXPECT_EQ(layer_->GetPropertyText("ZAL_P_xml"), "");  // no area
  layer_->SetPropertyText("ZAL_DRUH", "-");
  EXPECT_EQ(layer_->GetPropertyText("ZAL_DRUH_xml"), "");
  // Read from a file: the kind, and the area that the rows read next are completed from.
  layer_->SetPropertyText("ZAL_DRUH_xml", "4");
  layer_->SetPropertyText("ZAL_P_xml", " 1.2 ");
  EXPECT_EQ(layer_->GetPropertyText("ZAL_DRUH_xml"), "4");
  TZalesneni* a = AddRow("BK", 100);
  a->DoplnPoNacteni();
  EXPECT_DOUBLE_EQ(a->ZAL_P(), 1.2);
  EXPECT_EQ(layer_->GetPropertyText("ZAL_P_xml"), "1.20");
  platform::SetDecimalSeparator(',');  // the user's separator never reaches the XML
  a->SetZAL_P(12.345678);
  EXPECT_EQ(layer_->GetPropertyText("ZAL_P_xml"), "12.35");
}

TEST_F(LayerTest, XmlFormsReadFromAFileReachTheirFields) {
  layer_->SetPropertyText("ZAKM_XML", "7");
  EXPECT_EQ(layer_->GetPropertyText("ZAKM"), "7");
  layer_->SetPropertyText("MZD_xml", "");
  EXPECT_EQ(layer_->GetPropertyText("MZD"), "-1");
  layer_->SetPropertyText("MZD_xml", "20");
  EXPECT_EQ(layer_->GetPropertyText("MZD"), "20");
  TDrevina* spruce = AddSpecies("SM", 100);
  spruce->SetPropertyText("HMOT_XML", "9.99");  // follows from diameter and height
  EXPECT_EQ(spruce->GetPropertyText("HMOT_XML"), "0.00");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(LayerTest, SoilImprovingShareOfTheAfforestation) {
  EXPECT_EQ(layer_->MZDzeZales(), 100);  // no rows
  group_->lt = "1A";
  AddRow("BK", 40);
  AddRow("SM", 60);
  // Dominant row SM on 1A fits row 9, which lists BK.
  EXPECT_EQ(layer_->MZDzeZales(), 40);
  EXPECT_EQ(layer_->MZDDleHS(), 30);
}

TEST_F(LayerTest, StockingFromReducedAreas) {
  group_->plocha = 2.0;
  TDrevina* spruce = AddSpecies("SM", 100);
  spruce->SetStoredVolume(TDrevina::kZasTabHa, 200);
  spruce->SetStoredVolume(TDrevina::kZasCel, 300);
  spruce->SetStoredVolume(TDrevina::kTo, 100);
  EXPECT_DOUBLE_EQ(layer_->PocitaneZakmeneniFlo(), 7.5);
  EXPECT_EQ(layer_->GetPropertyInteger("PocitaneZakmeneniInt"), 8);
  EXPECT_DOUBLE_EQ(layer_->RedukovanaPlocha(false), 0.5);
  spruce->SetStoredVolume(TDrevina::kZasTabHa, 0);  // no tabular volume: share of the layer
  layer_->SetPropertyText("ETAZ_PP", "0.8");
  EXPECT_DOUBLE_EQ(spruce->RedukovanaPlochaDrDleZasoby(), 0.8);
  EXPECT_EQ(spruce->RedukovanaPlochaDrevT0(), 0);
  group_->plocha = 0.004;
  EXPECT_EQ(layer_->PocitaneZakmeneniFlo(), 0);
}

TEST_F(LayerTest, SpeciesValues) {
  TDrevina* spruce = AddSpecies("sm", 70);
  EXPECT_EQ(spruce->GetName(), "DREV SM ");
  EXPECT_TRUE(spruce->GetPropertyBoolean("Jehlicnaty"));
  spruce->SetPropertyInteger("BON_A", 5);  // 1..9 is a relative site class
  EXPECT_EQ(spruce->GetPropertyInteger("BON_A"), 0);
  EXPECT_EQ(spruce->GetPropertyInteger("BON_RVyhl"), 5);
  EXPECT_EQ(spruce->GetPropertyText("BON_A_XML"), "");
  spruce->SetPropertyInteger("BON_R", 3);
  EXPECT_EQ(spruce->GetPropertyText("BON_R_XML"), "3");
  TDrevina* shrub = AddSpecies("KRX", 5);
  shrub->SetPropertyInteger("BON_R", 3);
  EXPECT_EQ(shrub->GetPropertyInteger("BON_R"), 0);  // groups 13 and 14 have none
  spruce->SetPropertyText("IMISE", "0 / 1");
  EXPECT_EQ(spruce->GetPropertyText("IMISE"), "0/1");
  spruce->SetPropertyText("IMISE", "");
  EXPECT_EQ(spruce->GetPropertyText("IMISE"), "0");
  spruce->SetPropertyText("VYB_STR", "V");
  EXPECT_EQ(spruce->GetPropertyInteger("VYB_STRInt"), 99);
  EXPECT_EQ(layer_->DrevinaSMaxZast(), "SM ");
  spruce->SetPropertyInteger("DR_TV", 30);
  EXPECT_EQ(layer_->DrevinaMN()->GetPropertyInteger("TV_jehlicnata"), 30);
  EXPECT_EQ(layer_->DrevinaMN()->GetPropertyInteger("TV_listnata"), 0);
}

TEST_F(LayerTest, DamageExtent) {
  TDrevina* spruce = AddSpecies("SM", 100);
  TPoskozeniMN* damages = spruce->PoskozeniMN();
  damages->SetNovyPrvek("x");
  auto* damage = static_cast<TPoskozeni*>(damages->AktualniPrvek());
  damage->SetPropertyText("POSKOZ_D_xml", "12");
  EXPECT_EQ(damage->GetName(), "POSK 12");
  damage->SetPropertyInteger("POSKOZ_R", 4);
  EXPECT_EQ(damage->GetPropertyInteger("POSKOZ_R10"), 1);  // never 0
  damage->SetPropertyText("POSKOZ_R_xml", "3");
  EXPECT_EQ(damage->POSKOZ_R(), 30);
  EXPECT_EQ(damage->GetPropertyText("POSKOZ_R_xml"), "3");
  damage->SetPropertyText("POSKOZ_R_xml", "-2147483648");  // tenths of any stored degree
  EXPECT_EQ(damage->POSKOZ_R(), -2147483647 - 1);
  damage->SetPropertyInteger("POSKOZ_R10", 2147483647);
  EXPECT_EQ(damage->POSKOZ_R(), 2147483647);
  damage->SetPropertyInteger("POSKOZ_R", 0);
  EXPECT_EQ(damage->GetPropertyText("POSKOZ_R_xml"), "");
  EXPECT_EQ(layer_->GetPropertyInteger("PocetPoskozeniVEtazi"), 1);
  EXPECT_EQ(damage->GetPropertyText("CeleOznaceni"), "Skup: 1a Etáž:  1  Drev: SM  Posk: 12");
}

}  // namespace
}  // namespace tarnik::plan
