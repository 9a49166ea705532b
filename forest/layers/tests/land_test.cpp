#include "forest/layers/land.h"

#include <gtest/gtest.h>

#include <memory>

#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/export_preparation.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/parcel_part.h"
#include "forest/layers/statuses.h"
#include "forest/option_flags.h"
#include "framework/framework_classes.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {
namespace {

class LandTest : public ::testing::Test {
 protected:
  LandTest() {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    RegisterLayerClasses();
    forest::Flags() = forest::OptionFlags();
    platform::SetDecimalSeparator('.');
    lhc_->OddeleniMN()->SetNovyPrvek("5");
    odd_ = lhc_->Oddeleni();
    dil_ = AddDilec("a");
    stand_ = AddStand(dil_, "1");
  }
  ~LandTest() override {
    forest::Flags() = forest::OptionFlags();
    platform::SetDecimalSeparator(',');
  }
  TDilec* AddDilec(const std::string& key) {
    odd_->DilecMN()->SetNovyPrvek(key);
    odd_->Dilec()->SetPropertyText("DIL", key);
    return odd_->Dilec();
  }
  static TPorost* AddStand(TDilec* dil, const std::string& key) {
    dil->PorostMN()->SetNovyPrvek(key);
    TPorost* stand = dil->Porost();
    stand->SetPOR(key);
    return stand;
  }
  template <class T>
  static T* AddPlot(TLesniMnozina* set, int number, int ku, double area) {
    set->SetNovyPrvekVzdy(std::to_string(number));
    auto* plot = static_cast<T*>(set->AktualniPrvek());
    plot->SetCislo(number);
    plot->SetKU_KOD(ku);
    plot->SetPlocha(area);
    plot->SetPlocha0(area + 0.01);
    plot->SetVymera(area + 0.02);
    return plot;
  }
  TPorostniSkupina* AddGroup(TPorost* stand, const std::string& psk, const std::string& lt) {
    stand->PorostniSkupinaMN()->SetNovyPrvek(psk);
    TPorostniSkupina* group = stand->PorostniSkupina();
    group->SetPropertyText("PSK", psk);
    group->SetPropertyText("LT", lt);
    group->SetPlocha(1.0);
    return group;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  std::unique_ptr<TLHC> lhc_ = std::make_unique<TLHC>();
  TOddeleni* odd_ = nullptr;
  TDilec* dil_ = nullptr;
  TPorost* stand_ = nullptr;
};

TEST_F(LandTest, PlotsMergeBySameNumberAndCadastre) {
  TLesniMnozina* plots = stand_->BezlesiMN();
  ASSERT_NE(plots, nullptr);
  auto* first = AddPlot<TBezlesi>(plots, 3, 1001, 0.5);
  AddPlot<TBezlesi>(plots, 3, 1002, 0.1);
  AddPlot<TBezlesi>(plots, 3, 1001, 0.25);
  AddPlot<TJinyPozemek>(stand_->JinyPozemekMN(), 3, 1001, 0.4);
  SlucStejnePlochy(*odd_);
  ASSERT_EQ(plots->PocetPrvku(), 2);
  EXPECT_DOUBLE_EQ(first->Plocha(), 0.75);
  EXPECT_DOUBLE_EQ(first->Plocha0(), 0.77);
  EXPECT_DOUBLE_EQ(first->Vymera(), 0.79);
  EXPECT_EQ(stand_->JinyPozemekMN()->PocetPrvku(), 1);  // other kinds are merged apart
}

TEST_F(LandTest, PlotProperties) {
  auto* plot = AddPlot<TBezlesi>(stand_->BezlesiMN(), 7, 1001, 1.25);
  plot->SetPropertyInteger("BZL", 8);
  EXPECT_EQ(plot->GetName(), "BZL 8");
  EXPECT_EQ(plot->GetPropertyText("BZL_P_XML"), "1.25");
  plot->SetPropertyText("BZL_P_XML", " 0.125 ");
  EXPECT_EQ(plot->GetPropertyText("BZL_P_XML"), "0.12");
  EXPECT_EQ(plot->GetPropertyText("BZL_P0_XML"), "1.2600");
  EXPECT_EQ(plot->GetPropertyText("BZL_P_st"), "  0.13");
  stand_->SetMAJ_KOD(37);
  stand_->SetMAJ_DRUH(2);
  EXPECT_EQ(plot->GetPropertyInteger("MAJ_KOD_BZL"), 37);
  EXPECT_EQ(plot->GetPropertyText("VLASTNIK"), "200037");
  plot->SetPropertyText("VLASTNIK", "12345");
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "U prvku BZL 8 není vlastník \"12345\" šestimístný.");
  plot->SetPropertyText("VLASTNIK", "312345");
  EXPECT_EQ(plot->GetPropertyInteger("MAJ_KOD_PUV"), 12345);
  EXPECT_EQ(plot->GetPropertyInteger("MAJ_DRUH_PUV"), 3);
  EXPECT_EQ(plot->GetPropertyText("CeleOznaceni"), stand_->CeleOznaceniKratce() + " Bezlesí: 8");
  plot->SetPropertyText("OCHR_PRIR_BZL", "CHKO:5; ");
  EXPECT_EQ(plot->GetPropertyInteger("CHKO_KOD"), 5);
  // The site type comes from the stand's groups when the plot has none.
  AddGroup(stand_, "1", "3K5");
  EXPECT_EQ(plot->GetPropertyText("SLT_XML"), "3K");
  plot->SetPropertyText("SLT_BZL", "5A");
  EXPECT_EQ(plot->GetPropertyText("SLT_XML"), "5A");
  auto* other = AddPlot<TOstatni>(stand_->OstatniMN(), 2, 1001, 0.5);
  EXPECT_EQ(other->GetName(), "OST 2");
  EXPECT_EQ(other->GetPropertyText("OP_P_XML"), "0.50");
}

TEST_F(LandTest, ParcelParts) {
  auto* plot = AddPlot<TJinyPozemek>(stand_->JinyPozemekMN(), 1, 1001, 1.0);
  TCastParcelyMN* parts = plot->CastParcelyMN();
  NastavAktualniCastiParcel(*odd_);
  ASSERT_EQ(parts->PocetPrvku(), 1);  // "Vzdy" made for the plot without parts
  auto* part = static_cast<TCastParcely*>(parts->AktualniPrvek());
  part->SetPropertyText("CP_P0r", "1.23456");
  part->SetPropertyText("PAR_Vr", "0.5");
  EXPECT_EQ(part->GetPropertyInteger("CP_P0"), 12346);
  EXPECT_EQ(part->GetPropertyInteger("PAR_V"), 5000);
}

TEST_F(LandTest, ExportPreparation) {
  // Stand 1 has a group with a layer; stand 2 only other land; sub-compartment b one empty stand.
  TPorostniSkupina* group = AddGroup(stand_, "1", "1A");
  auto* layers = static_cast<TEtazMN*>(group->EtazMN());
  layers->SetNovyPrvek("1");
  auto* layer = static_cast<TEtaz*>(layers->AktualniPrvek());
  layer->SetPropertyInteger("HS", 21);
  layer->ZalesneniMN()->SetNovyPrvekVzdy(" ");
  TPorost* empty = AddStand(dil_, "2");
  AddPlot<TOstatni>(empty->OstatniMN(), 1, 1001, 0.3);
  AddStand(AddDilec("b"), "1");
  auto* statuses = static_cast<TZvlStMN*>(stand_->ZvlStMN());
  statuses->NastavZvlSt("12/14", "/");

  OdstranPrazdnePorosty(*odd_);
  EXPECT_EQ(dil_->PorostMN()->PocetPrvku(), 1);
  EXPECT_EQ(odd_->DilecMN()->PocetPrvku(), 1);
  DoplnKategorii10(*odd_);
  EXPECT_EQ(static_cast<TKategorie1MN*>(stand_->Kategorie1MN())->HlavniKATEGORIE(), "10");
  OdstranPrazdnaZalesneni(*odd_);
  EXPECT_EQ(layer->ZalesneniMN()->PocetPrvku(), 0);
  forest::Flags().smaz_zvl_st = false;
  OdstranNeexportovaneZvlSt(*odd_);
  EXPECT_EQ(statuses->PocetPrvku(), 2);
  forest::Flags().smaz_zvl_st = true;
  OdstranNeexportovaneZvlSt(*odd_);
  EXPECT_EQ(statuses->SpojHodnotyProperty("ZVL_STATUT", "/"), "14");
  const std::vector<MzdKey> keys = KliceMZDPodleHS(*odd_);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].cislo_hs, 21);
  EXPECT_EQ(keys[0].lt_slt, "1A");
}

}  // namespace
}  // namespace tarnik::plan

#include "forest/layers/owner_transformation.h"

namespace tarnik::plan {
namespace {

TEST_F(LandTest, OwnerTransformationOfACompartment) {
  TTransforDleMajiteleMN rows;
  const auto add = [&rows](int odd, const std::string& dil, const std::string& por, int kod) {
    rows.SetNovyPrvekVzdy(std::to_string(rows.PocetPrvku()));
    auto* row = static_cast<TTransforDleMajitele*>(rows.AktualniPrvek());
    row->odd = odd;
    row->dil = dil;
    row->por = por;
    row->maj_kod = kod;
    row->maj_druh = 2;
  };
  add(5, "a", "1", 37);
  add(5, "a", "9", 38);  // no such stand
  add(6, "x", "1", 39);  // another compartment
  int asked = 0;
  const ManagerLookup manager = [&asked](TPorost&) -> std::optional<std::string> {
    ++asked;
    return std::string("15");
  };
  EXPECT_TRUE(TransformujDleMajitele(*odd_, rows, manager));
  EXPECT_EQ(stand_->MAJ_KOD(), 37);
  EXPECT_EQ(stand_->MAJ_DRUH(), 2);
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0],
            "V dílci " + dil_->GetPropertyText("CeleOznaceni") + " chybí porost \"9\"");
  ui_.Clear();
  add(5, "zz", "1", 40);  // a missing sub-compartment ends the step
  EXPECT_FALSE(TransformujDleMajitele(*odd_, rows, nullptr));
  EXPECT_EQ(ui_.Messages().front(), "V oddělení 5neexistuje dílec \"zz\"");
  EXPECT_EQ(ui_.Messages().back(), "číselník chybí");
}

}  // namespace
}  // namespace tarnik::plan
