#include <gtest/gtest.h>

#include "forest/hierarchy/office_code.h"
#include "forest/hierarchy/tests/hierarchy_fixture.h"

namespace tarnik::plan {
namespace {

using GroupTest = HierarchyTest;

TEST_F(GroupTest, DesignationIsNormalisedAndDuplicatesAreRefused) {
  TPorost* stand = SampleStand();
  TPorostniSkupina* first = Group(stand, "x");
  first->SetPropertyText("PSK", "1A/B2");
  EXPECT_EQ(first->PSK(), " 1a/b2 ");
  EXPECT_EQ(first->GetName(), "SKUP  1a/b2 ");
  EXPECT_EQ(first->GetPropertyText("PSK_XML"), "1a/b2");
  EXPECT_EQ(stand->PorostniSkupinaMN()->JmenoAktualnihoPrvku(), " 1a/b2 ");

  TPorostniSkupina* second = Group(stand, "12");
  EXPECT_EQ(second->PSK(), "12 ");
  second->SetPropertyText("PSK", "1a/B2");
  EXPECT_EQ(second->PSK(), "12 ");
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0],
            "Porostní skupina \" 1a/b2 \" už existuje. Stávající skupina nebude přejmenována.");
  EXPECT_EQ(ui_.shown.front().kind, "beep");

  // Lookups by key normalise the key the same way.
  TPorostniSkupinaMN* groups = stand->PorostniSkupinaMN();
  groups->SetPropertyText("JmenoAktualnihoPrvku", "1A/b2");
  EXPECT_EQ(groups->AktualniPrvek(), first);
  groups->SetNovyPrvek("1A/B2");  // exists already
  EXPECT_EQ(groups->PocetPrvku(), 2);

  TPorostniSkupina loose;
  loose.SetPSK("a");
  EXPECT_EQ(loose.PSK(), " a ");
  EXPECT_EQ(loose.GetName(), "SKUP  a ");
}

TEST_F(GroupTest, AreasRoundAtTheHalfWayPoints) {
  TPorostniSkupina* g = Group(SampleStand(), "1", 0.125);
  EXPECT_DOUBLE_EQ(g->Plocha(), 0.13);                 // Plocha: halves up
  EXPECT_EQ(g->GetPropertyText("PSK_P_XML"), "0.12");  // XML: halves to even
  g->SetPlocha(0.135);
  EXPECT_EQ(g->GetPropertyText("PSK_P_XML"), "0.14");
  g->SetVymera(2.005);
  g->SetPlocha0(0.375);
  EXPECT_EQ(g->GetPropertyText("PSK_P0_XML"), "0.3800");
  g->SetPouzivatPlochuJakoVymeru(true);
  EXPECT_DOUBLE_EQ(g->Plocha(), 2.01);

  g->SetPouzivatPlochuJakoVymeru(false);
  g->SetPropertyText("PSK_P", "0,001");  // too small: ignored
  EXPECT_DOUBLE_EQ(g->Plocha(), 0.14);
  g->SetPropertyText("PSK_P_XML", " 1.2 5");
  EXPECT_DOUBLE_EQ(g->Plocha(), 1.25);
  g->SetPropertyText("PSK_P_MERK", "2");
  EXPECT_DOUBLE_EQ(g->StaraPlocha(), 1.25);
  EXPECT_DOUBLE_EQ(g->Plocha(), 2);
  EXPECT_TRUE(g->BylEditovan());
}

TEST_F(GroupTest, AreaQualityChoosesMeasuredOrOfficialArea) {
  TPorostniSkupina* g = Group(SampleStand(), "1", 1.0);
  g->SetPlocha0(1.234);
  g->SetVymera(0.996);
  g->SetPropertyText("PSK_KVAL_BezVypoctu", "2");
  EXPECT_DOUBLE_EQ(g->Plocha(), 1.23);
  EXPECT_DOUBLE_EQ(g->StaraPlocha(), 1.0);
  g->SetPropertyText("PSK_KVAL_BezVypoctu", "1");
  EXPECT_DOUBLE_EQ(g->Plocha(), 1.0);
  g->SetPropertyText("PSK_KVAL_BezVypoctu", "-1");  // negative codes count as greater than 1
  EXPECT_DOUBLE_EQ(g->Plocha(), 1.23);
  // A result below 0.001 ha restores the previous area.
  g->SetVymera(0.0001);
  g->SetPropertyText("PSK_KVAL_Vypocet", "0");
  EXPECT_EQ(g->KVAL_P(), 0);
  EXPECT_DOUBLE_EQ(g->Plocha(), 1.23);
}

TEST_F(GroupTest, WordsTextsAndInterventionArea) {
  TPorostniSkupina* g = Group(SampleStand(), "1");
  const std::pair<int, const char*> words[] = {{0, ""},         {1, ""},         {2, "2 části."},
                                               {3, "3 části."}, {4, "4 části."}, {5, "5 částí."},
                                               {7, "7 částí."}};
  for (const auto& [parts, text] : words) {
    g->SetPocetCasti(parts);
    EXPECT_EQ(g->GetPropertyText("PocetCastiSlovne"), text) << parts;
  }

  g->SetPSK_TEXT("pozn. NMD:smrk DTO:buk");
  EXPECT_TRUE(g->JePritomenNMD_DTO());
  EXPECT_EQ(g->NMD_Text(), "smrk ");
  EXPECT_EQ(g->DTO_Text(), "buk");
  EXPECT_EQ(g->Poznamka_Text(), "pozn. ");
  g->SetPSK_TEXT("DTO:x NMD:y");
  EXPECT_EQ(g->Poznamka_Text(), "");
  EXPECT_EQ(g->DTO_Text(), "x ");
  g->SetPSK_TEXT("jen text");
  EXPECT_EQ(g->Poznamka_Text(), "jen text");
  EXPECT_EQ(g->NMD_Text(), "");

  g->SetPropertyText("SRAFA", "31046");
  g->SetPropertyText("Pl_Zasahu_P0135", "0,5");
  EXPECT_DOUBLE_EQ(g->Pl_Zasahu_P0135(), 0.5);
  g->SetPropertyText("SRAFA", "31002");
  EXPECT_DOUBLE_EQ(g->Pl_Zasahu_P0135(), 0);
  g->SetPropertyText("Pl_Zasahu_P0135", "1,5");
  EXPECT_EQ(g->GetPropertyText("TO_P_P0135"), "1,5");
  g->SetPropertyText("SRAFA", "99");
  g->SetPropertyText("Pl_Zasahu_P0135", "7");  // no field: ignored
  EXPECT_DOUBLE_EQ(g->Pl_Zasahu_P0135(), 0);
}

TEST_F(GroupTest, SiteTypeAndOwnerComeFromTheRightPlaces) {
  TPorost* stand = SampleStand();
  stand->SetMAJ_KOD(37);
  TPorostniSkupina* g = Group(stand, "1");
  g->SetPropertyText("LT", "5sx");
  EXPECT_EQ(g->LT(), "5SX");
  EXPECT_EQ(g->GetPropertyText("SLT"), "5S");
  EXPECT_EQ(g->GetPropertyText("STAN_RADA"), "S");
  g->SetPropertyText("SLT", "  ");
  EXPECT_EQ(g->GetPropertyText("SLT"), "5S");
  g->SetPropertyText("SLT", "3K");
  EXPECT_EQ(g->GetPropertyText("SLT"), "3K");
  EXPECT_EQ(g->GetPropertyText("MAJ_KOD"), "37");
  g->SetPropertyText("PLT", "***");
  EXPECT_EQ(g->GetPropertyText("PLT_XML"), "");
  g->SetPropertyText("DAN", "a");
  EXPECT_EQ(g->GetPropertyText("DAN"), "A");
}

TEST_F(GroupTest, OfficeCodeModes) {
  TPorostniSkupina* g = Group(SampleStand(), "1");
  const std::string mode = OfficeCodeMode();
  g->SetPropertyText("ORP", "6108");
  EXPECT_EQ(g->LLES_URAD(), 206108);
  EXPECT_EQ(g->GetPropertyText("LES_URAD"), "6108");
  SetOfficeCodeMode(" dledat ");
  g->SetPropertyText("LES_URAD", "6109");  // keeps the ORP kind
  EXPECT_EQ(g->LLES_URAD(), 206109);
  SetOfficeCodeMode("KU9MIST");
  g->SetPropertyText("LES_URAD", "123");
  EXPECT_EQ(g->LLES_URAD(), 123);
  EXPECT_EQ(g->GetPropertyText("KRAJ"), "*++");  // not an ORP code
  SetOfficeCodeMode("KU6MIST");
  g->SetPropertyText("LES_URAD", "123");
  EXPECT_EQ(g->LLES_URAD(), 200123);
  g->SetPropertyText("LES_URAD", "250000");  // already combined
  EXPECT_EQ(g->LLES_URAD(), 250000);
  SetOfficeCodeMode("jinak");
  g->SetPropertyText("LES_URAD", "5");
  EXPECT_EQ(g->LLES_URAD(), 250000);
  g->SetPropertyText("LES_URAD_Z_KU_KOD", "12345678");
  EXPECT_EQ(g->LLES_URAD(), 123);
  SetOfficeCodeMode(mode);
  EXPECT_EQ(NormalizeRegion("CZ011"), "CZ010");
  EXPECT_EQ(NormalizeRegion("CZ081"), "CZ080");
  EXPECT_EQ(NormalizeRegion("CZ063"), "CZ063");
}

}  // namespace
}  // namespace tarnik::plan
