#include "app/commands/output_directory.h"

#include <gtest/gtest.h>

#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::app {
namespace {

TEST(IshulxmlDirectory, AppendsTheSubdirectoryUnlessItIsChosenAlready) {
  EXPECT_EQ(IshulxmlDirectory("/data/Ishulxml"), "/data/Ishulxml");
  EXPECT_EQ(IshulxmlDirectory("/data/ISHULXML/"), "/data/ISHULXML");
  EXPECT_EQ(IshulxmlDirectory("/data/myishulxml"), "/data/myishulxml/ISHULXML");
  EXPECT_EQ(IshulxmlDirectory("/data/"), "/data/ISHULXML");
  EXPECT_EQ(IshulxmlDirectory("/data"), "/data/ISHULXML");
  EXPECT_EQ(IshulxmlDirectory("C:\\lhp\\IshulXml"), "C:/lhp/IshulXml");
  // Nine characters are needed: the name alone is not the directory itself.
  EXPECT_EQ(IshulxmlDirectory("ISHULXML"), "ISHULXML/ISHULXML");
  EXPECT_EQ(IshulxmlDirectory("/"), "/ISHULXML");
}

class ChooseOutputDirectoryTest : public ::testing::Test {
 protected:
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  ::tarnik::testing::TempDir dir_;
};

TEST_F(ChooseOutputDirectoryTest, CreatesTheDirectoryWithItsParents) {
  ui_.directories.push_back(dir_.File("a/b"));
  OutputDirectory out = ChooseOutputDirectory("/start");
  EXPECT_EQ(out.status, OutputDirectory::Status::kReady);
  EXPECT_EQ(out.path, dir_.File("a/b/ISHULXML"));
  EXPECT_TRUE(platform::DirectoryExists(out.path));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].kind, "directory");
  EXPECT_EQ(ui_.shown[0].caption, "Vyhledej adresar kam bude vyexportován ISHULXML.");
  EXPECT_EQ(ui_.shown[0].text, "/start");
  // The wide form with the recent data sources, every file shown.
  EXPECT_EQ(ui_.shown[0].form, platform::SelectionForm::kWide);
  EXPECT_EQ(ui_.shown[0].mask, "*.*");
}

TEST_F(ChooseOutputDirectoryTest, CancelledDialogStopsSilently) {
  ui_.directories.push_back(std::nullopt);
  EXPECT_EQ(ChooseOutputDirectory("").status, OutputDirectory::Status::kCancelled);
  ui_.directories.push_back(std::string("NicSeNavybralo"));
  EXPECT_EQ(ChooseOutputDirectory("").status, OutputDirectory::Status::kCancelled);
  ui_.directories.push_back(std::string());  // never the root's ISHULXML
  EXPECT_EQ(ChooseOutputDirectory("").status, OutputDirectory::Status::kCancelled);
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_FALSE(platform::DirectoryExists("NicSeNavybralo/ISHULXML"));
}

TEST_F(ChooseOutputDirectoryTest, DirectoryThatCannotBeCreatedIsReported) {
  ::tarnik::testing::WriteFile(dir_.File("file"), "x");
  ui_.directories.push_back(dir_.File("file"));
  OutputDirectory out = ChooseOutputDirectory("");
  EXPECT_EQ(out.status, OutputDirectory::Status::kFailed);
  EXPECT_EQ(ui_.Messages(), std::vector<std::string>{"Nelze vytořit adresář \"" +
                                                     dir_.File("file/ISHULXML") + "\"."});
}

}  // namespace
}  // namespace tarnik::app
