#include "platform/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::platform {
namespace {

using ::tarnik::testing::ReadFile;
using ::tarnik::testing::WriteFile;

// Writes into the file as it is, as the export's writers do.
void Overwrite(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(FileReplacement, TargetsChangeOnlyOnCommitAndTakeTheOldMode) {
  ::tarnik::testing::TempDir dir;
  const std::string old_file = dir.File("a.xml"), new_file = dir.File("b.txt");
  WriteFile(old_file, "old");
  ::chmod(old_file.c_str(), 0640);
  {
    FileReplacement files;
    const std::string a = files.Add(old_file);
    const std::string b = files.Add(new_file);
    EXPECT_EQ(DirectoryOf(a), dir.path());
    EXPECT_NE(a, b);
    Overwrite(a, "new a");
    Overwrite(b, "new b");
    EXPECT_EQ(ReadFile(old_file), "old");
    EXPECT_FALSE(FileExists(new_file));
    files.Commit();
  }
  EXPECT_EQ(ReadFile(old_file), "new a");
  EXPECT_EQ(ReadFile(new_file), "new b");
  EXPECT_EQ(ModeOf(old_file), 0640u);  // not mkstemp's private mode
  EXPECT_EQ(ListDirectory(dir.path(), "*", kListFiles | kListHidden).size(), 2u);
}

TEST(FileReplacement, WithoutCommitTheTargetsStayAndNothingIsLeft) {
  ::tarnik::testing::TempDir dir;
  const std::string target = dir.File("x.xml");
  WriteFile(target, "kept");
  {
    FileReplacement files;
    Overwrite(files.Add(target), "half");
  }
  EXPECT_EQ(ReadFile(target), "kept");
  EXPECT_EQ(ListDirectory(dir.path(), "*", kListFiles | kListHidden).size(), 1u);
  FileReplacement nowhere;
  EXPECT_THROW(nowhere.Add(dir.File("missing/x.xml")), std::runtime_error);
}

}  // namespace
}  // namespace tarnik::platform
