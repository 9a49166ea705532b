#include <gtest/gtest.h>

#include "data/codelists/cisel_kelva.h"
#include "data/codelists/code_list_container.h"
#include "forest/forest_string_list.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/layers/owner_transformation.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/source_detection.h"
#include "forest/unit/tests/unit_test_support.h"
#include "framework/property_text.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

class UnitListsTest : public ::testing::Test, public test::UnitFixture {
 protected:
  // A unit located in a small Merk 98 database.
  void LocateDatabase() {
    data_ = Dir("unit/DATA");
    test::WriteMerkDatabase(data_, 615203, true);
    unit_.NajdiDataLHP(false, data_, false);
    ASSERT_EQ(unit_.TypZdroje(), kSourceMerk98);
  }
  std::string Items(TLesniStringListElement* list) {
    if (!list || !list->StringListElement()) return "nil";
    std::string text;
    for (framework::TElement* item : list->StringListElement()->Children())
      text += item->GetName() + "=" + item->GetPropertyText("Value") + ";";
    return text;
  }
  std::string data_;
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

TEST_F(UnitListsTest, DatabaseSourcesReadTheirListsFromTheIniSections) {
  LocateDatabase();
  EXPECT_EQ(unit_.PHSNazev(), tmp.File("unit/PHS"));
  const std::string ini = tmp.File("unit/Standard.ini");
  tarnik::testing::WriteFile(ini,
                             "[PolozkyStandarduPP_FST]\r\nODD=ANO\r\nDIL=NE\r\n"
                             "[PolozkyStandarduLHC_FST]\r\nLHC_KOD=ANO\r\n");
  unit_.SetAdrStandardIniFile(ini);
  TLesniStringListElement* pp = unit_.SeznamStandard(StandardList::kPP);
  EXPECT_EQ(Items(pp), "ODD=ANO;DIL=NE;");
  EXPECT_EQ(pp->GetName(), "SeznamStandardPP_FST");
  EXPECT_EQ(unit_.SeznamStandard(StandardList::kPP), pp);  // kept as a child
  EXPECT_EQ(framework::GetPropertyObject(&unit_, "SeznamStandardPP_FST"), pp);
  EXPECT_EQ(Items(unit_.SeznamStandard(StandardList::kLHC)), "LHC_KOD=ANO;");
  EXPECT_TRUE(ui.Messages().empty());
  // A missing section: the list has no items and the user is told.
  EXPECT_EQ(Items(unit_.SeznamStandard(StandardList::kJP)), "nil");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Chybí soubor \"" + ini +
                                                    "\" nebo v něm sekce "
                                                    "\"PolozkyStandarduJP_FST\"."});
}

TEST_F(UnitListsTest, ExportListPrefersUnivExpThenTheLcrIniThenThePhsIni) {
  LocateDatabase();
  tarnik::testing::WriteFile(tmp.File("unit/PHS/PHS.INI"),
                             "[PolozkyStandardu_ExportDoStandardu]\r\nPHS=ANO\r\n");
  EXPECT_EQ(Items(unit_.SeznamExportStandard()), "PHS=ANO;");
  EXPECT_EQ(unit_.SeznamExportStandard()->GetName(), "SeznamExportStandard");

  TLesniCelek lcr;
  lcr.NajdiDataLHP(false, data_, false);
  const std::string lcr_ini = tmp.File("unit/lcr.ini");
  tarnik::testing::WriteFile(lcr_ini, "[PolozkyStandardu_ExportDoStandardu]\r\nLCR=ANO\r\n");
  lcr.SetAdrStandardIniFile(lcr_ini);
  EXPECT_EQ(lcr.AdresarIshulu(), platform::JoinPath(lcr.AdresarStandardu(), "ISHULLCR"));
  EXPECT_EQ(Items(lcr.SeznamExportStandard()), "LCR=ANO;");
  EXPECT_EQ(lcr.AdrStandardIniFile(), platform::UpperCz(lcr_ini));  // stored back upper-cased

  tarnik::testing::WriteFile(program.File("UnivExp.ini"),
                             "[PolozkyStandardu_ExportDoStandardu]\r\nUNIV=ANO\r\n");
  TLesniCelek univ;
  univ.NajdiDataLHP(false, data_, false);
  univ.SetAdrStandardIniFile(lcr_ini);
  EXPECT_EQ(Items(univ.SeznamExportStandard()), "UNIV=ANO;");
  EXPECT_EQ(univ.AdrStandardIniFile(), lcr_ini);
}

}  // namespace
}  // namespace tarnik::plan
