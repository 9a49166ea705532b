#include "forest/codelists/code_lists.h"

#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

TEST(CodeListsFacade, LookupsByListName) {
  testing::ScopedProgramDir program;
  CodeLists lists;
  EXPECT_EQ(lists.Description("tb_TeTy1", "7"), "*zz2*7");
  EXPECT_EQ(lists.Description("Tb_PorKtg1", "7"), "*zz1*7");  // not bound: no list
  EXPECT_EQ(lists.Description("tb_DrevCis", "dg", "POPIS_CS", "CKOD"), "douglaska tisolistá");
  EXPECT_TRUE(lists.Contains("Tb_SLT", "5s", false));
  EXPECT_FALSE(lists.Contains("Tb_SLT", "9Q", true));
  EXPECT_EQ(lists.CountExact("tb_DrevCis", "CKOD", "BK"), 1);
  EXPECT_EQ(lists.OfficeOfCadastralArea(746401), 206108);
  EXPECT_EQ(lists.CadastreName(675814), "Krátká");
  EXPECT_EQ(lists.CadastreName(1), "Není v seznamu.");
  EXPECT_EQ(lists.Growth("SM", 45, 110, 24, false).pmp, 5);
}

TEST(CodeListsFacade, StandCategoriesNeedTheBoundTable) {
  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  std::string unit = testing::CopySample("demo", tmp);
  engine::Database phs = engine::Database::Open(platform::JoinPath(unit, "PHS"));
  engine::Table kategpor(phs, "KATEGPOR");
  CodeLists lists;
  EXPECT_TRUE(lists.StandCategories("11", "B", "2").rows.empty());
  lists.tables().Bind("Tb_PorKtg1", &kategpor);
  EXPECT_EQ(CategoriesIncludingOverlay(lists.StandCategories("11", "B", "2")), "21a");
}

TEST(CodeListsFacade, RepeatedQuestionsKeepTheirAnswersAndBoundListsStayLive) {
  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  CodeLists lists;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(lists.Description("tb_DrevCis", "dg", "POPIS_CS", "CKOD"), "douglaska tisolistá");
    EXPECT_EQ(lists.Description("tb_DrevCis", "dg", "POPIS_CS", "CKOD", true), "*zz2*dg");
    EXPECT_EQ(lists.Description("tb_DrevCis", "dg", "NEMA", "CKOD"), "i2*zz3*dg");
    EXPECT_TRUE(lists.Contains("Tb_SLT", "5s", false));
    EXPECT_FALSE(lists.Contains("Tb_SLT", "9Q", true));
    EXPECT_TRUE(lists.Contains("Tb_SLT", "", true));
  }
  // A list bound to a table of the plan answers from its current rows every time.
  std::string dir = platform::JoinPath(tmp.path(), "plan");
  platform::ForceDirectories(dir);
  engine::Database db = engine::Database::Open(dir);
  db.Execute("CREATE TABLE SLT (KOD VARCHAR(4), POPIS VARCHAR(40))");
  db.Execute("INSERT INTO SLT VALUES ('5S', 'svěží')");
  engine::Table slt(db, "SLT");
  lists.tables().Bind("Tb_SLT", &slt);
  EXPECT_EQ(lists.Description("Tb_SLT", "5s"), "svěží");
  db.Execute("UPDATE SLT SET POPIS = 'svěží bučina'");
  slt.Refresh();
  EXPECT_EQ(lists.Description("Tb_SLT", "5s"), "svěží bučina");
  EXPECT_FALSE(lists.Contains("Tb_SLT", "9Q", true));
  // Answers of a bound list are kept only while nobody changes its database: a change by
  // another program is seen at once, a new row once the table reads its rows again.
  engine::Database other = engine::Database::Open(dir);
  other.Execute("UPDATE SLT SET POPIS = 'kyselá'");
  EXPECT_EQ(lists.Description("Tb_SLT", "5s"), "kyselá");
  other.Execute("INSERT INTO SLT VALUES ('9Q', 'nová')");
  slt.Refresh();
  EXPECT_TRUE(lists.Contains("Tb_SLT", "9Q", true));
  EXPECT_EQ(lists.Description("Tb_SLT", "9q"), "nová");
  lists.tables().Bind("Tb_SLT", nullptr);
  EXPECT_TRUE(lists.Contains("Tb_SLT", "5s", false));
  lists.tables().CloseLazy();
  EXPECT_EQ(lists.Description("tb_DrevCis", "dg", "POPIS_CS", "CKOD"), "douglaska tisolistá");
}

TEST(CodeListsFacade, GrowthAnswersAgreeWithTheTableForEveryKeyAndFollowABoundTable) {
  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  CodeLists lists;
  engine::Table* rust = lists.tables().Get("Tb_RustTab");
  ASSERT_NE(rust, nullptr);
  // Keys asked twice and keys that share their rows (fir with spruce, ages of one decade,
  // rotations of one five years) each answer as the table does, bark taken per species.
  struct Ask {
    const char* species;
    int vek, obmyti, bon_a;
  };
  const Ask asks[] = {{"SM", 45, 110, 24}, {"JD", 45, 110, 24},  {"SM", 41, 112, 24},
                      {"SM", 45, 3, 24},   {"BK", 130, 140, 28}, {"SM", 45, 110, 24},
                      {"JD", 49, 114, 24}, {"ZZZ", 45, 110, 24}};
  for (int round = 0; round < 2; ++round) {
    for (const Ask& a : asks) {
      for (bool under_bark : {false, true}) {
        SCOPED_TRACE(std::string(a.species) + " " + std::to_string(a.vek) + " " +
                     std::to_string(a.obmyti) + (under_bark ? " under bark" : ""));
        const GrowthValues want =
            GrowthValuesOf(rust, a.species, a.vek, a.obmyti, a.bon_a, under_bark);
        const GrowthValues got = lists.Growth(a.species, a.vek, a.obmyti, a.bon_a, under_bark);
        EXPECT_DOUBLE_EQ(got.bezny_prir, want.bezny_prir);
        EXPECT_EQ(got.pmp, want.pmp);
        EXPECT_EQ(got.cpp, want.cpp);
      }
    }
  }
  EXPECT_DOUBLE_EQ(lists.Growth("SM", 45, 110, 24, false).bezny_prir, 11.2);

  // A table of the plan bound to the list answers from its current rows.
  std::string dir = platform::JoinPath(tmp.path(), "plan");
  platform::ForceDirectories(dir);
  engine::Database db = engine::Database::Open(dir);
  db.Execute(
      "CREATE TABLE RustTab (DREVINA VARCHAR(3), BONITA SMALLINT, VEK1 SMALLINT, VEK2 SMALLINT, "
      "BEZNPRIR FLOAT, Z_HR_H FLOAT, CELKPROD FLOAT)");
  db.Execute("INSERT INTO RustTab VALUES ('SM', 24, 40, 45, 7.5, 100, 200)");
  db.Execute("INSERT INTO RustTab VALUES ('SM', 24, 40, 110, 1, 1100, 2200)");
  engine::Table bound(db, "RustTab");
  lists.tables().Bind("Tb_RustTab", &bound);
  GrowthValues v = lists.Growth("SM", 45, 110, 24, false);
  EXPECT_DOUBLE_EQ(v.bezny_prir, 7.5);
  EXPECT_EQ(v.pmp, 10);
  EXPECT_EQ(v.cpp, 20);
  engine::Database other = engine::Database::Open(dir);
  other.Execute("UPDATE RustTab SET BEZNPRIR = 9.5, Z_HR_H = 2200 WHERE VEK2 = 110 OR VEK2 = 45");
  v = lists.Growth("SM", 45, 110, 24, false);
  EXPECT_DOUBLE_EQ(v.bezny_prir, 9.5);
  EXPECT_EQ(v.pmp, 20);
  lists.tables().Bind("Tb_RustTab", nullptr);
  EXPECT_DOUBLE_EQ(lists.Growth("SM", 45, 110, 24, false).bezny_prir, 11.2);
}

}  // namespace
}  // namespace tarnik::plan
