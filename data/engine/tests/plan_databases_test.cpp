#include "data/engine/plan_databases.h"

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/schema.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/recording_ui.h"
#include "platform/text.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

TEST(AliasesTest, SettingsAndDirectories) {
  testing::ScopedProgramDir progdir;
  DatabaseSettings none = ReadDatabaseSettings();
  EXPECT_EQ(DirectoryOfParameter(none.data_parameter), DefaultDataDirectory());
  EXPECT_TRUE(none.phs_access);
  EXPECT_TRUE(none.manager);
  platform::IniFile ini(progdir.File("vekta.ini"));
  ini.WriteString("DATABASE", "PristupPHS", "ne");
  ini.WriteString("DATABASE", "MANAGER", "NE");
  ASSERT_TRUE(StoreDataDirectory("C:\\LHP\\DATA"));
  DatabaseSettings s = ReadDatabaseSettings();
  EXPECT_EQ(s.data_parameter, "PATH=C:\\LHP\\DATA");
  EXPECT_EQ(DirectoryOfParameter(s.data_parameter), "C:/LHP/DATA");
  EXPECT_FALSE(s.phs_access);
  EXPECT_FALSE(s.manager);

  EXPECT_EQ(PhsDirectoryOf("C:\\LHP\\DATA"), "C:/LHP/PHS");
  EXPECT_EQ(PhsDirectoryOf("/data/615203/"), "/data/615203/PHS");
  EXPECT_EQ(PhsDirectoryOf("DATA"), platform::JoinPath(platform::WorkingDir(), "PHS"));
  EXPECT_EQ(CodeListDirectory(), progdir.File("CISELNIK"));
  EXPECT_EQ(OlderCodeListDirectory(), CodeListDirectory());  // no fixed installation
}

TEST(AliasesTest, AliasSetOpensOnFirstUse) {
  testing::TempDir tmp;
  test::RunSql(tmp.File("a"), "CREATE TABLE X (A INTEGER);");
  AliasSet aliases;
  EXPECT_THROW(aliases.Get(kAliasPlan), EngineError);
  aliases.Bind(kAliasPlan, tmp.File("a"));
  EXPECT_TRUE(aliases.IsBound("db_tx98"));
  EXPECT_FALSE(aliases.IsConnected(kAliasPlan));
  EXPECT_TRUE(aliases.Get(kAliasPlan).TableExists("x"));
  EXPECT_EQ(OpenTable(aliases, "DB_TX98", "x.db")->name(), "X");
  EXPECT_EQ(aliases.Get(kAliasPlan).alias(), "DB_TX98");
  EXPECT_TRUE(aliases.IsConnected(kAliasPlan));
  aliases.Disconnect(kAliasPlan);
  EXPECT_FALSE(aliases.IsConnected(kAliasPlan));
  aliases.Bind(kAliasAuxiliary, tmp.File("missing"));
  EXPECT_THROW(aliases.Get(kAliasAuxiliary), EngineError);
}

TEST(AliasesTest, ProbeLeavesNothingBehindAndKeepsLockFiles) {
  testing::TempDir tmp;
  test::RunSql(tmp.File("cand"), "CREATE TABLE LHC (ID DOUBLE, LHC_PN_PRO INTEGER);");
  testing::WriteFile(tmp.File("cand/Paradox.lck"), "x");
  testing::WriteFile(tmp.File("cand/Pdoxusrs.lck"), "x");
  Database db = OpenProbe(tmp.File("cand"));
  EXPECT_TRUE(db.read_only());
  EXPECT_TRUE(db.FindColumn("LHC", "LHC_PN_PRO"));
  EXPECT_FALSE(platform::FileExists(tmp.File("cand/testZapi.pok")));
  EXPECT_TRUE(platform::FileExists(tmp.File("cand/Paradox.lck")));
  EXPECT_TRUE(platform::FileExists(tmp.File("cand/Pdoxusrs.lck")));
  EXPECT_THROW(OpenProbe(tmp.path()), EngineError);  // no database there

  // Media that cannot be written are read as unchanging files: nothing is written beside them.
  Database media = Database::Open(tmp.File("cand"), OpenMode::kReadOnlyMedia);
  EXPECT_TRUE(media.read_only());
  EXPECT_TRUE(media.TableExists("LHC"));
  EXPECT_THROW(media.Execute("DELETE FROM LHC"), EngineError);
}

TEST(PhsSwitchesTest, DefaultsTrimmingAndTheStatusListSwitch) {
  testing::TempDir tmp;
  test::BuildSqlDirectory("share/CISELNIK", tmp.File("CISELNIK"));
  PhsSwitches d = ReadPhsSwitches(tmp.File("PHS"), tmp.File("CISELNIK"));
  EXPECT_FALSE(d.VerzeProNarodniPark);
  EXPECT_TRUE(d.PocitatHSdleDAZIviPostaru);
  EXPECT_TRUE(d.DoplnovatKtgZvlOchrZeSamostTabulek);
  EXPECT_TRUE(d.CiselnikZvlStBezOchrPrir);
  EXPECT_FALSE(d.probirky_Z_Tabulky);
  EXPECT_EQ(d.Katastr6mist9Mist, "dleDat");

  platform::IniFile ini(tmp.File("PHS/PHS.INI"));
  ini.WriteString("ObecneParametry", "VerzeProNarodniPark", " ano ");
  ini.WriteString("ObecneParametry", "PocitatHSdleDAZIviPostaru", "NE");
  ini.WriteString("ObecneParametry", "probirky_Z_Tabulky", "ANOx");
  ini.WriteString("ObecneParametry", "Katastr6mist9Mist", "9");
  PhsSwitches s = ReadPhsSwitches(tmp.File("PHS"), tmp.File("CISELNIK"));
  EXPECT_TRUE(s.VerzeProNarodniPark);
  EXPECT_FALSE(s.PocitatHSdleDAZIviPostaru);
  EXPECT_FALSE(s.probirky_Z_Tabulky);
  EXPECT_EQ(s.Katastr6mist9Mist, "9");
  // Without the list in the code lists the switch is off.
  EXPECT_FALSE(ReadPhsSwitches(tmp.File("PHS"), tmp.File("none")).CiselnikZvlStBezOchrPrir);
}

TEST(LocateDataDirectoryTest, DialogStoresTheChoiceAndCancelEnds) {
  testing::ScopedProgramDir progdir;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  EXPECT_EQ(LocateDataDirectory(false, std::string("/fixed")), "/fixed");
  EXPECT_TRUE(ui.shown.empty());

  ui.directories.push_back(std::string("/lhp/DATA"));
  EXPECT_EQ(LocateDataDirectory(false), "/lhp/DATA");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "Vyhledej adresář dat merku.");
  EXPECT_EQ(ReadDatabaseSettings().data_parameter, "PATH=/lhp/DATA");

  ui.Clear();
  ui.directories.push_back(std::string(kNothingChosen));
  EXPECT_EQ(LocateDataDirectory(true), std::nullopt);
  EXPECT_EQ(ui.shown[0].caption, "Vyhledej adresář dat merku97.");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Neúspěšné otevření souboru s údaji."});

  platform::IniFile(progdir.File("vekta.ini")).WriteString("DATABASE", "MANAGER", "NE");
  ui.Clear();
  EXPECT_EQ(LocateDataDirectory(false), "/lhp/DATA");
  EXPECT_TRUE(ui.shown.empty());
}

TEST(PlanDatabasesTest, SampleIsCurrentAndOpensWithoutChanges) {
  testing::ScopedProgramDir progdir;
  testing::TempDir tmp;
  test::BuildSqlDirectory("samples/demo/DATA", tmp.File("unit/DATA"));
  test::BuildSqlDirectory("samples/demo/PHS", tmp.File("unit/PHS"));
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  PlanDatabases p = PlanDatabases::Open(tmp.File("unit/DATA"));
  EXPECT_TRUE(p.changes().empty()) << platform::Join(p.changes().statements, "\n");
  EXPECT_EQ(p.phs_directory(), tmp.File("unit/PHS"));
  ASSERT_NE(p.phs(), nullptr);
  ASSERT_NE(p.code_lists(), nullptr);
  EXPECT_TRUE(p.code_lists()->read_only());
  EXPECT_EQ(p.plan().alias(), "DB_TX98");
  EXPECT_TRUE(p.aliases().IsConnected("DB_PHS98"));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(PlanDatabasesTest, OldDirectoryIsUpgradedAndGetsItsPlanWideTables) {
  testing::ScopedProgramDir progdir;
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  std::string data = tmp.File("unit/DATA");
  {
    platform::ForceDirectories(data);
    Database db = Database::Open(data);
    for (const auto& t : SchemaTables(TableSet::kPlan)) {
      if (std::string(t.name) != "ZvlSt") db.CreateTable(DefinitionOf(t, {.older_set = true}));
    }
    test::RunSql(tmp.File("unit/PHS"), "CREATE TABLE KATASTRY (Kod DOUBLE, POPIS VARCHAR(40));");
  }
  PlanDatabases first = PlanDatabases::Open("PATH=" + data);
  EXPECT_TRUE(first.changes().failures.empty()) << platform::Join(first.changes().failures, "\n");
  EXPECT_TRUE(first.plan().FindColumn("PS", "LVS"));
  EXPECT_TRUE(first.plan().FindColumn("ZvlSt", "IZVL_STAT"));
  for (const auto& n : PhsTablesCreatedWhenMissing()) EXPECT_TRUE(first.phs()->TableExists(n)) << n;
  EXPECT_TRUE(first.phs()->FindColumn("KATASTRY", "ORP"));

  PlanDatabases second = PlanDatabases::Open(data);
  EXPECT_TRUE(second.changes().empty()) << platform::Join(second.changes().statements, "\n");

  // The older set opens the same directory without any change.
  PlanDatabases older = PlanDatabases::Open(data, {.older_set = true});
  EXPECT_EQ(older.plan().alias(), "DB_TX");
  EXPECT_TRUE(older.changes().empty());
}

TEST(PlanDatabasesTest, PhsAccessOffAndMissingPlanDirectory) {
  testing::ScopedProgramDir progdir;
  testing::TempDir tmp;
  test::BuildSqlDirectory("samples/demo/DATA", tmp.File("unit/DATA"));
  test::BuildSqlDirectory("samples/demo/PHS", tmp.File("unit/PHS"));
  platform::IniFile(progdir.File("vekta.ini")).WriteString("DATABASE", "PristupPHS", "Ne");
  PlanDatabases p = PlanDatabases::Open(tmp.File("unit/DATA"));
  EXPECT_EQ(p.phs(), nullptr);
  EXPECT_THROW(PlanDatabases::Open(tmp.File("unit/NENI")), EngineError);
}

TEST(PlanDatabasesTest, NeverMakesADatabaseWhereThereWasNone) {
  testing::ScopedProgramDir progdir;
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  platform::ForceDirectories(tmp.File("empty"));
  EXPECT_THROW(PlanDatabases::Open(tmp.File("empty")), EngineError);
  EXPECT_FALSE(platform::FileExists(tmp.File("empty/tables.sqlite")));
  testing::WriteFile(tmp.File("px/DATA/PS.DB"), "x");
  try {
    PlanDatabases::Open(tmp.File("px/DATA"));
    ADD_FAILURE();
  } catch (const EngineError& e) {
    EXPECT_NE(std::string(e.what()).find("tarnik convert-paradox"), std::string::npos);
  }
  EXPECT_FALSE(platform::FileExists(tmp.File("px/DATA/tables.sqlite")));
  // An unconverted PHS directory is left alone and reported.
  test::BuildSqlDirectory("samples/demo/DATA", tmp.File("unit/DATA"));
  testing::WriteFile(tmp.File("unit/PHS/MAJETKY.DB"), "x");
  PlanDatabases p = PlanDatabases::Open(tmp.File("unit/DATA"));
  EXPECT_EQ(p.phs(), nullptr);
  EXPECT_FALSE(platform::FileExists(tmp.File("unit/PHS/tables.sqlite")));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("nejsou převedeny"), std::string::npos);
}

}  // namespace
}  // namespace tarnik::engine
