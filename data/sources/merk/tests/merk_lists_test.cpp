#include <gtest/gtest.h>

#include "data/sources/merk/merk_source.h"
#include "data/sources/merk/tests/merk_fixture.h"
#include "forest/forest_string_list.h"
#include "forest/unit/lesni_celek.h"
#include "framework/property_text.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

class UnitListsTest : public ::testing::Test, public test::MerkUnitFixture {
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
