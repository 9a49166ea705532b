// The choice of source among every plan source the program registers, through the forest unit.
#include <gtest/gtest.h>

#include "app/commands/tests/program_fixture.h"
#include "data/engine/database.h"
#include "data/sources/exchange/exchange_source.h"
#include "data/sources/merk/merk_source.h"
#include "data/sources/oracle/oracle_source.h"
#include "data/sources/part_files/part_files_source.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/lesni_celek.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace tarnik::plan {
namespace {

using test::WriteMerkDatabase;

class SourceDetectionTest : public ::testing::Test, public app::test::ProgramUnitFixture {
 protected:
  // Locates the data of `dir` in a fresh unit and answers its kind.
  int Locate(const std::string& dir, bool write_manager = false) {
    unit_ = std::make_unique<TLesniCelek>();
    unit_->NajdiDataLHP(false, dir, write_manager);
    return unit_->TypZdroje();
  }
  void WriteStandardFiles(const std::string& dir, bool jp_has_por, const char* katalog) {
    tarnik::testing::WriteFile(dir + "/PP.FST", "|\r\n$\r\n1\r\nODD\r\n0\r\n");
    tarnik::testing::WriteFile(dir + "/JP.FST", jp_has_por
                                                    ? "|\r\n$\r\n3\r\nODD\r\nDIL\r\nPOR\r\n0\r\n"
                                                    : "|\r\n$\r\n2\r\nODD\r\nJP\r\n0\r\n");
    if (katalog) tarnik::testing::WriteFile(dir + "/KATALOG.FST", katalog);
  }
  std::unique_ptr<TLesniCelek> unit_;
};

TEST_F(SourceDetectionTest, PartFilesOfOneUnit) {
  const std::string dir = Dir("lhp160");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  tarnik::testing::WriteFile(dir + "/123.02V", "");
  tarnik::testing::WriteFile(dir + "/notes.V", "");  // not a part file
  EXPECT_EQ(Locate(dir), kSourcePartFiles);
  EXPECT_EQ(unit_->LHC()->LHC_KOD(), 123);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(unit_->adresarObecnychDatLHP(), dir);
  EXPECT_EQ(Setting("DATA_OBECNE"), dir);
  EXPECT_EQ(Setting("DATA"), "");  // only the databases are stored under DATA
}

TEST_F(SourceDetectionTest, PartFilesOfTwoUnitsLoadTheFirst) {
  const std::string dir = Dir("two");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  tarnik::testing::WriteFile(dir + "/456.01V", "");
  EXPECT_EQ(Locate(dir + "/"), kSourcePartFiles);  // a trailing separator is dropped
  EXPECT_EQ(unit_->LHC()->LHC_KOD(), 123);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"V adresáři " + dir +
                                     "jsou data lhc č.123 i lhc č.456. Načítám pouze lhc č.123 ."});
}

TEST_F(SourceDetectionTest, ExchangeFilesByTheirHeaderAndCatalogue) {
  const std::string y2000 = Dir("fst2000");
  WriteStandardFiles(y2000, true, " 2000 \r\nLHC\r\n");
  EXPECT_EQ(Locate(y2000), kSourceStandard2000);
  EXPECT_EQ(unit_->AdresarStandardu(), y2000);
  EXPECT_EQ(unit_->AdresarIshulu(), y2000 + "/ISHUL");

  const std::string y98 = Dir("fst98");
  WriteStandardFiles(y98, true, "1998\r\n");
  EXPECT_EQ(Locate(y98), kSourceStandard98);

  const std::string y97 = Dir("fst97");
  WriteStandardFiles(y97, false, " 2000 ");
  EXPECT_EQ(Locate(y97), kSourceStandard97);
}

TEST_F(SourceDetectionTest, DatabaseOverridesThePartFilesAndIsStored) {
  const std::string current = Dir("merk98");
  tarnik::testing::WriteFile(current + "/123.01V", "");
  WriteMerkDatabase(current, 615203, true);
  EXPECT_EQ(Locate(current), kSourceMerk98);
  EXPECT_EQ(unit_->LHC()->LHC_KOD(), 615203);
  EXPECT_EQ(Setting("DATA"), "PATH=" + current);
  EXPECT_EQ(Setting("DATA_OBECNE"), current);
  EXPECT_EQ(Setting("MANAGER"), "");
  EXPECT_EQ(unit_->ZdrojNazev(), current);
  EXPECT_EQ(unit_->AdresarTabulky_TBSepMaj(), current + "/TBSepMaj.DB");

  const std::string older = Dir("merk97");
  tarnik::testing::WriteFile(older + "/123.01V", "");
  WriteMerkDatabase(older, 4711, false);
  EXPECT_EQ(Locate(older, true), kSourceMerk97);
  EXPECT_EQ(unit_->LHC()->LHC_KOD(), 4711);
  EXPECT_EQ(Setting("MANAGER"), "NE");
  // The probe leaves nothing behind in the directory.
  EXPECT_FALSE(platform::FileExists(older + "/testZapi.pok"));
}

TEST_F(SourceDetectionTest, TheProbeWorksWithAnApostropheInThePath) {
  const std::string dir = Dir("O'Brienova data/LHP 'pokus'");
  WriteMerkDatabase(dir, 321, true);
  EXPECT_EQ(Locate(dir), kSourceMerk98);
  EXPECT_EQ(unit_->LHC()->LHC_KOD(), 321);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SourceDetectionTest, WithoutTheOtherLandTableThereIsNoDatabase) {
  const std::string dir = Dir("lhc-only");
  engine::Database db = engine::Database::Open(dir);
  db.Execute("CREATE TABLE LHC (ID DOUBLE, LHC_KOD DOUBLE, LHC_PN_PRO INTEGER)");
  EXPECT_EQ(Locate(dir), kSourceUnknown);
  // A database with OST_POZ but no LHC table reports the failed probe and stays undetermined.
  db.Execute("CREATE TABLE OST_POZ (ID DOUBLE)");
  db.Execute("DROP TABLE LHC");
  EXPECT_EQ(Locate(dir), kSourceUnknown);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("LHC.DB"), std::string::npos);
}

TEST_F(SourceDetectionTest, NothingRecognisedLeavesKindSevenAndTheSettings) {
  EXPECT_EQ(Locate(Dir("empty")), kSourceUnknown);
  EXPECT_EQ(Locate(tmp.File("missing")), kSourceUnknown);
  EXPECT_EQ(Locate("NicSeNavybralo"), kSourceUnknown);
  EXPECT_EQ(Setting("DATA_OBECNE"), "");
  EXPECT_EQ(unit_->adresarObecnychDatLHP(), "");
  EXPECT_EQ(Locate(" ALIAS "), kSourceAlias);
  EXPECT_EQ(Locate("LCR-Oracle LHP"), kSourceLcrOracle);
  EXPECT_EQ(Setting("DATA_OBECNE"), "LCR-Oracle LHP");
}

TEST_F(SourceDetectionTest, WithoutADirectoryTheUserChooses) {
  const std::string start = Dir("start");
  const std::string data = Dir("chosen");
  WriteMerkDatabase(data, 77, true);
  platform::IniFile(platform::ProgramFile("vekta.ini"))
      .WriteString("DATABASE", "DATA_OBECNE", start);
  ui.directories.push_back(data);
  TLesniCelek unit;
  unit.NajdiDataLHP(true, "", false);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind, "directory");
  EXPECT_EQ(ui.shown[0].caption, "Obecné hledání");
  EXPECT_EQ(ui.shown[0].text, start);
  EXPECT_EQ(unit.TypZdroje(), kSourceMerk98);
  EXPECT_EQ(Setting("DATA_OBECNE"), data);

  // Cancelling is the sentinel, not a directory; a stored directory that is gone starts at home.
  platform::IniFile(platform::ProgramFile("vekta.ini"))
      .WriteString("DATABASE", "DATA_OBECNE", tmp.File("gone"));
  ui.Clear();
  TLesniCelek cancelled;
  cancelled.NajdiDataLHP(true, "", false);
  EXPECT_EQ(cancelled.TypZdroje(), kSourceUnknown);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, platform::HomeDir());
}

TEST_F(SourceDetectionTest, RecognisedSourcesThatCannotBeReadLoadNothing) {
  const std::string dir = Dir("fst");
  // PP.FST's header ends before its line count.
  tarnik::testing::WriteFile(dir + "/PP.FST", "|\r\n$\r\n1\r\nODD\r\n");
  tarnik::testing::WriteFile(dir + "/JP.FST", "|\r\n$\r\n2\r\nODD\r\nJP\r\n0\r\n");
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceStandard97);
  unit.ZnovuNacti();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Soubor PP.FST nemá úplnou hlavičku sloupců, jeho data se nenačtou.",
                               "Neumím načíst seznam oddělení."}));
  EXPECT_FALSE(unit.Source().IsOpen());
  EXPECT_TRUE(unit.SeznamOddeleni().empty());
  EXPECT_EQ(unit.LHC()->Oddeleni(), nullptr);
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_FALSE(unit.NactiDalsiOddeleni(false));
  EXPECT_FALSE(unit.NactiPrvniOddeleni());
  EXPECT_EQ(ui.Messages().size(), 4u);
  EXPECT_EQ(unit.JakBylNacten(), "");
  // The alias and the Oracle database end their data at once.
  TLesniCelek alias;
  alias.NajdiDataLHP(false, "ALIAS", false);
  EXPECT_TRUE(alias.JeKonec());
}

}  // namespace
}  // namespace tarnik::plan
