#include <gtest/gtest.h>

#include <limits>

#include "forest/hierarchy/tests/hierarchy_fixture.h"
#include "framework/class_register.h"
#include "framework/handles.h"

namespace tarnik::plan {
namespace {

using CompartmentTest = HierarchyTest;

TEST_F(CompartmentTest, TheLhcHoldsOneCompartmentAtATime) {
  lhc_->SetLHC_KOD(615203);
  TOddeleni* first = Compartment("11");
  framework::TElementRef first_ref = first;
  EXPECT_EQ(first->GetName(), "ODD 11");
  EXPECT_EQ(first->ODD(), 11);
  EXPECT_EQ(first->GetPropertyText("OwnerLHC_KOD"), "615203");
  TOddeleni* second = Compartment("12");
  EXPECT_FALSE(first_ref);  // freed
  EXPECT_EQ(lhc_->OddeleniMN()->PocetPrvku(), 1);
  second->SetPropertyText("ODD", "13");
  EXPECT_EQ(second->GetName(), "ODD 13");
  TOddeleni loose;
  EXPECT_EQ(loose.GetPropertyText("OwnerLHC_KOD"), "0");
  EXPECT_EQ(loose.GetPropertyText("OwnerLHC_NAZ"), "");
}

TEST_F(CompartmentTest, DoplnPomlckyCompletesAFreshCompartment) {
  TOddeleni* empty = Compartment("1");
  empty->DoplnPomlcky();
  ASSERT_EQ(empty->DilecMN()->PocetPrvku(), 1);
  TDilec* dash = empty->Dilec();
  EXPECT_EQ(dash->DIL(), "-");
  EXPECT_EQ(dash->GetName(), "DIL -");
  ASSERT_NE(dash->Porost(), nullptr);
  EXPECT_EQ(dash->Porost()->POR(), "-");

  TOddeleni* odd = Compartment("2");
  TDilec* a = SubCompartment(odd, "a");
  TDilec* b = SubCompartment(odd, "b");
  TPorost* s1 = Stand(b, "1");
  TPorost* s2 = Stand(b, "2");
  TPorostniSkupina* g1 = Group(s2, "1");
  Group(s2, "2");
  odd->DoplnPomlcky();
  EXPECT_EQ(odd->Dilec(), a);
  ASSERT_EQ(a->PorostMN()->PocetPrvku(), 1);
  EXPECT_EQ(a->Porost()->POR(), "-");
  EXPECT_EQ(b->Porost(), s1);
  EXPECT_EQ(s2->PorostniSkupina(), g1);
}

TEST_F(CompartmentTest, LookupByKeyKeepsTheSelection) {
  TOddeleni* odd = Compartment("2");
  TDilec* a = SubCompartment(odd, "a");
  SubCompartment(odd, "b");
  odd->DilecMN()->SetAktualniPrvek(a);
  TDilec* b = odd->DilecJmenem("b");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->DIL(), "b");
  EXPECT_EQ(odd->Dilec(), a);
  EXPECT_EQ(odd->DilecJmenem("x"), nullptr);
  EXPECT_EQ(odd->Dilec(), a);
  odd->DilecMN()->SetAktualniPrvek(nullptr);
  EXPECT_EQ(odd->DilecJmenem("a"), a);
  EXPECT_EQ(odd->Dilec(), nullptr);

  TPorost* s = Stand(a, "3");
  a->PorostMN()->SetAktualniPrvek(nullptr);
  EXPECT_EQ(a->PorostJmenem("3"), s);
  EXPECT_EQ(a->Porost(), nullptr);
}

TEST_F(CompartmentTest, DeletedSubCompartmentsAreRemembered) {
  TOddeleni* odd = Compartment("2");
  TDilec* a = SubCompartment(odd, "a");
  EXPECT_FALSE(odd->MaSmazany());
  // A compartment read in marks itself "-1", which is not new; one made in this run frees what
  // is deleted from it.
  odd->SetPuvodni_oznaceni(kNewDesignation);
  MoveToDeleted(*odd, odd->DilecMN(), odd->SmazanyDilecMN(), a);
  EXPECT_EQ(odd->SmazanyDilecMN()->PocetPrvku(), 0);
  EXPECT_EQ(odd->DilecMN()->PocetPrvku(), 0);

  odd->SetPuvodni_oznaceni("-1");
  TDilec* b = SubCompartment(odd, "b");
  MoveToDeleted(*odd, odd->DilecMN(), odd->SmazanyDilecMN(), b);
  EXPECT_EQ(odd->DilecMN()->PocetPrvku(), 0);
  EXPECT_EQ(odd->SmazanyDilecMN()->PocetPrvku(), 1);
  EXPECT_TRUE(odd->MaSmazany());
  EXPECT_TRUE(odd->GetPropertyBoolean("MaSmazany"));
}

TEST_F(CompartmentTest, CutValuesForTheXml) {
  lhc_->SetPropertyText("ETAT_TO", "1000");
  lhc_->SetPropertyText("ETAT_TV", "400");
  lhc_->SetPropertyText("LHC_IND", "300");
  lhc_->SetPropertyText("LHC_IND_TV", "100");
  EXPECT_EQ(lhc_->GetPropertyText("ETAT_TO_XML"), "1000");
  EXPECT_EQ(lhc_->GetPropertyText("ETAT_TV_XML"), "400");
  forest::Flags().sniz_etat = true;
  EXPECT_EQ(lhc_->GetPropertyText("ETAT_TO_XML"), "800");
  EXPECT_EQ(lhc_->GetPropertyText("ETAT_TV_XML"), "300");
  lhc_->SetPropertyText("ETAT_TO_XML", "900");
  EXPECT_EQ(lhc_->ETAT_TO(), 900);
  // Stored values at the ends of the range reduce without overflow (2147483648 stored reads as
  // the lowest integer).
  lhc_->SetPropertyInteger("LHC_IND", std::numeric_limits<int32_t>::min());
  EXPECT_EQ(lhc_->ETAT_TO_XML(), std::numeric_limits<int32_t>::max());
  lhc_->SetPropertyInteger("LHC_IND_TV", std::numeric_limits<int32_t>::min());
  lhc_->SetPropertyInteger("LHC_IND", 0);
  EXPECT_EQ(lhc_->ETAT_TV_XML(), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(lhc_->ETAT_TO_XML(), 900 - 2147483648LL);
  lhc_->SetPropertyInteger("LHC_IND_TV", 100);

  lhc_->SetPropertyText("LHO", " a ");
  EXPECT_EQ(lhc_->GetPropertyText("LHO"), "A");
  lhc_->SetPropertyText("LHO", "ano");
  EXPECT_EQ(lhc_->GetPropertyText("LHO"), "N");
  EXPECT_EQ(lhc_->GetPropertyText("UHUL_KOD"), "0");
  lhc_->SetPropertyText("VYCH_DO40_XML", "12,346");
  EXPECT_EQ(lhc_->GetPropertyText("VYCH_DO40_XML"), "12.35");
  EXPECT_EQ(lhc_->GetPropertyText("LHO_OD"), lhc_->GetPropertyText("LHP_OD"));
  EXPECT_TRUE(lhc_->GetPropertyBoolean("VypMzdDleZezuly1"));
}

TEST_F(CompartmentTest, ClassesAreRegisteredByName) {
  for (const char* name : {"TLHC", "TOddeleni", "TDilec", "TPorost", "TPorostniSkupina",
                           "TPorostniSkupinaMN", "TLHCMoje", "TPorostniSkupinaMoje", "TFPole"}) {
    framework::TElement* element = framework::CreateElementByClassName(name);
    ASSERT_NE(element, nullptr) << name;
    EXPECT_EQ(element->ClassName(), name);
    delete element;
  }
}

}  // namespace
}  // namespace tarnik::plan
