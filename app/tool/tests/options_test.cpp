#include <gtest/gtest.h>

#include "app/tool/options.h"
#include "framework/framework_classes.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "testing/test_env.h"

namespace tarnik::apptool {
namespace {

TEST(OptionsTest, ReadKeepsCurrentValuesForMissingKeysAndWriteRoundTrips) {
  framework::RegisterFrameworkClasses();
  testing::TempDir dir;
  TOptions options;
  options.start_script = "a.ksl";
  options.data_directory = "/data";
  ReadOptions(options, dir.File("none.ini"));  // a missing file changes nothing
  EXPECT_EQ(options.start_script, "a.ksl");

  testing::WriteFile(dir.File("o.ini"), "[Options]\r\nStartScript=b.ksl\r\nScriptDirectory=/s\r\n");
  ReadOptions(options, dir.File("o.ini"));
  EXPECT_EQ(options.start_script, "b.ksl");
  EXPECT_EQ(options.script_directory, "/s");
  EXPECT_EQ(options.data_directory, "/data");

  options.end_script = "konec.ksl";
  ASSERT_TRUE(WriteOptions(options, dir.File("o.ini")));
  TOptions again;
  ReadOptions(again, dir.File("o.ini"));
  for (const std::string& name : OptionNames()) {
    EXPECT_EQ(again.GetPropertyText(name), options.GetPropertyText(name)) << name;
  }
  EXPECT_EQ(platform::IniFile(dir.File("o.ini")).ReadString("Options", "EndScript", ""),
            "konec.ksl");
}

TEST(OptionsTest, EmptyServiceDirectoryIsTheProgramDirectory) {
  framework::RegisterFrameworkClasses();
  testing::ScopedProgramDir program;
  TOptions options;
  options.SetPropertyText("ServiceDirectory", "");
  EXPECT_EQ(options.service_directory, program.path());
  options.SetPropertyText("ServiceDirectory", "/srv");
  EXPECT_EQ(options.service_directory, "/srv");
}

}  // namespace
}  // namespace tarnik::apptool
