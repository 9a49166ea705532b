#include <gtest/gtest.h>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/forest_string_list.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/layers/owner_transformation.h"
#include "forest/unit/lesni_celek.h"
#include "framework/property_text.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

class UnitListsTest : public ::testing::Test, public test::UnitFixture {
 protected:
  TLesniCelek unit_;
};

TEST_F(UnitListsTest, ChildrenAreCreatedOnceAndFoundThroughTheLookups) {
  TLHC* lhc = unit_.LHC();
  EXPECT_EQ(unit_.LHC(), lhc);
  EXPECT_EQ(unit_.LHCOwnEnt(), lhc);
  EXPECT_EQ(framework::GetPropertyObject(&unit_, "LHC"), lhc);
  tciselnik* container = unit_.Ciselnik();
  TCiselKelva* kelva = unit_.CiselKelva();
  EXPECT_EQ(kelva->GetName(), "CiselKelva");
  EXPECT_EQ(unit_.ciselKelvaOwnEnt(), kelva);
  // Filled from the program's decision types.
  EXPECT_GT(kelva->TypRozhodnutiMN()->PocetPrvku(), 0);
  // The LHC's compartments find the unit's code lists through their holders.
  TOddeleniMN* set = lhc->OddeleniMN();
  set->SetNovyPrvek("5");
  ASSERT_NE(lhc->Oddeleni(), nullptr);
  EXPECT_EQ(lhc->Oddeleni()->Ciselnik(), container);
  EXPECT_EQ(lhc->Oddeleni()->ciselKelvaOwnEnt(), kelva);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(UnitListsTest, OtherSourcesHaveNoItemLists) {
  EXPECT_EQ(unit_.ZdrojNazev(), "Pěkná blbost");
  EXPECT_EQ(unit_.PHSNazev(), "");
  EXPECT_EQ(unit_.AdresarTabulky_TBSepMaj(), "");
  EXPECT_EQ(unit_.SeznamExportStandard(), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kPP), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kJP), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kOST), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kLHC), nullptr);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(5, "Nevím jak byl načten lesní celek."));
  ui.Clear();
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kBZL), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kCPP), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kCPB), nullptr);
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kCPJ), nullptr);
  EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace tarnik::plan
