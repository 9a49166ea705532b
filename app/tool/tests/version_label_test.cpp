#include <gtest/gtest.h>

#include "app/tool/start_params.h"
#include "app/tool/version_label.h"
#include "testing/test_env.h"

namespace tarnik::apptool {
namespace {

TEST(VersionLabelTest, KnownVersionsHaveTheirLabelsOthersTheDefault) {
  EXPECT_EQ(VersionLabel("9.0.6.0"), "Zaprac. připomínky 9.února");
  EXPECT_EQ(VersionLabel("9.0.1.0"), "Betaverze duben");
  EXPECT_EQ(VersionLabel("9.0.7.0"), "STK - Lštění 26.března");
  EXPECT_EQ(VersionLabel("9.0.2.0"), "pracovni nepojmenovaná");
  EXPECT_EQ(VersionLabel(""), "pracovni nepojmenovaná");
}

TEST(VersionLabelTest, TitlePadsTheMajorNumber) {
  EXPECT_EQ(WindowTitle("9.0.6.0", "D"), "Tarnik 2009 D");
  EXPECT_EQ(WindowTitle("10.1.0.0", "/data/lhc"), "Tarnik 2010 /data/lhc");
  EXPECT_EQ(WindowTitle("x", "D"), "Tarnik 2000 D");
}

TEST(StartParamsTest, IniAndKslParametersCountOnlyWhenTheFileExists) {
  testing::TempDir dir;
  testing::WriteFile(dir.File("y.ini"), "");
  testing::WriteFile(dir.File("x.KSL"), "");
  std::vector<std::string> params = {"a.txt", dir.File("y.ini"), dir.File("x.KSL")};
  EXPECT_EQ(OptionsIniFile(params, "/w", "tarnik"), dir.File("y.ini"));
  EXPECT_EQ(StartScriptFile(params, "start.ksl"), dir.File("x.KSL"));
  std::vector<std::string> missing = {dir.File("n.ini"), dir.File("n.ksl")};
  EXPECT_EQ(OptionsIniFile(missing, "/w", "tarnik"), "/w/tarnik.INI");
  EXPECT_EQ(StartScriptFile(missing, "start.ksl"), "start.ksl");
  EXPECT_EQ(FirstParameterWithExtension({"A.Ksl"}, ".KSL"), "A.Ksl");
}

}  // namespace
}  // namespace tarnik::apptool
