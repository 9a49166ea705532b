#include <gtest/gtest.h>

#include "framework/script/script_messages.h"
#include "framework/script/script_path.h"

namespace tarnik::framework::script {
namespace {

TEST(ScriptPathTest, TokensEndAtDelimitersAndAreTrimmedOfSpacesOnly) {
  const std::string text = " WORLD . Data(x)";
  TPathToken t = NextPathToken(text, 0);
  EXPECT_EQ(t.text, "WORLD");
  EXPECT_EQ(t.delimiter, '.');
  EXPECT_EQ(t.delimiter_pos, 7u);
  t = NextPathToken(text, 8);
  EXPECT_EQ(t.text, "Data");
  EXPECT_EQ(t.delimiter, '(');
  t = NextPathToken("\tname", 0);
  EXPECT_EQ(t.text, "\tname");  // tabs are not blanks here
  t = NextPathToken("Název", 0);
  EXPECT_EQ(t.text, "Název");  // bytes above 127 never delimit
  EXPECT_EQ(t.delimiter, '\0');
  EXPECT_EQ(NextPathToken("ab", 7).delimiter_pos, 2u);
  for (char c : std::string("\"'(),.:")) EXPECT_TRUE(IsPathDelimiter(c)) << c;
  for (char c : std::string(";=* _-")) EXPECT_FALSE(IsPathDelimiter(c)) << c;
}

TEST(ScriptPathTest, CallArgumentsSplitOutsideNestedParentheses) {
  std::string text = "CREATE( Line , a(b,c) )";
  TCallArguments a = ScanCallArguments(text, 6);
  ASSERT_TRUE(a.closed);
  EXPECT_EQ(a.close_pos, text.size() - 1);
  EXPECT_EQ(a.args, (std::vector<std::string>{"Line", "a(b,c)"}));
  EXPECT_TRUE(ScanCallArguments("F()", 1).args.empty());
  EXPECT_EQ(ScanCallArguments("F(a,)", 1).args, (std::vector<std::string>{"a", ""}));
  TCallArguments open = ScanCallArguments("F(a, b", 1);
  EXPECT_FALSE(open.closed);
  EXPECT_EQ(open.close_pos, 6u);
}

TEST(ScriptPathTest, StatementSplitsAtTheFirstEqualsSign) {
  TStatementSides s = SplitStatement("  X.Name =  a=b ");
  EXPECT_EQ(s.left, "X.Name");
  EXPECT_EQ(s.right, "a=b");
  EXPECT_TRUE(s.has_right);
  s = SplitStatement("ACTIVEELEMENT");
  EXPECT_FALSE(s.has_right);
  EXPECT_EQ(s.left, "ACTIVEELEMENT");
}

TEST(ScriptMessagesTest, ExceptionReportHasTheFileLineAndMessage) {
  EXPECT_EQ(ErrorLine(2, ExceptionText("t.ksl", 1, "X.Y = 1", "Nemohu nalézt element X")),
            "ERROR 2: Soubor t.ksl, řádek.č.1:\r\n\"X.Y = 1\"\r\r\nChyba: Nemohu nalézt element X");
  EXPECT_EQ(ErrorLine(1, MissingScriptText("/a/b.ksl")),
            "ERROR 1: Skriptový soubor /a/b.ksl nenalezen !");
  EXPECT_EQ(BadAfterCallText(12), "Syntaktická chyba - na pozici 12 očekávám \".\" nebo nic");
  EXPECT_EQ(MissingCloseText(3), "Syntaktická chyba - na pozici 3 očekávám \")\"");
  EXPECT_TRUE(IsErrorLine("ERROR 9: x"));
  EXPECT_FALSE(IsErrorLine("error"));
}

}  // namespace
}  // namespace tarnik::framework::script
