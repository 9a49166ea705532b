#include "platform/ini.h"

#include <gtest/gtest.h>

#include "testing/test_env.h"

namespace tarnik::platform {
namespace {

using tarnik::testing::ReadFile;
using tarnik::testing::TempDir;
using tarnik::testing::WriteFile;

TEST(IniFile, ReadsLikeTheProfileApi) {
  TempDir tmp;
  WriteFile(tmp.File("vekta.ini"),
            "; komentář\r\n[DATABASE]\r\nDATA = C:\\LHP\\DATA \r\ndata=druhy\r\n"
            "PristupPHS=\"D:\\PHS\"\r\nCislo=12\r\nZapnuto=1\r\nVadne=x12\r\n\r\n"
            "[Options]\r\nJmeno=Lesn\xED spr\xE1va\r\n");
  IniFile ini(tmp.File("vekta.ini"));
  EXPECT_EQ(ini.ReadString("database", "data", ""), "C:\\LHP\\DATA");  // first key wins, trimmed
  EXPECT_EQ(ini.ReadString("DATABASE", "PristupPHS", ""), "D:\\PHS");  // quotes removed
  EXPECT_EQ(ini.ReadString("DATABASE", "chybi", "výchozí"), "výchozí");
  EXPECT_EQ(ini.ReadString("OPTIONS", "jmeno", ""), "Lesní správa");  // decoded from 1250
  EXPECT_EQ(ini.ReadInteger("DATABASE", "Cislo", 0), 12);
  EXPECT_EQ(ini.ReadInteger("DATABASE", "Vadne", 7), 7);
  EXPECT_TRUE(ini.ReadBool("DATABASE", "Zapnuto", false));
  EXPECT_TRUE(ini.SectionExists("options"));
  EXPECT_FALSE(ini.SectionExists("nic"));
  EXPECT_EQ(ini.ReadSection("DATABASE"),
            (std::vector<std::string>{"DATA", "data", "PristupPHS", "Cislo", "Zapnuto", "Vadne"}));
  EXPECT_EQ(ini.ReadSectionValues("Options"), (std::vector<std::string>{"Jmeno=Lesní správa"}));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"DATABASE", "Options"}));
}

TEST(IniFile, WritingKeepsEveryOtherLineAndComment) {
  TempDir tmp;
  const std::string before = "; hlavička\r\n[A]\r\nx=1\r\n; uvnitř\r\ny=2\r\n\r\n[B]\r\nz=3\r\n";
  WriteFile(tmp.File("o.ini"), before);
  IniFile ini(tmp.File("o.ini"));
  ASSERT_TRUE(ini.WriteString("a", "Y", "čtyři"));
  ASSERT_TRUE(ini.WriteString("A", "nový", "5"));
  ASSERT_TRUE(ini.WriteInteger("C", "w", 6));
  EXPECT_EQ(ReadFile(tmp.File("o.ini")),
            "; hlavička\r\n[A]\r\nx=1\r\n; uvnitř\r\ny=\xE8ty\xF8i\r\nnov\xFD=5\r\n\r\n[B]\r\n"
            "z=3\r\n\r\n[C]\r\nw=6\r\n");
  IniFile again(tmp.File("O.INI"));  // found case-insensitively
  EXPECT_EQ(again.ReadString("A", "y", ""), "čtyři");
  EXPECT_EQ(again.ReadInteger("c", "W", 0), 6);
  ASSERT_TRUE(again.EraseKey("A", "x"));
  EXPECT_FALSE(IniFile(tmp.File("o.ini")).ValueExists("A", "x"));
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedOnWrite) {
  TempDir tmp;
  IniFile ini(tmp.File("sub/dir/new.ini"));
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
  EXPECT_TRUE(ini.ReadSectionValues("S").empty());
  ASSERT_TRUE(ini.WriteBool("S", "k", true));
  EXPECT_EQ(ReadFile(tmp.File("sub/dir/new.ini")), "[S]\r\nk=1\r\n");
}

}  // namespace
}  // namespace tarnik::platform
