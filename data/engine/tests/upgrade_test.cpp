#include "data/engine/upgrade.h"

#include <gtest/gtest.h>

#include "data/engine/local_sql.h"
#include "data/engine/schema.h"
#include "data/engine/table.h"
#include "platform/encoding.h"
#include "platform/recording_ui.h"
#include "platform/text.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

// A plan directory from before the upgrades: the plan tables without any added column and the
// use texts of the non-forest land 30 characters wide.
Database MakeOldPlan(const testing::TempDir& tmp) {
  std::string dir = tmp.File("old");
  platform::ForceDirectories(dir);
  Database db = Database::Open(dir);
  for (const auto& t : SchemaTables(TableSet::kPlan)) {
    TableDefinition d = DefinitionOf(t, {.older_set = true});
    for (auto& f : d.fields) {
      if (platform::EndsWithNoCase(f.name, "_VYUZ")) f.shape.size = 30;
    }
    db.CreateTable(d);
  }
  db.Execute("INSERT INTO BEZLESI (ID, VAZBA, BZL, BZL_VYUZ) VALUES (1, 5, 1, ?)",
             {Value("lesní cesta k hájovně Na Skále")});
  return db;
}

std::vector<std::string> MissingColumns(Database& db, const UpgradeOptions& options) {
  std::vector<std::string> missing;
  for (const auto& t : SchemaTables(TableSet::kPlan)) {
    for (const auto& f : DefinitionOf(t, {.national_park = options.national_park}).fields) {
      if (!db.FindColumn(t.name, f.name)) missing.push_back(std::string(t.name) + "." + f.name);
    }
  }
  return missing;
}

TEST(UpgradeTest, OldDirectoryGetsTheFullColumnSetOnceAndKeepsItsTexts) {
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  Database db = MakeOldPlan(tmp);
  ASSERT_FALSE(db.FindColumn("PS", "LVS"));
  ASSERT_FALSE(db.FindColumn("PS", "CISLO_TEL"));
  ASSERT_FALSE(db.FindColumn("LHC", "KU_DATUM"));

  UpgradeReport first = UpgradePlanTables(db);
  EXPECT_TRUE(first.failures.empty()) << platform::Join(first.failures, "\n");
  EXPECT_FALSE(first.statements.empty());
  EXPECT_EQ(MissingColumns(db, {}), std::vector<std::string>{});
  EXPECT_FALSE(db.FindColumn("PS", "MNG_REZIM"));  // national park is off
  EXPECT_EQ(db.FindColumn("BEZLESI", "BZL_VYUZ")->shape.size, 70);
  EXPECT_EQ(db.FindColumn("JINE_POZ", "JP_VYUZ")->shape.size, 70);
  EXPECT_FALSE(db.FindColumn("BEZLESI", "BZL_VYUZ_pom"));
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{
                "V tabulce jiné vyplňte kolonku Vyuziti.Použijte program Dareri.",
                "V tabulce jiné vyplňte kolonku Kategorie. Použijte program Dareri."}));

  // The old text survived the widening, and a 60-character text now survives a write.
  Table bzl(db, "BEZLESI");
  ASSERT_TRUE(bzl.FindKey({Value(1)}));
  EXPECT_EQ(bzl.AsString("BZL_VYUZ"), "lesní cesta k hájovně Na Skále");
  std::string sixty = "průsek elektrického vedení 22 kV přes Žďárské vrchy úsek č.3";
  ASSERT_EQ(platform::Utf8Length(sixty), 60u);
  bzl.Edit();
  bzl.SetString("BZL_VYUZ", sixty);
  bzl.Post();
  Table again(db, "BEZLESI");
  again.First();
  EXPECT_EQ(again.AsString("BZL_VYUZ"), sixty);

  ui.Clear();
  UpgradeReport second = UpgradePlanTables(db);
  EXPECT_TRUE(second.empty()) << platform::Join(second.statements, "\n");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(UpgradeTest, NationalParkColumnsOnlyWithTheSwitch) {
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  Database db = MakeOldPlan(tmp);
  db.Execute("INSERT INTO ETAZ (ID, VAZBA, ETAZ, EKOL_HOD) VALUES (1, 1, '1', 'B2')");
  UpgradePlanTables(db);
  EXPECT_FALSE(db.FindColumn("ETAZ", "STR_VRS"));
  UpgradeReport park = UpgradePlanTables(db, {.national_park = true});
  EXPECT_EQ(MissingColumns(db, {.national_park = true}), std::vector<std::string>{});
  Query q(db);
  q.SetSql("SELECT {} FROM {}", {"STR_VRS", "ETAZ"});
  q.Open();
  EXPECT_EQ(q.AsString("STR_VRS"), "B2");  // the structure starts from the assessment
  EXPECT_TRUE(UpgradePlanTables(db, {.national_park = true}).empty());
}

TEST(UpgradeTest, PartlyUpgradedTableGetsOnlyTheMissingColumns) {
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  Database db = MakeOldPlan(tmp);
  db.AddColumn("PS", {"EVL_KOD", {FieldType::kAlpha, 25}, false});
  UpgradeReport r = UpgradePlanTables(db);
  EXPECT_TRUE(r.failures.empty());
  EXPECT_TRUE(db.FindColumn("PS", "PLT"));
  EXPECT_TRUE(db.FindColumn("PS", "SCHU_KOD_BR"));
}

TEST(UpgradeTest, FailedCopyLeavesTheNarrowColumnWithItsTexts) {
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  Database db = MakeOldPlan(tmp);
  // Any update of the table fails, so the copy into the auxiliary column fails.
  db.Execute(
      "CREATE TRIGGER no_update BEFORE UPDATE ON BEZLESI BEGIN SELECT RAISE(ABORT, 'zamceno'); "
      "END");
  UpgradeReport r = WidenTextColumn(db, "BEZLESI", "BZL_VYUZ", 70);
  ASSERT_EQ(r.failures.size(), 1u);
  EXPECT_TRUE(r.statements.empty());
  auto col = db.FindColumn("BEZLESI", "BZL_VYUZ");
  ASSERT_TRUE(col);
  EXPECT_EQ(col->shape.size, 30);
  EXPECT_FALSE(db.FindColumn("BEZLESI", "BZL_VYUZ_pom"));
  Table bzl(db, "BEZLESI");
  bzl.First();
  EXPECT_EQ(bzl.AsString("BZL_VYUZ"), "lesní cesta k hájovně Na Skále");
  EXPECT_FALSE(db.InTransaction());
}

TEST(UpgradeTest, PhsTablesAndWriterSteps) {
  testing::TempDir tmp;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  std::string dir = tmp.File("PHS");
  test::RunSql(dir,
               "CREATE TABLE OLH (KOD VARCHAR(3), POPIS VARCHAR(60));"
               "CREATE TABLE KATASTRY (Kod DOUBLE, POPIS VARCHAR(40));"
               "CREATE TABLE TAB_HS (CISLO_HS SMALLINT, NAZEV_HS VARCHAR(30));");
  Database phs = Database::Open(dir);
  UpgradeReport r = UpgradePhsTables(phs);
  EXPECT_TRUE(r.failures.empty());
  for (const char* c : {"ICO_RC", "OKR_URAD", "CIS_LIC"}) EXPECT_TRUE(phs.FindColumn("OLH", c));
  EXPECT_TRUE(phs.FindColumn("KATASTRY", "ORP"));
  EXPECT_TRUE(phs.FindColumn("TAB_HS", "SEST_DTO"));
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"V tabulce OLH vyplňte kolonky ICO_RC,OKR_URAD,CIS_LIC(číslo "
                                     "licence).Použijte program MERK98."});
  EXPECT_TRUE(UpgradePhsTables(phs).empty());

  // Without an LHC table the unit step fails with its message.
  Database empty = Database::Open(tmp.File("PHS"));
  EXPECT_FALSE(EnsureLhoColumn(empty));
}

}  // namespace
}  // namespace tarnik::engine
