#include "islh/import_database.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "data/engine/database.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

class ImportDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = platform::JoinPath(tmp_.path(), "plan");
    platform::ForceDirectories(dir_);
    engine::Database db = engine::Database::Open(dir_);
    db.Execute(
        "CREATE TABLE DREVINA (ID INTEGER, VAZBA INTEGER, DR_ZKR VARCHAR(3), "
        "DR_PODIL SMALLINT, DR_ZAS_CELK_br INTEGER)");
    plan_.emplace(std::move(db), "");
  }
  std::string Text(const std::string& sql) {
    engine::Value v = plan_->Scalar(sql);
    return v.is_null() ? "null" : v.text();
  }

  testing::TempDir tmp_;
  std::string dir_;
  std::optional<ImportDatabase> plan_;
};

TEST_F(ImportDatabaseTest, ColumnsAnswerToEverySpellingAndOnlyToTheirOwnName) {
  plan_->Begin();
  TableWriter& w = plan_->Writer(Schema::kPlan, "drevina");
  EXPECT_TRUE(w.exists());
  EXPECT_TRUE(w.Has("DR_ZKR"));
  EXPECT_TRUE(w.Has("dr_zkr"));
  EXPECT_TRUE(w.Has("Dr_Zas_Celk_BR"));
  EXPECT_FALSE(w.Has("DR_ZK"));
  EXPECT_FALSE(w.Has("DR_ZKRX"));
  EXPECT_FALSE(w.Has(""));
  // Names built in one buffer, one after another: the same address names other columns.
  std::string name;
  const char* const names[] = {"DR_PODIL", "NEMA", "dr_podil", "DR_ZAS_CELK", "dr_zas_celk_br"};
  const bool known[] = {true, false, true, false, true};
  for (int round = 0; round < 3; ++round) {
    for (size_t i = 0; i < std::size(names); ++i) {
      name.assign(names[i]);
      EXPECT_EQ(w.Has(name), known[i]) << names[i];
    }
  }
  EXPECT_TRUE(w.Set("vazba", engine::Value(int64_t{7})));
  EXPECT_FALSE(w.Set("VAZBA_X", engine::Value(int64_t{8})));
  EXPECT_EQ(w.Get("VAZBA").integer(), 7);
  EXPECT_TRUE(w.Get("NEMA").is_null());
  name = "dr_zkr";
  EXPECT_TRUE(w.Set(name, engine::Value("SMXY")));  // cut to the width
  name = "DR_ZAS_CELK_BR";
  EXPECT_TRUE(w.Set(name, engine::Value(int64_t{3})));
  w.Insert();
  EXPECT_TRUE(w.Get("vazba").is_null());  // the row is cleared
  w.Set("DR_ZKR", engine::Value("BK"));
  w.Insert();
  plan_->Commit();
  EXPECT_EQ(Text("SELECT group_concat(coalesce(VAZBA, '-') || ':' || DR_ZKR || ':' || "
                 "coalesce(DR_ZAS_CELK_br, '-'), ' ') FROM DREVINA"),
            "7:SMX:3 -:BK:-");
}

}  // namespace
}  // namespace tarnik::islh
