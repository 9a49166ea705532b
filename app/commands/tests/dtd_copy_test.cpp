#include "app/commands/dtd_copy.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::app {
namespace {

using ::tarnik::testing::ReadFile;
using ::tarnik::testing::WriteFile;

std::optional<uint64_t> Plenty(const std::string&) { return uint64_t{1} << 40; }

class DtdCopyTest : public ::testing::Test {
 protected:
  DtdCopyTest() {
    for (size_t i = 0; i < 3 * kCopyBlockSize + 17; ++i) text_ += static_cast<char>('A' + i % 26);
    WriteFile(source_, text_);
  }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  ::tarnik::testing::TempDir dir_;
  std::string source_ = dir_.File("XmlExpNU.dtd");
  std::string text_;
};

TEST_F(DtdCopyTest, CopiesInBlocksAndReplacesAnExistingTarget) {
  std::string target = dir_.File("412.dtd");
  WriteFile(target, std::string(5 * kCopyBlockSize, 'x'));
  EXPECT_EQ(CopyDtdFile(source_, target, Plenty), 0);
  EXPECT_EQ(ReadFile(target), text_);
  EXPECT_EQ(CopyDtdFile(source_, target), 0);  // with the real free space
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(DtdCopyTest, ErrorNumbers) {
  EXPECT_EQ(CopyDtdFile(source_, dir_.File("missing/412.dtd"), Plenty), ENOENT);

  EXPECT_EQ(CopyDtdFile(dir_.File("none.dtd"), dir_.File("412.dtd"), Plenty), 1);
  EXPECT_EQ(ui_.Messages(),
            std::vector<std::string>{"Nelze otevřít soubor \"" + dir_.File("none.dtd") + "\""});

  auto tight = [this](const std::string&) -> std::optional<uint64_t> { return text_.size() - 10; };
  EXPECT_EQ(CopyDtdFile(source_, dir_.File("new.dtd"), tight), 250);
  // The target being replaced frees its own space.
  WriteFile(dir_.File("old.dtd"), std::string(10, 'o'));
  EXPECT_EQ(CopyDtdFile(source_, dir_.File("old.dtd"), tight), 0);

  EXPECT_EQ(CopyDtdFile(source_, "/dev/full", Plenty), 251);
}

TEST_F(DtdCopyTest, OverlongPathsAreRefusedNotCut) {
  std::string long_name(kCopyMaxPath, 'n');
  EXPECT_EQ(CopyDtdFile(source_, dir_.File(long_name), Plenty), ENAMETOOLONG);
  std::string long_source = dir_.File(long_name);
  EXPECT_EQ(CopyDtdFile(long_source, dir_.File("412.dtd"), Plenty), 1);
  EXPECT_EQ(ui_.Messages().back(), "Nelze otevřít soubor \"" + long_source + "\"");
}

}  // namespace
}  // namespace tarnik::app
