#include "framework/int_text.h"

#include <gtest/gtest.h>

#include "platform/numtext.h"

namespace tarnik::framework {
namespace {

TEST(IntTextTest, PrefixRuleStopsAtBadCharacter) {
  EXPECT_EQ(ReadIntegerPrefix("12ab"), 12);
  EXPECT_EQ(ReadIntegerPrefix("abc"), 0);
  EXPECT_EQ(ReadIntegerPrefix(""), 0);
  EXPECT_EQ(ReadIntegerPrefix("  -42"), -42);
  EXPECT_EQ(ReadIntegerPrefix("$1F"), 31);
  EXPECT_EQ(ReadIntegerPrefix("0x10"), 16);
  EXPECT_EQ(ReadIntegerPrefix("x10"), 16);
  EXPECT_EQ(ReadIntegerPrefix("$FFFFFFFF"), -1);
}

TEST(IntTextTest, OverflowEndsTheNumberInsteadOfWrapping) {
  EXPECT_EQ(ReadIntegerPrefix("2147483647"), 2147483647);
  EXPECT_EQ(ReadIntegerPrefix("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ReadIntegerPrefix("21474836479"), 2147483647);
  EXPECT_FALSE(WholeTextToInteger("2147483648").has_value());
  EXPECT_FALSE(WholeTextToInteger("99999999999999999999").has_value());
}

TEST(IntTextTest, WholeTextRequiresNothingBadAfterTheDigits) {
  EXPECT_EQ(WholeTextToInteger(" 17 "), 17);
  EXPECT_EQ(WholeTextToInteger("-$10"), -16);
  EXPECT_FALSE(WholeTextToInteger("12ab").has_value());
  EXPECT_FALSE(WholeTextToInteger("").has_value());
  EXPECT_FALSE(WholeTextToInteger("-").has_value());
  EXPECT_FALSE(WholeTextToInteger("1 2").has_value());
}

TEST(IntTextTest, DecimalTextAcceptsBothSeparatorsWhateverTheSetting) {
  char saved = platform::DecimalSeparator();
  for (char sep : {',', '.'}) {
    platform::SetDecimalSeparator(sep);
    EXPECT_DOUBLE_EQ(ReadDecimalText("1,5").value(), 1.5);
    EXPECT_DOUBLE_EQ(ReadDecimalText("1.5").value(), 1.5);
    EXPECT_DOUBLE_EQ(ReadDecimalText(" -2.5e2 ").value(), -250.0);
    EXPECT_FALSE(ReadDecimalText("abc").has_value());
    EXPECT_FALSE(ReadDecimalText("1.5.3").has_value());
    EXPECT_FALSE(ReadDecimalText("").has_value());
  }
  platform::SetDecimalSeparator(saved);
}

TEST(IntTextTest, SeparatorParserIsStrict) {
  EXPECT_DOUBLE_EQ(ParseFloatWithSeparator("1e3", '.').value(), 1000.0);
  EXPECT_FALSE(ParseFloatWithSeparator("1,5", '.').has_value());
  EXPECT_FALSE(ParseFloatWithSeparator("1e", '.').has_value());
  EXPECT_FALSE(ParseFloatWithSeparator("1e999", '.').has_value());
}

}  // namespace
}  // namespace tarnik::framework
