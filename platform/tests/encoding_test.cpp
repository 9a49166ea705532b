#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace tarnik::platform {
namespace {

TEST(Cp1250, EveryByteRoundTripsThroughUtf8) {
  for (int b = 0; b < 256; ++b) {
    std::string byte(1, static_cast<char>(b));
    std::string utf8 = Cp1250ToUtf8(byte);
    std::string back;
    EXPECT_TRUE(Utf8ToCp1250(utf8, &back)) << "byte " << b;
    EXPECT_EQ(back, byte) << "byte " << b;
  }
}

TEST(Cp1250, CzechLettersDecodeToTheirUnicodeForms) {
  // "Příliš žluťoučký kůň úpěl ďábelské ódy" in Windows-1250.
  const std::string cp1250 =
      "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1"
      "belsk\xE9 \xF3"
      "dy";
  EXPECT_EQ(Cp1250ToUtf8(cp1250), "Příliš žluťoučký kůň úpěl ďábelské ódy");
  std::string back;
  EXPECT_TRUE(Utf8ToCp1250("Příliš žluťoučký kůň úpěl ďábelské ódy", &back));
  EXPECT_EQ(back, cp1250);
  EXPECT_EQ(Cp1250ToUtf8("\x80"), "€");
  EXPECT_EQ(Cp1250ToUtf8("\x8A\x8E\xA9"), "ŠŽ©");
}

TEST(Cp1250, UndefinedBytesAreCarriedAsC1Controls) {
  for (unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
    EXPECT_EQ(Cp1250ByteToUnicode(b), static_cast<char32_t>(b));
    EXPECT_EQ(UnicodeToCp1250Byte(b), b);
  }
  // Other C1 code points have no byte: 0x80 is the euro sign.
  EXPECT_EQ(UnicodeToCp1250Byte(0x80), -1);
  EXPECT_EQ(UnicodeToCp1250Byte(0x8A), -1);
}

TEST(Cp1250, MissingCharactersAreReportedOrWrittenAsReferences) {
  std::string out;
  char32_t missing = 0;
  EXPECT_FALSE(Utf8ToCp1250("a\u0151\u00F1b\u4E2D", &out, &missing));  // ő is there, ñ is not
  EXPECT_EQ(missing, 0xF1u);
  EXPECT_EQ(out, "a\xF5?b?");
  EXPECT_EQ(Utf8ToCp1250Xml("ñ€中"), "&#241;\x80&#20013;");
  EXPECT_EQ(Utf8ToCp1250Xml("😀"), "&#128512;");
}

TEST(Utf8, MalformedInputDecodesAsReplacementPerByte) {
  std::string bad = "a\xC3";  // truncated sequence
  size_t pos = 1;
  EXPECT_EQ(NextCodePoint(bad, &pos), 0xFFFDu);
  EXPECT_EQ(pos, 2u);
  std::string overlong = "\xC0\xAF";
  pos = 0;
  EXPECT_EQ(NextCodePoint(overlong, &pos), 0xFFFDu);
  EXPECT_EQ(pos, 1u);
  std::string surrogate = "\xED\xA0\x80";
  pos = 0;
  EXPECT_EQ(NextCodePoint(surrogate, &pos), 0xFFFDu);
  EXPECT_EQ(Utf8Length("čáp"), 3u);
  EXPECT_EQ(Utf8Prefix("žluťoučký", 4), "žluť");
  EXPECT_EQ(Utf8Prefix("ab", 10), "ab");
}

// The 38 letters of each list, in code page 852 and as text.
constexpr char kExchange852[] =
    "\xB5\x90\xD6\x91\xE0\xE8\xE9\xED\xA0\x82\xA1\x92\xA2\xEA\xA3\xEC\xAC\xD2\xB7\x95\xD5\xE2\xFC"
    "\xE6\x9B\xDE\xA6\x9F\xD4\xD8\x96\xE5\x93\xFD\xE7\x9C\x85\xA7";
constexpr char kExchangeText[] = "ÁÉÍĹÓŔÚÝáéíĺóŕúýČĎĚĽŇÔŘŠŤŮŽčďěľňôřšťůž";
constexpr char kMapText[] = "ÁÉÍĹÓŔÚÝáéíĺóŕúýČĎĚĽŇÖŘŠŤŮŽčďěľňöřšťůž";

TEST(Cp852, ExchangeListMapsItsLettersAndKeepsEveryOtherByte) {
  EXPECT_EQ(Cp852ExchangeToUtf8(kExchange852), kExchangeText);
  std::string letters(kExchange852);
  for (int b = 0; b < 256; ++b) {
    if (letters.find(static_cast<char>(b)) != std::string::npos) continue;
    std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Cp852ExchangeToCp1250(byte), byte) << "byte " << b;
  }
  // Ö in code page 852 (0x99) is not on the exchange list: it stays byte 0x99 (™ in 1250).
  EXPECT_EQ(Cp852ExchangeToUtf8("\x99"), "™");
}

TEST(Cp852, MapListHasUmlautsInPlaceOfCircumflexes) {
  std::string map852(kExchange852);
  map852[21] = '\x99';  // Ö
  map852[32] = '\x94';  // ö
  EXPECT_EQ(Cp852MapToUtf8(map852), kMapText);
  // Ô (0xE2) and ô (0x93) are not on the map list and stay as they are.
  EXPECT_EQ(Cp852MapToCp1250("\xE2\x93"), "\xE2\x93");
  std::string letters = map852;
  for (int b = 0; b < 256; ++b) {
    if (letters.find(static_cast<char>(b)) != std::string::npos) continue;
    std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Cp852MapToCp1250(byte), byte) << "byte " << b;
  }
}

}  // namespace
}  // namespace tarnik::platform
