#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "data/sources/merk/merk_source.h"
#include "data/sources/merk/tests/merk_fixture.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/owner_transformation.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "forest/unit/unit_summary.h"
#include "framework/handles.h"
#include "framework/models/world.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"

namespace tarnik::plan {
namespace {

class UnitLoadingTest : public ::testing::Test, public test::MerkUnitFixture {
 protected:
  // The demo unit built from its SQL text, with its PHS sibling.
  std::string DemoUnit() {
    const std::string data = tmp.File("demo/DATA");
    engine::test::BuildSqlDirectory("samples/demo/DATA", data);
    engine::test::BuildSqlDirectory("samples/demo/PHS", tmp.File("demo/PHS"));
    return data;
  }
};

TEST_F(UnitLoadingTest, DeliversTheDemoUnitOneCompartmentAtATime) {
  const std::string data = DemoUnit();
  std::vector<std::string> log;
  TLesniCelek unit;
  EXPECT_EQ(unit.stareOddeleni(), -1);  // no LHC yet
  unit.SetLogLine([&log](const std::string& text) { log.push_back(text); });
  unit.NajdiDataLHP(false, data, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceMerk98);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{" 11", " 12", " 13"}));
  EXPECT_EQ(unit.JakBylNacten(), "Merk98-Paradox");
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "Sněžné - Žďárské vrchy");
  EXPECT_EQ(unit.AdresarStandardu(), unit.ZdrojNazev());
  EXPECT_EQ(unit.PHSNazev(), tmp.File("demo/PHS"));
  EXPECT_EQ(ui.Statuses(), std::vector<std::string>{"Načítám  seznam oddělení z merku98"});
  EXPECT_EQ(log, std::vector<std::string>{"Z merku 98 načteno oddělení 11"});

  TOddeleni* first = unit.LHC()->Oddeleni();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->ODD(), 11);
  framework::TElementRef first_ref(first);
  ASSERT_FALSE(unit.JeKonec());
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  // The previous compartment is gone: the unit holds one at a time.
  EXPECT_FALSE(first_ref);
  EXPECT_EQ(unit.LHC()->OddeleniMN()->PocetPrvku(), 1);
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 12);
  EXPECT_EQ(unit.stareOddeleni(), 11);
  ASSERT_TRUE(unit.NactiDalsiOddeleni(true));
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 13);
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_FALSE(unit.NactiDalsiOddeleni(false));
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 13);
  EXPECT_EQ(log.back(), "Z merku 98 načteno oddělení 13");

  // Reloading starts again at the first compartment.
  unit.ZnovuNacti();
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 11);
  EXPECT_FALSE(unit.JeKonec());
}

TEST_F(UnitLoadingTest, WithoutColoursNoPropertyMetadataIsMade) {
  const std::string data = DemoUnit();
  TLesniCelek coloured;
  coloured.NajdiDataLHP(false, data, false);
  coloured.ZnovuNacti();
  ASSERT_NE(coloured.LHC()->Oddeleni(), nullptr);
  EXPECT_NE(coloured.LHC()->Oddeleni()->Vlastnosti(), nullptr);

  TLesniCelek plain;
  plain.SetBezBarev(true);
  plain.NajdiDataLHP(false, data, false);
  plain.ZnovuNacti();
  TOddeleni* odd = plain.LHC()->Oddeleni();
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->Vlastnosti(), nullptr);
  EXPECT_EQ(odd->ODD(), coloured.LHC()->Oddeleni()->ODD());
}

TEST_F(UnitLoadingTest, TheOwnerTransformationIsAppliedToEveryLoadedCompartment) {
  const std::string data = DemoUnit();
  TLesniCelek unit;
  unit.NajdiDataLHP(false, data, false);
  auto* row = new TTransforDleMajitele();
  row->odd = 12;
  row->dil = "B";
  row->por = "1";
  row->maj_kod = 104;
  row->maj_druh = 2;
  unit.TransforDleMajiteleMN()->AddElement(row);
  auto* missing = new TTransforDleMajitele();
  missing->odd = 13;
  missing->dil = "Z";
  unit.TransforDleMajiteleMN()->AddElement(missing);
  unit.ZnovuNacti();
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  TDilec* dilec = unit.LHC()->Oddeleni()->DilecJmenem("B");
  ASSERT_NE(dilec, nullptr);
  TPorost* stand = dilec->PorostJmenem("1");
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(stand->GetPropertyInteger("MAJ_KOD"), 104);
  EXPECT_EQ(stand->GetPropertyInteger("MAJ_DRUH"), 2);
  EXPECT_TRUE(ui.Messages().empty());
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"V oddělení 13neexistuje dílec \"Z\""});
}

TEST_F(UnitLoadingTest, TheOlderTableSetIsReadAsMerk97) {
  const std::string data = DemoUnit();
  engine::Database::Open(data).Execute("ALTER TABLE LHC DROP COLUMN LHC_PN_PRO");
  std::vector<std::string> log;
  TLesniCelek unit;
  unit.SetLogLine([&log](const std::string& text) { log.push_back(text); });
  unit.NajdiDataLHP(false, data, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceMerk97);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.JakBylNacten(), "Merk97-Paradox");
  EXPECT_EQ(ui.Statuses().front(), "Načítám  seznam oddělení z merku97");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Z merku 97 načteno oddělení 11");
  const UnitSummary summary = SummariseUnit(unit);
  ASSERT_EQ(summary.compartments.size(), 3u);
  EXPECT_EQ(summary.compartments.back().odd, 13);
  EXPECT_EQ(summary.lhc_naz, "Sněžné - Žďárské vrchy");
}

TEST_F(UnitLoadingTest, AFailingCompartmentIsReportedAndTheWalkStillEnds) {
  const std::string data = DemoUnit();
  TLesniCelek unit;
  unit.NajdiDataLHP(false, data, false);
  unit.ZnovuNacti();
  ASSERT_EQ(unit.LHC()->Oddeleni()->ODD(), 11);
  engine::Database::Open(data).Execute("DROP TABLE DILEC");
  int calls = 0;
  while (!unit.JeKonec() && calls < 10) {
    unit.NactiDalsiOddeleni(false);
    ++calls;
  }
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_LE(calls, 2);
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_NE(ui.Messages().back().find("DILEC"), std::string::npos);
}

TEST_F(UnitLoadingTest, ASessionLocatesLoadsAndFillsTheCodeLists) {
  const std::string data = DemoUnit();
  UnitSession session = OpenUnitSession(data);
  ASSERT_TRUE(session.ok()) << session.failure;
  TLesniCelek* unit = session.unit;
  EXPECT_GE(framework::World().ObjectModel()->IndexOf(unit), 0);
  EXPECT_EQ(unit->LHC()->Oddeleni()->ODD(), 11);
  // The plan-wide tables are lent to the code lists and the second set is filled from them.
  EXPECT_NE(unit->Ciselnik()->Lists().tables().Get("Tb_HS"), nullptr);
  EXPECT_NE(unit->Ciselnik()->Lists().tables().Get("tb_Majetky"), nullptr);
  engine::Table olh(engine::Database::Open(tmp.File("demo/PHS"), engine::OpenMode::kReadOnly),
                    "OLH");
  EXPECT_EQ(unit->CiselKelva()->OLHMN()->PocetPrvku(), olh.RecordCount());
  framework::TElementRef ref(unit);
  CloseUnitSession(session);
  EXPECT_FALSE(ref);
  EXPECT_EQ(session.unit, nullptr);

  UnitSession none = OpenUnitSession(Dir("nothing"));
  EXPECT_FALSE(none.ok());
  EXPECT_EQ(none.failure, "V adresáři \"\" nejsou data LHP");
}

}  // namespace
}  // namespace tarnik::plan
