#include <gtest/gtest.h>

#include "app/tool/data_sources.h"
#include "data/engine/database.h"
#include "framework/framework_classes.h"
#include "framework/tools/tool_classes.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::apptool {
namespace {

class DataSourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    framework::RegisterToolClasses();
    RegisterAppToolClasses();
  }
  // A unit directory whose LHC table holds one row.
  std::string Unit(int code) {
    std::string dir = tmp_.File("u" + std::to_string(code));
    platform::ForceDirectories(dir);
    engine::Database db = engine::Database::Open(dir);
    db.Execute("CREATE TABLE LHC (LHC_KOD INTEGER, LHC_NAZ TEXT)");
    db.Execute("INSERT INTO LHC VALUES (?, ?)", {code, "Celek " + std::to_string(code)});
    return dir;
  }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  testing::TempDir tmp_;
};

TEST_F(DataSourcesTest, TenthDirectoryReplacesTheRecordUsedLongestAgo) {
  TDataSources list(tmp_.File(kDataSourcesFile));
  std::vector<std::string> units;
  for (int i = 1; i <= 10; ++i) units.push_back(Unit(615200 + i));
  // Used in the order 1..9, then 1 again: 2 is now the one used longest ago.
  for (int i = 0; i < 9; ++i) ASSERT_NE(list.Choose(units[i], 100.0 + i), nullptr);
  ASSERT_EQ(list.Choose(units[0], 200.0), list.At(0));
  EXPECT_EQ(list.Count(), 9);
  TZdroje* tenth = list.Choose(units[9], 300.0);
  ASSERT_EQ(tenth, list.At(1));
  EXPECT_EQ(list.Count(), 9);
  EXPECT_EQ(tenth->zdroj_adr, units[9]);
  EXPECT_EQ(tenth->lhc_kod, 615210);
  EXPECT_EQ(tenth->lhc_naz, "Celek 615210");
  EXPECT_DOUBLE_EQ(tenth->s_date_time, 300.0);

  TDataSources loaded(tmp_.File(kDataSourcesFile));
  loaded.Load();
  ASSERT_EQ(loaded.Count(), 9);
  EXPECT_EQ(loaded.At(1)->zdroj_adr, units[9]);
  EXPECT_EQ(loaded.At(0)->GetPropertyText("LHC_NAZ"), "Celek 615201");
  loaded.Remove(loaded.At(0));
  TDataSources after(tmp_.File(kDataSourcesFile));
  after.Load();
  EXPECT_EQ(after.Count(), 8);
}

TEST_F(DataSourcesTest, DirectoryWithoutTheLhcTableChangesNothing) {
  TDataSources list(tmp_.File(kDataSourcesFile));
  ASSERT_NE(list.Choose(Unit(1), 1.0), nullptr);
  std::string empty = tmp_.File("empty");
  platform::ForceDirectories(empty);
  EXPECT_EQ(list.Choose(empty, 2.0), nullptr);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(0)->lhc_kod, 1);
  testing::WriteFile(tmp_.File("bad.klv"), "garbage");
  TDataSources bad(tmp_.File("bad.klv"));
  bad.Load();
  EXPECT_EQ(bad.Count(), 0);
}

}  // namespace
}  // namespace tarnik::apptool
