#include "data/sources/exchange/fst_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/sources/exchange/exchange_source.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/unit/lesni_celek.h"
#include "testing/fst_writer.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

using tarnik::testing::FstTable;
using tarnik::testing::WriteFstCodeList;
using tarnik::testing::WriteFstData;

class FstSourceTest : public ::testing::Test, public test::UnitFixture {
 protected:
  FstSourceTest() { RegisterExchangeSource(); }

  // A 98-form directory: PP.FST with compartments 11 and 12, BZL.FST with 12 and 13 only,
  // JP.FST with 14 only, LHC.FST and the catalogue of the 2000 form.
  std::string WriteUnit() {
    const std::string dir = Dir("ishul");
    FstTable pp;
    pp.columns = {"LHC_KOD", "ODD", "DIL", "POR", "PSK", "ETAZ", "DR_ZKR", "ZAST"};
    pp.rows = {{"615203", "11", "A", "1", "1a", "1", "SM", "70"},
               {"615203", "11", "A", "1", "1a", "1", "BK", "30"},
               {"615203", "11", "B", "1", "2", "1", "SM", "100"},
               {"615203", "12", "A", "1", "3", "1", "JD", "100"}};
    WriteFstData(dir + "/PP.FST", pp);
    FstTable bzl;
    bzl.columns = {"ODD", "DIL", "POR", "BZL", "BZL_P"};
    bzl.rows = {
        {"12", "A", "1", "1", "0.3"}, {"13", "A", "1", "1", "0.2"}, {"13", "A", "1", "2", "0.1"}};
    WriteFstData(dir + "/BZL.FST", bzl);
    FstTable jp;
    jp.columns = {"ODD", "DIL", "POR", "JP", "JP_P", "MAJ_KOD"};
    jp.rows = {{"14", "A", "1", "1", "0.4", "1"}};
    WriteFstData(dir + "/JP.FST", jp);
    FstTable lhc;
    lhc.columns = {"LHC_KOD", "LHC_NAZ", "LHP_OD", "LHP_DO"};
    lhc.rows = {{"615203", "Sněžné - Žďárské vrchy", "2022", "2031"}};
    WriteFstData(dir + "/LHC.FST", lhc);
    tarnik::testing::WriteFile(dir + "/KATALOG.FST", "2000\r\n");
    FstTable hs;
    hs.columns = {"CISLO_HS", "NAZEV_HS"};
    hs.separator = ';';
    hs.rows = {{"01", "Exponované"}, {"55", "Živné"}};
    WriteFstCodeList(dir + "/Cis_051.FST", "Hospodářské soubory", hs);
    FstTable owners;
    owners.columns = {"MAJ_KOD", "MAJ_DRUH", "MAJ_NAZ"};
    owners.rows = {{"1", "1", "Lesy České republiky"}};
    WriteFstData(dir + "/Maj.FST", owners);
    return dir;
  }

  // The compartments of the unit in the order delivered: "ODD:lines" with the number of
  // sub-compartments, stands' non-forest and other plots.
  std::vector<std::string> Walk(TLesniCelek& unit) {
    std::vector<std::string> seen;
    for (bool more = unit.LHC()->Oddeleni() != nullptr; more;
         more = !unit.JeKonec() && unit.NactiDalsiOddeleni(false)) {
      TOddeleni* odd = unit.LHC()->Oddeleni();
      int bzl = 0, jp = 0;
      for (framework::TElement* d : odd->DilecMN()->Prvky()) {
        for (framework::TElement* p : dynamic_cast<TDilec*>(d)->PorostMN()->Prvky()) {
          bzl += dynamic_cast<TPorost*>(p)->BezlesiMN()->PocetPrvku();
          jp += dynamic_cast<TPorost*>(p)->JinyPozemekMN()->PocetPrvku();
        }
      }
      seen.push_back(std::to_string(odd->ODD()) + ":" +
                     std::to_string(odd->DilecMN()->PocetPrvku()) + "/" + std::to_string(bzl) +
                     "/" + std::to_string(jp));
    }
    return seen;
  }
};

TEST_F(FstSourceTest, TheUnitIsTheMergeOfItsFilesCompartmentByCompartment) {
  const std::string dir = WriteUnit();
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceStandard2000);
  EXPECT_EQ(unit.AdresarStandardu(), dir);
  unit.ZnovuNacti();
  // The union of the three indexes; 14 is only in JP.FST.
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{" 11", " 12", " 13", " 14"}));
  auto& source = dynamic_cast<FstSource&>(unit.Source());
  EXPECT_EQ(source.PPIndex().size(), 2u);
  EXPECT_EQ(source.BZLIndex().begin()->first, 12);
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "Sněžné - Žďárské vrchy");
  EXPECT_EQ(unit.LHC()->LHC_KOD(), 615203);
  EXPECT_EQ(unit.LHC()->GetPropertyText("LHP_DO"), "2031");
  // PP.FST's recursor carries no tag: LHC.FST's stays.
  EXPECT_EQ(unit.LHC()->PUVOD_DAT(), "IS 98");
  // BZL.FST lacks the first compartment and still delivers the lines of the later ones.
  EXPECT_EQ(Walk(unit), (std::vector<std::string>{"11:2/0/0", "12:1/1/0", "13:1/2/0", "14:1/0/1"}));
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_FALSE(unit.NactiDalsiOddeleni(false));
  // The code lists of the 2000 form.
  TCiselKelva* kelva = unit.CiselKelva();
  ASSERT_EQ(kelva->CisHsMN()->PocetPrvku(), 2);
  EXPECT_EQ(kelva->CisHsMN()->Prvky()[1]->GetPropertyText("NAZEV_HS"), "Živné");
  ASSERT_EQ(kelva->majetkyMN()->PocetPrvku(), 1);
  EXPECT_EQ(kelva->majetkyMN()->Prvky()[0]->GetPropertyText("MAJ_NAZ_C"), "Lesy České republiky");
  EXPECT_TRUE(ui.MessagesOf(platform::Severity::kPassedOver).empty());

  // Loading again starts from the first compartment.
  unit.ZnovuNacti();
  EXPECT_EQ(Walk(unit).size(), 4u);
}

TEST_F(FstSourceTest, TheNinetyEightFormReadsLikeTheTwoThousandForm) {
  const std::string dir = WriteUnit();
  tarnik::testing::WriteFile(dir + "/KATALOG.FST", "1998\r\n");
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceStandard98);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "Sněžné - Žďárské vrchy");
  EXPECT_EQ(unit.LHC()->PUVOD_DAT(), "IS 98");
  EXPECT_EQ(unit.CiselKelva()->CisHsMN()->PocetPrvku(), 2);
  EXPECT_EQ(Walk(unit), (std::vector<std::string>{"11:2/0/0", "12:1/1/0", "13:1/2/0", "14:1/0/1"}));
}

TEST_F(FstSourceTest, TheNinetySevenFormHasNoHeaderFileAndNoCodeLists) {
  const std::string dir = WriteUnit();
  // JP.FST without POR: the 97 form; LHC.FST and the code lists are not read.
  FstTable jp;
  jp.columns = {"ODD", "DIL", "JP", "MAJ_KOD", "MAJ_DRUH"};
  jp.rows = {{"11", "A", "1", "104", "2"}};
  WriteFstData(dir + "/JP.FST", jp);
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceStandard97);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "");
  EXPECT_EQ(unit.LHC()->LHC_KOD(), 615203);  // from PP.FST's lines
  EXPECT_EQ(unit.LHC()->PUVOD_DAT(), "IS 97");
  EXPECT_EQ(unit.CiselKelva()->CisHsMN()->PocetPrvku(), 0);
  EXPECT_EQ(unit.CiselKelva()->majetkyMN()->PocetPrvku(), 0);
  // Without POR, JP.FST's plot goes to the current stand of its sub-compartment, and its owner
  // to that stand.
  TOddeleni* first = unit.LHC()->Oddeleni();
  ASSERT_NE(first, nullptr);
  auto* dilec = dynamic_cast<TDilec*>(first->DilecMN()->Prvky().at(0));
  auto* stand = dynamic_cast<TPorost*>(dilec->PorostMN()->Prvky().at(0));
  EXPECT_EQ(stand->JinyPozemekMN()->PocetPrvku(), 1);
  EXPECT_EQ(stand->MAJ_KOD(), 104);
}

TEST_F(FstSourceTest, MissingFilesAndDirectories) {
  const std::string dir = Dir("only_pp");
  FstTable pp;
  pp.columns = {"ODD", "DIL", "POR"};
  pp.rows = {{"5", "A", "1"}, {"12", "A", "1"}};
  WriteFstData(dir + "/PP.FST", pp);
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceStandard97);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{"  5", " 12"}));
  EXPECT_EQ(Walk(unit), (std::vector<std::string>{"5:1/0/0", "12:1/0/0"}));
  EXPECT_TRUE(ui.Messages().empty());

  // A PP.FST without a complete header: no unit.
  tarnik::testing::WriteFile(dir + "/PP.FST", "|\r\n$\r\n");
  TLesniCelek broken;
  broken.NajdiDataLHP(false, dir, false);
  broken.ZnovuNacti();
  EXPECT_FALSE(broken.Source().IsOpen());
  EXPECT_EQ(broken.LHC()->Oddeleni(), nullptr);
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kFailure),
            (std::vector<std::string>{"Neumím načíst seznam oddělení."}));
  ui.Clear();

  // A directory that is gone by the time the unit is read.
  FstSource gone(dir + "/missing", kSourceStandard98);
  CompartmentList list;
  EXPECT_FALSE(gone.ListCompartments(unit, list));
  EXPECT_TRUE(gone.AtEnd());
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kFailure),
            (std::vector<std::string>{"Adresář ISHÚL \"" + dir + "/missing\" neexistuje."}));
}

}  // namespace
}  // namespace tarnik::plan
