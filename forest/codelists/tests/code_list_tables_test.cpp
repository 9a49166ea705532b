#include "forest/codelists/code_list_tables.h"

#include <gtest/gtest.h>

#include <set>

#include "data/engine/table.h"
#include "forest/codelists/code_lookup.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

TEST(CodeListTables, ListsOpenLazilyFromTheProgramDirectory) {
  testing::ScopedProgramDir program;
  CodeListTables tables;
  engine::Table* lt = tables.Get("Tb_LT");
  ASSERT_NE(lt, nullptr);
  EXPECT_EQ(tables.Get("TB_LT"), lt);  // the same table on every read, any letter case
  EXPECT_EQ(CodeDescription(tables.Get("tb_DrevCis"), "CKOD", "BK", "POPIS_CS"), "buk lesní");
  EXPECT_EQ(tables.Get("Tb_PorKtg1"), nullptr);  // only the plan container has it
  EXPECT_EQ(tables.Get("NicTakoveho"), nullptr);
  EXPECT_TRUE(tables.IsKnownList("Tb_PorKtg1"));
  EXPECT_FALSE(tables.IsKnownList("NicTakoveho"));
}

TEST(CodeListTables, EveryLazyListOfTheProgramDirectoryOpens) {
  testing::ScopedProgramDir program;
  CodeListTables tables;
  for (const auto& list : LazyCodeLists())
    EXPECT_NE(tables.Get(list.property), nullptr) << list.property << " " << list.file;
}

TEST(CodeListTables, BoundTablesReplaceTheLazyOnes) {
  testing::ScopedProgramDir program;
  CodeListTables tables;
  engine::Database db =
      engine::Database::Open(CodeListTables::Directory(), engine::OpenMode::kReadOnly);
  engine::Table own(db, "CIS_SLT");
  tables.Bind("Tb_LT", &own);
  EXPECT_EQ(tables.Get("Tb_LT"), &own);
  tables.Bind("Tb_PorKtg1", &own);
  EXPECT_EQ(tables.Get("Tb_PorKtg1"), &own);
  tables.Bind("Tb_LT", nullptr);
  EXPECT_NE(tables.Get("Tb_LT"), nullptr);
  EXPECT_NE(tables.Get("Tb_LT"), &own);
}

TEST(CodeListTables, MissingListsStayAbsentWithoutRetrying) {
  testing::TempDir dir;
  const std::string previous = platform::ProgramDir();
  platform::SetProgramDir(dir.path());
  {
    CodeListTables tables;
    EXPECT_EQ(tables.Get("Tb_LT"), nullptr);
    EXPECT_EQ(CodeDescription(tables.Get("Tb_LT"), "Kod", "7", "POPIS"), "*zz1*7");
    EXPECT_FALSE(platform::DirectoryExists(dir.File("ciselnik")));  // nothing created

    // A list that appears later is not tried again by the same container...
    platform::ForceDirectories(dir.File("CISELNIK"));
    engine::Database db = engine::Database::Open(dir.File("CISELNIK"));
    db.Execute("CREATE TABLE ZVL_STAT (Kod SMALLINT, POPIS VARCHAR(40), PRIMARY KEY (Kod))");
    db.Execute("INSERT INTO ZVL_STAT VALUES (17, 'status')");
    EXPECT_EQ(tables.Get("Tb_LT"), nullptr);
    // ...but a fresh one opens it, and the short names fall back to the full list.
    CodeListTables fresh;
    engine::Table* shorter = fresh.Get("tb_ZVL_StatZkr");
    ASSERT_NE(shorter, nullptr);
    EXPECT_EQ(CodeDescription(shorter, "Kod", "17", "POPIS"), "status");
    EXPECT_EQ(fresh.Get("Tb_LT"), nullptr);
  }
  platform::SetProgramDir(previous);
}

TEST(CodeListTables, DatabaseClassesNameTheirListsAndKeys) {
  std::set<std::string> lists;
  for (const auto& list : LazyCodeLists()) lists.insert(list.property);
  for (const auto& list : BoundOnlyCodeLists()) lists.insert(list);
  for (const auto& cls : CodeListClasses()) EXPECT_TRUE(lists.count(cls.list)) << cls.property;
  const CodeListClass* drev = FindCodeListClass("tb_drevcisclass");
  ASSERT_NE(drev, nullptr);
  EXPECT_STREQ(drev->name, "DREVINY");
  EXPECT_STREQ(drev->key, "CKOD");
  EXPECT_TRUE(FindCodeListClass("Tb_Mel_DrevClass")->mel_drev);
  EXPECT_EQ(FindCodeListClass("Nic"), nullptr);
}

}  // namespace
}  // namespace tarnik::plan
