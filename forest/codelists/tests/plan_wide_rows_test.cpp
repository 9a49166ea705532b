#include "forest/codelists/plan_wide_rows.h"

#include <gtest/gtest.h>

#include <string>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class PlanWideRows : public ::testing::Test {
 protected:
  engine::Table Open(const std::string& name) { return engine::Table(phs_, name); }

  testing::TempDir tmp_;
  std::string unit_ = testing::CopySample("demo", tmp_);
  engine::Database phs_ = engine::Database::Open(platform::JoinPath(unit_, "PHS"));
};

TEST_F(PlanWideRows, ManagersAndOrganisationLevels) {
  engine::Table olh = Open("OLH");
  auto managers = ReadOlhRows(&olh);
  ASSERT_EQ(managers.size(), 2u);
  EXPECT_EQ(managers[0].kod, "1");
  EXPECT_EQ(managers[0].cis_lic, "OLH/0128/20");
  engine::Table org = Open("ORGUR1");
  auto levels = ReadOrgUrRows(&org);
  ASSERT_EQ(levels.size(), 1u);
  EXPECT_EQ(levels[0].name, "128 - LS Nové Město na Moravě");
  EXPECT_TRUE(ReadOlhRows(nullptr).empty());
}

TEST_F(PlanWideRows, ManagementSetsGetTheirNewColumn) {
  phs_.Execute("ALTER TABLE TAB_HS DROP COLUMN SEST_DTO");
  auto sets = ReadHsRows(phs_);
  ASSERT_EQ(sets.size(), 8u);
  EXPECT_EQ(sets[0].cislo_hs, "1");
  EXPECT_EQ(sets[0].obmyti, "150");
  EXPECT_EQ(sets[0].sest_dto, "");
  EXPECT_TRUE(phs_.FindColumn("TAB_HS", "SEST_DTO").has_value());
}

TEST_F(PlanWideRows, AmelioratingSpeciesPerManagementSet) {
  engine::Table mel = Open("MEL_DREV");
  auto rows = ReadMzdRows(&mel);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0].name, "1 - 30");
  EXPECT_EQ(rows[0].species, "BK&JD&KL&JB");
  EXPECT_EQ(rows[0].lt, "5Y$6Y");
  EXPECT_EQ(NormalizeSiteTypes(" 5S1, 5S2;;$X"), "5S1$5S2");
  EXPECT_EQ(NormalizeSiteTypes(""), "");
}

TEST_F(PlanWideRows, ContractualAreasAlwaysHaveTheNoneRow) {
  engine::Table schu = Open("CisSCHU");
  auto rows = ReadSchuRows(&schu);
  ASSERT_EQ(rows.size(), 1u);  // the sample's list is empty
  EXPECT_EQ(rows[0].name, "0 - Není SCHU");
  EXPECT_EQ(rows[0].sml, "Není");
  phs_.Execute("INSERT INTO CisSCHU VALUES (0, 'Žádné', 'x', 'y'), (5, 'Park', 's', 'p')");
  engine::Table again = Open("CisSCHU");
  rows = ReadSchuRows(&again);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].nazev, "Žádné");
}

TEST(ThinningRows, OldColumnNamesAreRead) {
  testing::TempDir dir;
  engine::Database db = engine::Database::Open(dir.path());
  std::string columns = "DREVINA VARCHAR(3), PODMINKA VARCHAR(80)";
  for (int i = 0; i < 19; ++i)
    columns += ", Proc" + std::string(i == 0 ? "0" : "") + std::to_string(5 * i + 6) + "_" +
               std::to_string(5 * i + 10) + " SMALLINT";
  db.Execute("CREATE TABLE Probir (" + columns + ")");
  db.Execute(
      "INSERT INTO Probir (DREVINA, PODMINKA, Proc06_10, Proc96_100) VALUES ('SM', 'a', 7, 3)");
  engine::Table table(db, "Probir");
  auto rows = ReadProbirkaRows(&table);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].proc_tv[0], 7);
  EXPECT_EQ(rows[0].proc_tv[18], 3);
  EXPECT_EQ(rows[0].proc_tv[5], 0);
}

}  // namespace
}  // namespace tarnik::plan
