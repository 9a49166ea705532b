#include <gtest/gtest.h>

#include "app/tool/main_tool.h"
#include "app/tool/start_params.h"
#include "framework/models/world.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::apptool {
namespace {

class MainToolTest : public ::testing::Test {
 protected:
  void TearDown() override { framework::ResetWorld(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  testing::ScopedProgramDir program_;
};

TEST_F(MainToolTest, StartReadsTheIniParameterAndRunsTheKslParameter) {
  testing::WriteFile(program_.File("y.ini"),
                     "[Options]\r\nStartScript=" + program_.File("start.ksl") + "\r\n");
  testing::WriteFile(program_.File("start.ksl"), "WORLD.MainTool.Name = 'Start'\r\n");
  testing::WriteFile(program_.File("x.ksl"), "WORLD.MainTool.Name = 'X'\r\n");

  TMainTool* tool = StartApplicationTool({program_.File("y.ini")});
  EXPECT_EQ(framework::World().MainTool(), tool);
  EXPECT_EQ(tool->OptionsIniFile(), program_.File("y.ini"));
  EXPECT_EQ(tool->GetName(), "Start");
  EXPECT_EQ(tool->CommandLine()->GetName(), kInterpreterName);
  EXPECT_EQ(tool->Options()->working_directory, platform::WorkingDir());
  framework::ResetWorld();

  tool = StartApplicationTool({program_.File("y.ini"), program_.File("x.ksl")});
  EXPECT_EQ(tool->GetName(), "X");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(MainToolTest, MissingStartScriptIsReportedAndTheStartGoesOn) {
  testing::WriteFile(program_.File("y.ini"), "[Options]\r\nStartScript=/nic/start.ksl\r\n");
  TMainTool* tool = StartApplicationTool({program_.File("y.ini")});
  ASSERT_NE(tool, nullptr);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Skriptový soubor /nic/start.ksl nenalezen !");
}

TEST_F(MainToolTest, QuitWritesTheOptionsAndSavesSource) {
  TMainTool* tool = StartApplicationTool({});
  tool->Options()->end_script = "end.ksl";
  std::string ini = tool->OptionsIniFile();
  EXPECT_EQ(ini, platform::IncludeTrailingSlash(platform::WorkingDir()) +
                     platform::ChangeExtension(ProgramFileName(), ".INI"));
  bool handled = false;
  framework::TKelvaMessage quit(kQuitMessage, nullptr, tool, nullptr);
  tool->HandleMessage(quit, handled);
  EXPECT_TRUE(handled);
  EXPECT_NE(testing::ReadFile(ini).find("EndScript=end.ksl"), std::string::npos);
  EXPECT_TRUE(platform::FileExists(program_.File(kSourceFile)));
  platform::DeleteFile(ini);

  tool->SetUseProtocol(true);
  tool->PostTextMessage(framework::kReportMessage, "zpráva", tool);
  platform::ui().ProcessPendingEvents();
  EXPECT_EQ(tool->Protocol(), (std::vector<std::string>{"zpráva"}));
}

}  // namespace
}  // namespace tarnik::apptool
