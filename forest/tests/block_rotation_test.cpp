#include "forest/block_rotation.h"

#include <gtest/gtest.h>

#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::function<bool(const std::string&)> Writes(const std::string& content) {
  return [content](const std::string& path) {
    WriteFile(path, content);
    return true;
  };
}

class BlockRotation : public ::testing::Test {
 protected:
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TempDir dir_;
};

TEST_F(BlockRotation, VersionNamesCarryTheNumberBeforeTheExtension) {
  EXPECT_EQ(BlockVersionName("/a/BLOK.KLV", 0), "/a/BLOK.KLV");
  EXPECT_EQ(BlockVersionName("/a/BLOK.KLV", 1), "/a/BLOK1.KLV");
  EXPECT_EQ(BlockVersionName("/a/x.y/BLOK.old.KLV", 12), "/a/x.y/BLOK.old12.KLV");
  EXPECT_EQ(BlockVersionName("/a.b/BLOK", 2), "/a.b/BLOK2");
}

TEST_F(BlockRotation, TwoBackupsRotateBeforeTheNewFileIsWritten) {
  const std::string file = dir_.File("X.KLV");
  WriteFile(file, "now");
  WriteFile(dir_.File("X1.KLV"), "before");
  WriteFile(dir_.File("X2.KLV"), "oldest");
  ASSERT_TRUE(SaveWithBackups(file, 2, Writes("new")));
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_EQ(ReadFile(dir_.File("X1.KLV")), "now");
  EXPECT_EQ(ReadFile(dir_.File("X2.KLV")), "before");
  EXPECT_FALSE(platform::FileExists(dir_.File("X3.KLV")));
  EXPECT_FALSE(platform::FileExists(BlockTemporaryName(file)));
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_GE(ui_.pending_events, 2);
}

TEST_F(BlockRotation, NoBackupsOnlyOverwrites) {
  const std::string file = dir_.File("X.KLV");
  WriteFile(file, "now");
  ASSERT_TRUE(SaveWithBackups(file, 0, Writes("new")));
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_FALSE(platform::FileExists(dir_.File("X1.KLV")));
}

TEST_F(BlockRotation, MissingVersionsAndDirectoriesAreCreatedOnTheWay) {
  const std::string file = dir_.File("sub/deeper/B.KLV");
  ASSERT_TRUE(SaveWithBackups(file, 3, Writes("first")));
  EXPECT_EQ(ReadFile(file), "first");
  ASSERT_TRUE(SaveWithBackups(file, 3, Writes("second")));
  EXPECT_EQ(ReadFile(file), "second");
  EXPECT_EQ(ReadFile(dir_.File("sub/deeper/B1.KLV")), "first");
  EXPECT_FALSE(platform::FileExists(dir_.File("sub/deeper/B2.KLV")));
}

TEST_F(BlockRotation, FailedWriteLeavesEveryVersionAsItWas) {
  const std::string file = dir_.File("X.KLV");
  WriteFile(file, "now");
  WriteFile(dir_.File("X1.KLV"), "before");
  WriteFile(dir_.File("X2.KLV"), "oldest");
  auto fails_midway = [](const std::string& path) -> bool {
    WriteFile(path, "half of it");
    throw std::runtime_error("disk full");
  };
  EXPECT_FALSE(SaveWithBackups(file, 2, fails_midway));
  EXPECT_EQ(ReadFile(file), "now");
  EXPECT_EQ(ReadFile(dir_.File("X1.KLV")), "before");
  EXPECT_EQ(ReadFile(dir_.File("X2.KLV")), "oldest");
  EXPECT_FALSE(platform::FileExists(BlockTemporaryName(file)));
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Chyba při ukládání do bloku \"" + file + "\"  č.3");

  EXPECT_FALSE(SaveWithBackups(file, 2, [](const std::string&) { return false; }));
  EXPECT_EQ(ReadFile(file), "now");
  EXPECT_EQ(ReadFile(dir_.File("X1.KLV")), "before");
}

TEST_F(BlockRotation, VersionsAreFoundWhateverTheirLetterCase) {
  const std::string file = dir_.File("X.KLV");
  WriteFile(dir_.File("x.klv"), "now");
  ASSERT_TRUE(SaveWithBackups(file, 1, Writes("new")));
  EXPECT_EQ(ReadFile(dir_.File("x.klv")), "new");
  EXPECT_EQ(ReadFile(dir_.File("X1.KLV")), "now");
  EXPECT_EQ(platform::ListDirectory(dir_.path()).size(), 2u);
}

}  // namespace
}  // namespace tarnik::plan
