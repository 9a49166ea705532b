#include "platform/numtext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tarnik::platform {
namespace {

class NumText : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  void TearDown() override { SetDecimalSeparator(','); }
};

TEST_F(NumText, FloatsInTheGeneralFormWithTheUsersSeparator) {
  EXPECT_EQ(FloatToText(1.5), "1,5");
  EXPECT_EQ(FloatToText(100), "100");
  EXPECT_EQ(FloatToText(-0.0), "0");
  EXPECT_EQ(FloatToText(0.1 + 0.2), "0,3");
  EXPECT_EQ(FloatToText(123456789012345678.0), "1,23456789012346E17");
  EXPECT_EQ(FloatToText(1e20), "1E20");
  EXPECT_EQ(FloatToText(0.00001), "1E-5");
  EXPECT_EQ(FloatToText(0.0001), "0,0001");
  EXPECT_EQ(FloatToTextDot(2.25), "2.25");
  SetDecimalSeparator('.');
  EXPECT_EQ(FloatToText(1.5), "1.5");
}

TEST_F(NumText, FixedFormRoundsHalfAwayFromZero) {
  EXPECT_EQ(FloatToFixedDot(12.3, 2), "12.30");
  EXPECT_EQ(FloatToFixedDot(0.125, 2), "0.13");
  EXPECT_EQ(FloatToFixedDot(2.675, 2), "2.68");
  EXPECT_EQ(FloatToFixedDot(-0.125, 2), "-0.13");
  EXPECT_EQ(FloatToFixedDot(-0.001, 2), "0.00");
  EXPECT_EQ(FloatToFixedDot(7.5, 0), "8");
  EXPECT_EQ(FloatToFixedDot(-7.5, 0), "-8");
  EXPECT_EQ(FloatToFixedDot(0.004, 3), "0.004");
  EXPECT_EQ(FloatToFixedDot(-0.0004, 3), "0.000");
  EXPECT_EQ(FloatToFixedDot(123456.5, 1), "123456.5");
  EXPECT_EQ(FloatToFixedDot(1e300, 2).substr(0, 4), "1000");
  EXPECT_EQ(FloatToFixedDot(-2.5e16, 0), "-25000000000000000");
}

// The rounded value printed with printf's fixed form is the reference for every size and
// number of places.
TEST_F(NumText, FixedFormAgreesWithPrintfAcrossMagnitudes) {
  uint64_t state = 12345;
  auto next = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 11;
  };
  for (int i = 0; i < 20000; ++i) {
    const int decimals = static_cast<int>(next() % 8);
    const double magnitude = std::pow(10.0, static_cast<double>(next() % 13) - 4);
    double value = static_cast<double>(next() % 1000000) / 1000000.0 * magnitude;
    if (next() % 2) value = -value;
    const double scale = std::pow(10.0, decimals);
    double rounded = std::floor(std::fabs(value * scale) + 0.5 + 1e-9);
    if (value < 0) rounded = -rounded;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.*f", decimals, rounded / scale);
    std::string text = expected;
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    ASSERT_EQ(FloatToFixedDot(value, decimals), text) << value << " " << decimals;
  }
}

TEST_F(NumText, DecimalTextAcceptsBothSeparators) {
  EXPECT_DOUBLE_EQ(DecimalTextToFloat("1,5"), 1.5);
  EXPECT_DOUBLE_EQ(DecimalTextToFloat("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(DecimalTextToFloat(" -2,25 "), -2.25);
  EXPECT_DOUBLE_EQ(DecimalTextToFloat("1,5,5"), 0);
  EXPECT_DOUBLE_EQ(DecimalTextToFloat("abc"), 0);
  EXPECT_DOUBLE_EQ(DecimalTextToFloat(""), 0);
  EXPECT_DOUBLE_EQ(DecimalTextToFloat("1E3"), 1000);
  SetDecimalSeparator('.');
  EXPECT_DOUBLE_EQ(DecimalTextToFloat("1,5"), 1.5);
  EXPECT_EQ(TextToFloatDot("1,5"), std::nullopt);
  EXPECT_EQ(TextToFloat("3,75"), 3.75);
  EXPECT_EQ(TextToFloat("inf"), std::nullopt);
}

TEST_F(NumText, IntegersNeverOverflow) {
  EXPECT_EQ(TextToInt(" 42 "), 42);
  EXPECT_EQ(TextToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(TextToInt("2147483648"), std::nullopt);
  EXPECT_EQ(TextToInt("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(TextToInt("$FF"), 255);
  EXPECT_EQ(TextToInt("0x10"), 16);
  EXPECT_EQ(TextToInt("12a"), std::nullopt);
  EXPECT_EQ(TextToInt(""), std::nullopt);
  EXPECT_EQ(TextToInt("-"), std::nullopt);
  EXPECT_EQ(TextToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(TextToInt64("9223372036854775808"), std::nullopt);
}

TEST_F(NumText, ShortDates) {
  EXPECT_EQ(DateToText({9, 12, 2026}), "9.12.2026");
  EXPECT_EQ(TextToDate("09.12.2026"), (Date{9, 12, 2026}));
  EXPECT_EQ(TextToDate("1.1.99"), (Date{1, 1, 1999}));
  EXPECT_EQ(TextToDate("1.1.05"), (Date{1, 1, 2005}));
  EXPECT_EQ(TextToDate("29.2.2023"), std::nullopt);
  EXPECT_EQ(TextToDate("29.2.2024"), (Date{29, 2, 2024}));
  EXPECT_EQ(TextToDate("31.4.2024"), std::nullopt);
  EXPECT_EQ(TextToDate("1.13.2024"), std::nullopt);
  EXPECT_EQ(TextToDate("a.b.c"), std::nullopt);
  EXPECT_EQ(TextToDate("1.2"), std::nullopt);
}

}  // namespace
}  // namespace tarnik::platform
