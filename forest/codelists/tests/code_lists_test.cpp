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

}  // namespace
}  // namespace tarnik::plan
