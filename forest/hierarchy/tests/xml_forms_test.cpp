#include <gtest/gtest.h>

#include <memory>

#include "forest/codelists/cisel_kelva.h"
#include "forest/hierarchy/tests/hierarchy_fixture.h"
#include "framework/property_text.h"

namespace tarnik::plan {
namespace {

using XmlFormsTest = HierarchyTest;

TEST_F(XmlFormsTest, CopiesKeepTheStoredValuesBehindTheXmlForms) {
  TPorostniSkupina* group = Group(SampleStand(), "1");
  group->SetPlocha0(0.123456);
  group->SetVymera(2.345678);
  group->SetPropertyText("PLT", "***");
  group->SetPlocha(1.0);
  group->SetStaraPlocha(0.5);
  std::unique_ptr<framework::TElement> copy(framework::CloneElement(*group));
  auto* twin = static_cast<TPorostniSkupina*>(copy.get());
  EXPECT_DOUBLE_EQ(twin->Plocha0(), 0.123456);
  EXPECT_DOUBLE_EQ(twin->Vymera(), 2.345678);
  EXPECT_EQ(twin->GetPropertyText("PLT"), "***");
  EXPECT_DOUBLE_EQ(twin->StaraPlocha(), 0.5);  // the entry form's area edit is not replayed

  // The reduced cut of an XML export does not become the stored cut of a copy.
  lhc_->SetPropertyText("ETAT_TO", "1000");
  lhc_->SetPropertyText("LHC_IND", "300");
  lhc_->SetPropertyText("LHC_IND_TV", "100");
  forest::Flags().sniz_etat = true;
  ASSERT_EQ(lhc_->GetPropertyText("ETAT_TO_XML"), "800");
  std::unique_ptr<framework::TElement> header(framework::CloneElement(*lhc_));
  EXPECT_EQ(header->GetPropertyText("ETAT_TO"), "1000");
}

TEST_F(XmlFormsTest, StandTextLinesAreStoredAsLines) {
  TPorost* stand = SampleStand();
  stand->SetPropertyText("POR_TEXT", "první\r\n druhý \r\ntřetí\r\nčtvrtý");
  ASSERT_EQ(stand->PorText().size(), 4u);
  EXPECT_EQ(stand->GetPropertyText("POR_TEXT_Xml"), "první druhý třetí@$&čtvrtý");
  std::unique_ptr<framework::TElement> copy(framework::CloneElement(*stand));
  auto* twin = static_cast<TPorost*>(copy.get());
  EXPECT_EQ(twin->PorText(), stand->PorText());
}

TEST_F(XmlFormsTest, XmlFormsReadFromAFileReachTheirFields) {
  TPorost* stand = SampleStand();
  stand->SetPropertyText("PAS_OHR_XML", "a");
  EXPECT_EQ(stand->GetPropertyText("PAS_OHR"), "A");
  stand->SetPropertyText("LES_OBL_XML", "5");
  EXPECT_EQ(stand->LES_OBL(), " 5");
  stand->SetPropertyText("LES_PODOBL_XML", "5a");
  EXPECT_EQ(stand->LES_PODOBL(), " 5a");

  TPorostniSkupina* group = Group(stand, "1");
  group->SetPropertyText("PLT_XML", "12");
  EXPECT_EQ(group->GetPropertyText("PLT"), "12");
  group->SetPropertyText("LVS_XML", "4");
  EXPECT_EQ(group->GetPropertyText("LVS"), "4");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(XmlFormsTest, CadastralAreasReadFromAFileAreRegisteredOnce) {
  auto* kelva = new TCiselKelva();
  lhc_->AddElement(kelva);
  TPorost* stand = SampleStand();
  Group(stand, "1")->SetPropertyText("KU_KOD_xml", "752061");
  Group(stand, "2")->SetPropertyText("KU_KOD_xml", "752061");
  Group(stand, "3")->SetPropertyText("KU_KOD_xml", " ");
  ASSERT_EQ(kelva->katastryMN()->PocetPrvku(), 1);
  EXPECT_EQ(kelva->katastryMN()->Prvky().front()->GetPropertyText("Kod"), "752061");
  EXPECT_EQ(stand->PorostniSkupina()->KU_KOD(), 0);
  EXPECT_EQ(stand->PorostniSkupinaMN()->Prvky().front()->GetPropertyText("KU_KOD"), "752061");
}

}  // namespace
}  // namespace tarnik::plan
