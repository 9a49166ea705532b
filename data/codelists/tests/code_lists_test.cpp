#include "data/codelists/code_lists.h"

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

}  // namespace
}  // namespace tarnik::plan
