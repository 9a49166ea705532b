#include "data/sources/part_files/part_record.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/part_files_writer.h"

namespace tarnik::plan {
namespace {

using tarnik::testing::PartLine;

TEST(PartRecord, EveryFieldIsCutAtItsPositionBeforeDecoding) {
  PartLine line;
  // Distinct digits in every field (cut to its width), a Czech letter where a byte of D1 is.
  for (int n = 1; n <= kPartFieldCount; ++n) line.Set(n, std::to_string(n % 10).append("987654"));
  line.Set(1, "Žďár");
  const PartRecord record = PartRecord::FromLine(line.Bytes());
  for (int n = 1; n <= kPartFieldCount; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(PartFieldLayout(n).position, tarnik::testing::PartFieldAt(n).first);
    EXPECT_EQ(PartFieldLayout(n).width, tarnik::testing::PartFieldAt(n).second);
    if (n > 1) {
      EXPECT_EQ(record.D(n), line.Field(n));
    }
  }
  EXPECT_EQ(record.D(1), "Žďár ");
  EXPECT_EQ(record.D(0), "");
  EXPECT_EQ(record.D(66), "");
}

TEST(PartRecord, ShortLinesAreBlankFilledAndLongOnesCut) {
  const PartRecord short_line = PartRecord::FromLine("abcde6\r");
  EXPECT_EQ(short_line.D(1), "abcde");
  EXPECT_EQ(short_line.D(2), "6");
  EXPECT_EQ(short_line.D(7), "   ");
  EXPECT_EQ(short_line.D(65), " ");
  EXPECT_EQ(PartRecord().D(17), "    ");
  // CR and ^Z inside the line are dropped before the positions are counted.
  std::string long_line = "\x1a" + std::string(159, '1') + "2" + "345";
  const PartRecord cut = PartRecord::FromLine(long_line);
  EXPECT_EQ(cut.D(64), "11");
  EXPECT_EQ(cut.D(65), "2");
  EXPECT_EQ(NormalizePartLine("x\r\ny").size(), kPartLineLength);
}

TEST(PartRecord, TextPartsEndAtControlZAndHaveNoBlankRecords) {
  EXPECT_EQ(SplitPartText("a\r\n\r\n   \r\nb\nc\rd\x1a"
                          "e\r\n"),
            (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_TRUE(SplitPartText("\x1a"
                            "abc")
                  .empty());
  EXPECT_TRUE(SplitPartText("").empty());
}

TEST(PartRecord, TheDigitsRuleKeepsOnlyDigits) {
  EXPECT_EQ(DigitsNumber(" 1a2"), 12);
  EXPECT_EQ(DigitsNumber("-5"), 5);
  EXPECT_EQ(DigitsNumber("   "), 0);
  EXPECT_EQ(DigitsNumber(""), 0);
  EXPECT_EQ(DigitsNumber("0042"), 42);
  EXPECT_EQ(DigitsNumber("99999999999"), 0);
}

TEST(PartRecord, SpeciesNumbersGiveAbbreviations) {
  EXPECT_EQ(SpeciesOfNumber(1), "SM ");
  EXPECT_EQ(SpeciesOfNumber(50), "BK ");
  EXPECT_EQ(SpeciesOfNumber(99), "SOU");
  EXPECT_EQ(SpeciesOfNumber(21), "BOC");
  for (int missing : {0, 7, 8, 15, 100, -1}) EXPECT_EQ(SpeciesOfNumber(missing), "   ") << missing;
}

TEST(PartRecord, DescriptionStringsAreClampedToTheirSlots) {
  std::string bytes =
      tarnik::testing::DescriptionBytes({{"", "Popis", "", "", "zdravý", "", "", "", "konec"}});
  ASSERT_EQ(bytes.size(), kDescriptionRecordSize);
  DescriptionRecord record = DecodeDescriptionRecord(bytes);
  EXPECT_EQ(record[1], "Popis");
  EXPECT_EQ(record[4], "zdravý");
  EXPECT_EQ(record[8], "konec");
  // A length byte above 88 reads 88 bytes, never into the next string.
  bytes[89] = static_cast<char>(250);
  bytes.replace(90, 88, std::string(88, 'x'));
  record = DecodeDescriptionRecord(bytes);
  EXPECT_EQ(record[1], std::string(88, 'x'));
  EXPECT_EQ(record[2], "");
  // Bytes that end inside a string give what exists.
  record = DecodeDescriptionRecord(bytes.substr(0, 100));
  EXPECT_EQ(record[1], std::string(10, 'x'));
  EXPECT_EQ(record[8], "");
}

}  // namespace
}  // namespace tarnik::plan
