#include <gtest/gtest.h>

#include "forest/hierarchy/dominant.h"
#include "forest/hierarchy/fpole.h"
#include "forest/hierarchy/tests/hierarchy_fixture.h"

namespace tarnik::plan {
namespace {

using StandTest = HierarchyTest;

TEST_F(StandTest, OwnerRegionAndProtectionZoneTexts) {
  TPorost* stand = SampleStand();
  stand->SetPropertyText("MAJ_DRUH", "2");
  stand->SetPropertyText("MAJ_KOD", "37");
  EXPECT_EQ(stand->GetPropertyText("VLASTNIK"), "200037");
  stand->SetPropertyText("VLASTNIK", "312345");
  EXPECT_EQ(stand->MAJ_DRUH(), 3);
  EXPECT_EQ(stand->MAJ_KOD(), 12345);
  stand->SetPropertyText("VLASTNIK", "1234");
  EXPECT_EQ(stand->MAJ_KOD(), 12345);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "U porostu Porost: ODD 5a1 není vlastník \"1234\" šestimístný.");

  const std::pair<const char*, const char*> regions[] = {
      {"5", " 5"}, {"5a", " 5a"}, {"XXX", "XXX"}, {"AbC", "abc"}, {"16", "16"}};
  for (const auto& [in, out] : regions) {
    stand->SetPropertyText("LES_OBL", in);
    EXPECT_EQ(stand->GetPropertyText("LES_OBL"), out) << in;
  }
  stand->SetPropertyText("LES_PODOBL", "5a");
  EXPECT_EQ(stand->GetPropertyText("LES_PODOBL_XML"), "5a");

  stand->SetPropertyText("PAS_OHR", " - ");
  EXPECT_EQ(stand->GetPropertyText("PAS_OHR_XML"), "D");
  stand->SetPropertyText("PAS_OHR", "");
  EXPECT_EQ(stand->GetPropertyText("PAS_OHR_XML"), "D");
  stand->SetPropertyText("PAS_OHR", " 1 a");
  EXPECT_EQ(stand->GetPropertyText("PAS_OHR_XML"), "1A");
}

TEST_F(StandTest, AreaSumsRoundTheRunningSumBeforeEachGroup) {
  TPorost* stand = SampleStand();
  TPorostniSkupina* a = Group(stand, "1", 1.11);
  TPorostniSkupina* b = Group(stand, "2", 2.22);
  a->SetVymera(0.125);
  b->SetVymera(0.125);
  EXPECT_NEAR(stand->POR_P(), 3.33, 1e-12);
  // 0.125 is rounded to 0.12 (halves to even) before the second group is added; the final sum
  // is not rounded again.
  EXPECT_NEAR(stand->POR_V(), 0.245, 1e-12);
  EXPECT_EQ(stand->GetPropertyText("POR_V"), "0,245");

  // Groups of a deleted stand count nowhere.
  TDilec* dilec = stand->VlastnikTridy<TDilec>();
  TOddeleni* odd = dilec->VlastnikTridy<TOddeleni>();
  EXPECT_NEAR(odd->PlochaPUPFL(), 3.33, 1e-12);
  TPorost* gone = Stand(dilec, "2");
  Group(gone, "1", 5);
  EXPECT_NEAR(odd->PlochaPUPFL(), 8.33, 1e-12);
  MoveToDeleted(*dilec, dilec->PorostMN(), dilec->SmazanyPorostMN(), gone);
  EXPECT_NEAR(odd->PlochaPUPFL(), 3.33, 1e-12);
  EXPECT_NEAR(odd->VymeraPUPFL(), 0.25, 1e-12);
}

TEST_F(StandTest, CadastreTableCountsDistinctAreas) {
  TPorost* stand = SampleStand();
  Group(stand, "1", 1.5, 1001);
  Group(stand, "2", 2.25, 1002);
  Group(stand, "3", 0.75, 1001);
  EXPECT_EQ(stand->GetPropertyText("PocetKatastruZeSkupin"), "2");
  TFPole* table = stand->FPole();
  EXPECT_EQ(table->Radek(1)->Klasifikator(), "1001");
  EXPECT_DOUBLE_EQ(table->Radek(1)->ProPlocha(), 2.25);
  EXPECT_EQ(table->Radek(2)->Klasifikator(), "1002");
  EXPECT_DOUBLE_EQ(table->Radek(2)->ProPlocha(), 2.25);
  EXPECT_EQ(table->Radek(3)->Klasifikator(), "");
  // A rebuild starts over instead of adding to the previous sums.
  EXPECT_EQ(stand->PocetKatastruZeSkupin(), 2);
  EXPECT_DOUBLE_EQ(table->Radek(1)->ProPlocha(), 2.25);
  EXPECT_EQ(table->GetCount(), kFPoleRows);
  EXPECT_EQ(table->Radek(0), nullptr);
  EXPECT_EQ(table->Radek(41), nullptr);

  // Beyond the 40 rows the areas are still counted.
  TPorost* big = Stand(stand->VlastnikTridy<TDilec>(), "2");
  for (int i = 0; i < 45; ++i) Group(big, std::to_string(100 + i), 1, 2000 + i);
  EXPECT_EQ(big->PocetKatastruZeSkupin(), 45);
  EXPECT_EQ(big->FPole()->Radek(40)->Klasifikator(), "2039");

  table->Radek(1)->SetKlasifikator(std::string(31, 'x'));
  EXPECT_EQ(table->Radek(1)->Klasifikator(), std::string(30, 'x'));
  EXPECT_EQ(ui_.Messages().back(), "Pozor uřezávám Klasifikátor");
}

TEST_F(StandTest, DominantSiteTypeAndZone) {
  TPorost* stand = SampleStand();
  TPorostniSkupina* a = Group(stand, "1", 1.0);
  a->SetSLT("3K");
  TPorostniSkupina* b = Group(stand, "2", 0.6);
  b->SetSLT("5S");
  TPorostniSkupina* c = Group(stand, "3", 0.4);
  c->SetSLT("5S");
  EXPECT_EQ(DominantSLT(*stand), "3K");  // a tie: the earlier value
  EXPECT_EQ(DominantZone(*stand), 3);
  c->SetPlocha(0.5);
  EXPECT_EQ(DominantSLT(*stand), "5S");
  EXPECT_EQ(b->GetPropertyText("LVS_XML"), "5");
  b->SetLVS(7);
  EXPECT_EQ(b->GetPropertyText("LVS_XML"), "7");

  // A stand without site types falls back to the compartment's zone.
  TPorost* other = Stand(stand->VlastnikTridy<TDilec>(), "2");
  TPorostniSkupina* d = Group(other, "1", 1.0);
  d->SetSLT("0X");
  EXPECT_EQ(DominantZone(*other), 0);
  EXPECT_EQ(d->LVS_XML(), 5);
  EXPECT_EQ(DominantSLT(*Stand(stand->VlastnikTridy<TDilec>(), "3")), "");
}

TEST_F(StandTest, TextLinesAndDesignations) {
  TPorost* stand = SampleStand();
  stand->SetPropertyText("POR_TEXT_Vse", "a\r\n b \r\nc\r\nd\r\ne\r\nf\r\ng\r\nh");
  EXPECT_EQ(stand->GetPropertyText("POR_TEXT_Vse"), "a b c@$&d@$&e f@$&g h");
  EXPECT_EQ(stand->GetPropertyText("POR_TEXT_1Radek"), "a");
  EXPECT_EQ(stand->GetPropertyText("POR_TEXT_Vse_BezZavin"), "a  b  c  d  e  f  g  h");

  TPorostniSkupina* g = Group(stand, "1a");
  EXPECT_EQ(stand->CeleOznaceni(), "Porost: ODD 5a1");
  EXPECT_EQ(stand->CeleOznaceniKratce(), "5a1");
  EXPECT_EQ(g->CeleOznaceni(), "Porost: ODD 5a1 Skup:  1a");
  EXPECT_EQ(g->CeleOznaceniKratce(), "5a11a");
  EXPECT_EQ(g->GetPropertyText("Ozn"), " 1a");
  TPorost loose;
  loose.SetPOR("7");
  EXPECT_EQ(loose.GetName(), "POR 7");
  EXPECT_EQ(loose.CeleOznaceni(), "Porost: 7");
  loose.SetPOR("  ");  // blank: ignored
  EXPECT_EQ(loose.POR(), "7");
}

TEST_F(StandTest, NewElementsAreMarkedNew) {
  TPorost* stand = SampleStand();
  EXPECT_EQ(stand->RId(), -1);
  EXPECT_TRUE(stand->BylNoveVytvoren());
  EXPECT_TRUE(stand->JeNactenCely());
  EXPECT_EQ(lhc_->Oddeleni()->Puvodni_oznaceni(), "-1");
}

}  // namespace
}  // namespace tarnik::plan
