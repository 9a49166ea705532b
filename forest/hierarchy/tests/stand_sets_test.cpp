// The stand's sets of the layer part's classes, created by the names the hierarchy knows them by.
#include <gtest/gtest.h>

#include "forest/hierarchy/tests/hierarchy_fixture.h"
#include "forest/layers/layer_classes.h"

namespace tarnik::plan {
namespace {

class StandSetsTest : public HierarchyTest {
 protected:
  StandSetsTest() { RegisterLayerClasses(); }
};

TEST_F(StandSetsTest, SpecialStatusesFillFromTheFirst) {
  TPorost* stand = SampleStand();
  stand->SetPropertyText("ZVL_STATUT", " ");  // blank on an empty set: nothing
  EXPECT_EQ(stand->ZvlStMN()->PocetPrvku(), 0);
  stand->SetPropertyText("ZVL_STATUT2", "17");
  EXPECT_EQ(stand->ZvlStMN()->PocetPrvku(), 2);
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUT"), "0");
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUT2"), "17");
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUT3"), "");
  stand->SetPropertyText("ZVL_STATUT3", "");  // blank when two exist: nothing
  EXPECT_EQ(stand->ZvlStMN()->PocetPrvku(), 2);
  stand->SetPropertyText("ZVL_STATUT", "5");  // the first is overwritten
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUT"), "5");
  EXPECT_EQ(stand->ZvlStMN()->PocetPrvku(), 2);

  // The list texts of the stand read the same set.
  EXPECT_EQ(stand->GetPropertyText("HlavniZVL_STATUT"), "5");
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUTLom"), "5/17");

  TPorost* other = Stand(stand->VlastnikTridy<TDilec>(), "2");
  other->SetPropertyText("ZVL_STATUT3", "30");
  EXPECT_EQ(other->ZvlStMN()->PocetPrvku(), 3);
  EXPECT_EQ(other->GetPropertyText("ZVL_STATUT2"), "0");
  EXPECT_EQ(other->GetPropertyText("ZVL_STATUT3"), "30");
}

TEST_F(StandSetsTest, DeletedStatusesAndOrganisationalIdentifier) {
  TPorost* stand = SampleStand();
  stand->SetPropertyText("ZVL_STATUT", "12");
  framework::TElement* status = stand->ZvlStMN()->Prvky().front();
  stand->SetPuvodni_oznaceni("");  // a stored stand keeps what is deleted from it
  EXPECT_FALSE(stand->MaSmazany());
  stand->SmazZvlSt(status);
  EXPECT_EQ(stand->ZvlStMN()->PocetPrvku(), 0);
  EXPECT_TRUE(stand->MaSmazany());
  TDilec* dilec = stand->VlastnikTridy<TDilec>();
  EXPECT_FALSE(dilec->MaSmazanyRekurz());  // a new sub-compartment has nothing deleted
  dilec->SetPuvodni_oznaceni("");
  EXPECT_TRUE(dilec->MaSmazanyRekurz());

  TOddeleni* odd = stand->VlastnikTridy<TOddeleni>();
  EXPECT_EQ(odd->Id_z_Orgur(), 0);  // no levels
  TLesniMnozina* levels = stand->Org_UrovenMN();
  for (const char* number : {"3", "25", "7"}) {
    levels->SetNovyPrvek(number);
    levels->AktualniPrvek()->SetPropertyText("ORG_UROVEN", number);
  }
  EXPECT_EQ(odd->Id_z_Orgur(), 3025007);
  levels->Prvky()[0]->SetPropertyText("ORG_UROVEN", "2147483647");
  EXPECT_EQ(odd->Id_z_Orgur(), 2147483647);
  levels->Prvky()[0]->SetPropertyText("ORG_UROVEN", "-2147483648");
  levels->Prvky()[1]->SetPropertyText("ORG_UROVEN", "-2147483648");
  EXPECT_EQ(odd->Id_z_Orgur(), -2147483647 - 1);
  levels->Prvky()[0]->SetPropertyText("ORG_UROVEN", "3");
  lhc_->SetPUVOD_DAT("LHP 160");
  EXPECT_EQ(odd->Id_z_Orgur(), 3);
}

TEST_F(StandSetsTest, ZeroProtectionCodesAreDropped) {
  TPorost* stand = SampleStand();
  TPorostniSkupina* group = Group(stand, "1");
  TLesniMnozina* codes = group->EVL_KODmn();
  ASSERT_NE(codes, nullptr);
  for (const char* value : {"0", "5", "0"}) {
    codes->SetNovyPrvekVzdy(value);
    codes->AktualniPrvek()->SetPropertyText("CISLO_LongInt", value);
  }
  group->NPR_KODmn()->SetNovyPrvekVzdy("0");
  stand->VlastnikTridy<TOddeleni>()->VycistiNulyOchrany();
  ASSERT_EQ(codes->PocetPrvku(), 1);
  EXPECT_EQ(codes->Prvky().front()->GetPropertyText("CISLO_LongInt"), "5");
  EXPECT_EQ(group->NPR_KODmn()->PocetPrvku(), 0);
}

}  // namespace
}  // namespace tarnik::plan
