#include "platform/fs.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "testing/test_env.h"

namespace tarnik::platform {
namespace {

using tarnik::testing::TempDir;
using tarnik::testing::WriteFile;

TEST(FileSystem, NamesAreFoundWhateverTheirCase) {
  TempDir tmp;
  WriteFile(tmp.File("blok1/tn.crd"), "x");
  EXPECT_EQ(FindInDirectory(tmp.File("blok1"), "TN.CRD"), tmp.File("blok1/tn.crd"));
  EXPECT_TRUE(FileExists(tmp.File("BLOK1/TN.CRD")));
  EXPECT_EQ(ResolvePath(tmp.File("Blok1\\Tn.Crd")), tmp.File("blok1/tn.crd"));
  EXPECT_TRUE(DirectoryExists(tmp.File("BLOK1")));
  EXPECT_FALSE(FileExists(tmp.File("BLOK1")));
  EXPECT_FALSE(FindInDirectory(tmp.File("blok1"), "TN.LIN").has_value());
  EXPECT_EQ(ResolvePath(tmp.File("blok1/none/x")), tmp.File("blok1/none/x"));
}

TEST(FileSystem, ListingFiltersByMaskAndKindAndSorts) {
  TempDir tmp;
  for (const char* n : {"b.DB", "A.db", "c.txt", "ČAS.DB", "noext"}) WriteFile(tmp.File(n), "");
  ForceDirectories(tmp.File("SUB.DB"));
  EXPECT_EQ(ListDirectory(tmp.path(), "*.db"),
            (std::vector<std::string>{"A.db", "b.DB", "ČAS.DB"}));
  EXPECT_EQ(ListDirectory(tmp.path(), "*.db", kListDirectories),
            (std::vector<std::string>{"SUB.DB"}));
  EXPECT_EQ(ListDirectory(tmp.path(), "?.*").size(), 3u);
  EXPECT_EQ(ListDirectory(tmp.path(), "*.*").size(), 5u);
  EXPECT_TRUE(ListDirectory(tmp.File("missing")).empty());
}

TEST(FileSystem, MaskMatching) {
  EXPECT_TRUE(MatchesMask("P0110.DBF", "p*.dbf"));
  EXPECT_TRUE(MatchesMask("tn.crd", "TN.???"));
  EXPECT_FALSE(MatchesMask("tn.crdx", "TN.???"));
  EXPECT_TRUE(MatchesMask("čáp.txt", "ČÁ?.TXT"));
  EXPECT_TRUE(MatchesMask("README", "README.*"));
  EXPECT_FALSE(MatchesMask("abc", "a*d"));
}

TEST(FileSystem, DirectoriesCopiesAndPaths) {
  TempDir tmp;
  EXPECT_TRUE(ForceDirectories(tmp.File("a/b/c/ISHULXML/")));
  EXPECT_TRUE(DirectoryExists(tmp.File("a/b/c/ISHULXML")));
  EXPECT_TRUE(ForceDirectories(tmp.File("A/B")));  // exists under another case
  WriteFile(tmp.File("a/f.dtd"), "<!ELEMENT x>");
  EXPECT_TRUE(CopyFile(tmp.File("A/F.DTD"), tmp.File("a/b/copy.dtd")));
  EXPECT_EQ(tarnik::testing::ReadFile(tmp.File("a/b/copy.dtd")), "<!ELEMENT x>");
  EXPECT_FALSE(CopyFile(tmp.File("none"), tmp.File("x")));
  EXPECT_EQ(NormalizePath("C:\\LHP\\DATA\\"), "C:/LHP/DATA/");
  EXPECT_EQ(JoinPath("/a/", "/b"), "/a/b");
  EXPECT_EQ(FileNameOf("a\\b\\c.DB"), "c.DB");
  EXPECT_EQ(DirectoryOf("/a/b/c.DB"), "/a/b");
  EXPECT_EQ(ExtensionOf("/a.b/c"), "");
  EXPECT_EQ(ChangeExtension("/x/LHC.xml", ".dtd"), "/x/LHC.dtd");
  EXPECT_EQ(ExcludeTrailingSlash("/x/y//"), "/x/y");
}

TEST(FileSystem, LinesKeepBytesAndSplitEveryLineEnd) {
  TempDir tmp;
  WriteFile(tmp.File("t.txt"), "a\r\nb\nc\r\r\n\xE8\n");
  auto lines = ReadLines(tmp.File("t.txt"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"a", "b", "c", "", "\xE8"}));
  EXPECT_FALSE(ReadLines(tmp.File("none")).has_value());
}

TEST(Paths, ProgramAndWorkingDirectoriesAreSettings) {
  TempDir tmp;
  std::string old_program = ProgramDir(), old_working = WorkingDir();
  WriteFile(tmp.File("XmlExpNU.dtd"), "");
  SetProgramDir(tmp.path() + "/");
  SetWorkingDir(tmp.path());
  EXPECT_EQ(ProgramDir(), tmp.path());
  EXPECT_EQ(ProgramFile("xmlexpnu.DTD"), tmp.File("XmlExpNU.dtd"));
  EXPECT_EQ(AbsolutePath("x/y"), tmp.File("x/y"));
  EXPECT_EQ(AbsolutePath("/abs"), "/abs");
  SetProgramDir(old_program);
  SetWorkingDir(old_working);
}

}  // namespace
}  // namespace tarnik::platform
