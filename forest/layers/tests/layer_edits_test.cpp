#include "forest/layers/layer_edits.h"

#include <gtest/gtest.h>

#include <memory>

#include "forest/colour.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "framework/framework_classes.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {
namespace {

class LayerEditsTest : public ::testing::Test {
 protected:
  LayerEditsTest() {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    RegisterLayerClasses();
    platform::SetDecimalSeparator('.');
    group_->SetPSK("1");
    group_->SetPlocha(2.0);
  }
  ~LayerEditsTest() override {
    forest::Flags() = forest::OptionFlags();
    platform::SetDecimalSeparator(',');
  }
  TEtaz* Layer(const std::string& key, double etaz_pp) {
    group_->EtazMN()->SetNovyPrvek(key);
    auto* layer = static_cast<TEtaz*>(group_->EtazMN()->AktualniPrvek());
    layer->SetETAZ(key);
    layer->SetPropertyText("ETAZ_PP", platform::FloatToFixedDot(etaz_pp, 2));
    return layer;
  }
  static double Num(framework::TElement* element, const char* property) {
    return platform::DecimalTextToFloat(element->GetPropertyText(property));
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  std::unique_ptr<TPorostniSkupina> group_ = std::make_unique<TPorostniSkupina>();
};

TEST_F(LayerEditsTest, AreaChangeScalesTheAreasThatMayChange) {
  TEtaz* main = Layer("1", 1.5);
  TEtaz* lower = Layer("2", 0.5);
  main->SetPropertyText("TO_P", "1.2");
  main->SetPropertyText("TO_PMenit", "True");
  lower->SetPropertyText("TO_P", "0.4");  // entered by hand
  main->SetPropertyText("PlochaZalesneniMenit", "True");
  main->ZalesneniMN()->SetNovyPrvekVzdy("BK");
  auto* row = static_cast<TZalesneni*>(main->ZalesneniMN()->AktualniPrvek());
  row->SetZAL_DR_P(100);
  row->SetZAL_P(1.0);

  group_->SetPropertyText("PSK_P_MERK", "1");
  EXPECT_DOUBLE_EQ(group_->StaraPlocha(), 2.0);
  EXPECT_DOUBLE_EQ(Num(main, "TO_P"), 0.6);
  EXPECT_DOUBLE_EQ(Num(lower, "TO_P"), 0.4);
  EXPECT_DOUBLE_EQ(row->ZAL_P(), 0.5);
  EXPECT_TRUE(main->BylEditovan());
  EXPECT_FALSE(lower->BylEditovan());
  EXPECT_TRUE(ui_.Messages().empty());

  // The area entered by hand no longer fits: the user agrees to scale it down.
  ui_.answers.push_back(platform::Button::kYes);
  group_->SetPropertyText("PSK_P_MERK", "0.2");
  ASSERT_FALSE(ui_.Messages().empty());
  EXPECT_EQ(ui_.Messages().front(),
            "Ve skupině 1 je suma ručně zadanych parciálních ploch 0.40 vyšší než PSK_P =0.20");
  EXPECT_DOUBLE_EQ(Num(lower, "TO_P"), 0.2);
  EXPECT_DOUBLE_EQ(Num(main, "TO_P"), 0.12);

  // Declined: the entered area stays.
  ui_.answers.push_back(platform::Button::kNo);
  group_->SetPropertyText("PSK_P_MERK", "0.1");
  EXPECT_DOUBLE_EQ(Num(lower, "TO_P"), 0.2);
}

TEST_F(LayerEditsTest, AreaQualityWithVolumesScalesTheStoredVolumes) {
  TEtaz* layer = Layer("1", 2.0);
  layer->DrevinaMN()->SetNovyPrvek("SM");
  auto* spruce = static_cast<TDrevina*>(layer->DrevinaMN()->AktualniPrvek());
  spruce->SetDR_ZKR("SM");
  spruce->SetPropertyText("DR_ZAS_CEL", "500");
  forest::Flags().odkorneno = true;  // the stored values with bark are scaled
  group_->SetVymera(1.0);
  group_->SetPropertyText("PSK_KVAL_BezVypoctu", "1");
  EXPECT_EQ(spruce->GetPropertyText("DR_ZAS_CEL"), "455");  // unchanged, read under bark
  group_->SetVymera(0.5);
  group_->SetPropertyText("PSK_KVAL_Vypocet", "1");
  forest::Flags().odkorneno = false;
  EXPECT_EQ(spruce->GetPropertyText("DR_ZAS_CEL"), "250");
  EXPECT_TRUE(forest::Flags().odkorneno == false);

  // An area far beyond the old one scales the volumes to the largest integer, no further.
  group_->SetVymera(1e300);
  group_->SetPropertyText("PSK_KVAL_Vypocet", "1");
  EXPECT_EQ(spruce->GetPropertyText("DR_ZAS_CEL"), "2147483647");
}

TEST_F(LayerEditsTest, GroupInterventionAreaIsSharedByTheLayers) {
  TEtaz* a = Layer("1", 1.0);
  TEtaz* b = Layer("2", 2.0);
  TEtaz* c = Layer("3", 0.5);
  group_->SetPropertyText("Skup_TV_P", "1");  // no layer marked: all share
  EXPECT_DOUBLE_EQ(Num(a, "TV_P"), 0.29);
  EXPECT_DOUBLE_EQ(Num(b, "TV_P"), 0.57);
  EXPECT_DOUBLE_EQ(Num(c, "TV_P"), 0.14);
  EXPECT_NEAR(Num(a, "TV_P") + Num(b, "TV_P") + Num(c, "TV_P"), 1.0, 1e-9);

  // Layer 1 entered by hand keeps its area; the others share the rest.
  b->SetPropertyText("TV_PMenit", "True");
  c->SetPropertyText("TV_PMenit", "True");
  group_->SetPropertyText("Skup_TV_P", "0.79");
  EXPECT_DOUBLE_EQ(Num(a, "TV_P"), 0.29);
  EXPECT_DOUBLE_EQ(Num(b, "TV_P"), 0.4);
  EXPECT_DOUBLE_EQ(Num(c, "TV_P"), 0.1);
  EXPECT_NEAR(Num(group_.get(), "Skup_TV_P"), 0.79, 1e-9);
}

TEST_F(LayerEditsTest, EntryPointsOfTheFormsAndTheMapLayer) {
  TEtaz* layer = Layer("1", 2.0);
  layer->SetPropertyText("TO_PMenit", "True");
  layer->SetPropertyText("TO_P_MERK", "0.8");
  EXPECT_DOUBLE_EQ(Num(layer, "TO_P"), 0.8);
  EXPECT_EQ(layer->GetPropertyText("TO_PMenit"), "False");
  EXPECT_TRUE(layer->BylEditovan());

  layer->ZalesneniMN()->SetNovyPrvekVzdy("BK");
  static_cast<TZalesneni*>(layer->ZalesneniMN()->AktualniPrvek())->SetZAL_DR_P(100);
  layer->SetPropertyText("TO_P_ZAL", "0.6");
  EXPECT_DOUBLE_EQ(layer->ZAL_P(), 0);  // the rows' area may not change
  layer->SetPropertyText("PlochaZalesneniMenit", "True");
  layer->SetPropertyText("TO_P_ZAL", "0.6");
  EXPECT_DOUBLE_EQ(layer->ZAL_P(), 0.6);
  EXPECT_DOUBLE_EQ(Num(layer, "TO_P"), 0.6);

  layer->SetPropertyText("TO_NAL_P0135", "4");
  layer->SetPropertyText("TO_ZPUSOB_P0135", "N");
  EXPECT_EQ(layer->GetPropertyText("TO_NAL_XML"), "1");
  EXPECT_EQ(layer->GetPropertyText("TO_ZPUSOB"), "N");
}

TEST_F(LayerEditsTest, SpeciesEntriesMarkWhatWasEnteredAndWhatFollows) {
  TEtaz* layer = Layer("1", 2.0);
  layer->DrevinaMN()->SetNovyPrvek("SM");
  auto* spruce = static_cast<TDrevina*>(layer->DrevinaMN()->AktualniPrvek());
  spruce->VytvorVlastnosti();
  spruce->SetPropertyText("DR_ZAS_CELed", "300");
  EXPECT_EQ(spruce->GetPropertyText("DR_ZAS_CEL"), "300");
  EXPECT_EQ(spruce->BarvaProperty("DR_ZAS_CEL"), kColorAqua);
  EXPECT_EQ(spruce->BarvaProperty("DR_ZAS_HA"), kColorYellow);
  EXPECT_TRUE(spruce->GetPropertyBoolean("MamodrouBarvuVZasobach"));
  spruce->SetPropertyText("DR_ZAS_HAed", "150");  // the total entered by hand stays so
  EXPECT_EQ(spruce->BarvaProperty("DR_ZAS_CEL"), kColorAqua);
  EXPECT_EQ(spruce->BarvaProperty("POCET_KMENU"), kColorYellow);

  spruce->SetPropertyText("DR_ZAS_HA_MERK", "170");
  EXPECT_EQ(spruce->GetPropertyText("DR_ZAS_HA"), "170");
  EXPECT_EQ(spruce->BarvaProperty("DR_ZAS_CEL"), kColorInfoBk);
  EXPECT_EQ(spruce->BarvaProperty("POCET_KMENU"), kColorInfoBk);
  spruce->SetPropertyText("ZAST_MERK", "60");
  EXPECT_EQ(spruce->GetPropertyText("ZAST"), "60");
  EXPECT_TRUE(spruce->BylEditovan());
}

}  // namespace
}  // namespace tarnik::plan
