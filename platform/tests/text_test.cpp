#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnik::platform {
namespace {

TEST(CzechCase, UpperAndLowerCoverCzechAndSlovakLetters) {
  EXPECT_EQ(UpperCz("příliš žluťoučký kůň ďábelské ódy ľ ĺ ŕ ô ä"),
            "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ĎÁBELSKÉ ÓDY Ľ Ĺ Ŕ Ô Ä");
  EXPECT_EQ(LowerCz("PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ĎÁBELSKÉ ÓDY Ľ Ĺ Ŕ Ô Ä"),
            "příliš žluťoučký kůň ďábelské ódy ľ ĺ ŕ ô ä");
  EXPECT_EQ(UpperCz("ß×÷"), "ß×÷");
  EXPECT_EQ(UpperAscii("čap"), "čAP");
}

TEST(CzechCase, SameTextIgnoresCaseOfCzechLetters) {
  EXPECT_TRUE(SameTextCz("pe", "PE"));
  EXPECT_TRUE(SameTextCz("čáp", "ČÁP"));
  EXPECT_TRUE(SameTextCz("Řeka", "řEKA"));
  EXPECT_FALSE(SameTextCz("cap", "čap"));
  EXPECT_FALSE(SameTextCz("a[", "A{"));  // '[' and '{' differ by 0x20 but are not letters
  EXPECT_FALSE(SameTextCz("ab", "abc"));
  EXPECT_EQ(CompareTextCz("abc", "ABD"), -1);
  EXPECT_EQ(CompareTextCz("ŽÁBA", "žába"), 0);
}

TEST(CzechCollation, FollowsTheCzechAlphabet) {
  std::vector<std::string> words = {"d", "ch", "č", "c", "h", "i", "á", "a", "b", "",  "Ž",
                                    "z", "ř",  "r", "s", "š", "ů", "ú", "u", "ě", "é", "e"};
  std::sort(words.begin(), words.end(),
            [](const std::string& x, const std::string& y) { return CollateCz(x, y) < 0; });
  std::vector<std::string> expected = {"",   "a", "á", "b", "c", "č", "d", "e", "é", "ě", "h",
                                       "ch", "i", "r", "ř", "s", "š", "u", "ú", "ů", "z", "Ž"};
  EXPECT_EQ(words, expected);
}

TEST(CzechCollation, ComparesWordsLetterByLetterIgnoringCase) {
  EXPECT_LT(CollateCz("Cibule", "čáp"), 0);
  EXPECT_LT(CollateCz("čáp", "Dub"), 0);
  EXPECT_LT(CollateCz("hrad", "chata"), 0);
  EXPECT_LT(CollateCz("chata", "ivan"), 0);
  EXPECT_EQ(CollateCz("Chata", "CHATA"), 0);
  EXPECT_LT(CollateCz("abc", "abcd"), 0);
  EXPECT_LT(CollateCz("", " "), 0);
  EXPECT_LT(CollateCz("1", "A"), 0);
  EXPECT_LT(CollateCz("A 1", "A1"), 0);
  EXPECT_GT(CollateCz("b", ""), 0);
}

TEST(TextHelpers, TrimSplitJoinAndKeys) {
  EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(RemoveBlanks(" 1 2a  b "), "12ab");
  EXPECT_EQ(CommaToDot("1,5,2"), "1.5.2");
  EXPECT_EQ(Split("a$b$$c", '$'), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(Split("", '$'), (std::vector<std::string>{""}));
  EXPECT_EQ(Join({"a", "b", "c"}, "/"), "a/b/c");
  EXPECT_TRUE(StartsWithNoCase("ČÁSTka", "čás"));
  EXPECT_TRUE(EndsWithNoCase("/x/ishulxml", "/ISHULXML"));
  EXPECT_FALSE(EndsWithNoCase("ml", "/ISHULXML"));
}

}  // namespace
}  // namespace tarnik::platform
