#include "forest/unit/compartment_list.h"

#include <gtest/gtest.h>

#include "forest/unit/source_files.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

TEST(CompartmentList, PadsToThreeSortsAndKeepsEachNumberOnce) {
  EXPECT_EQ(PadCompartment("5"), "  5");
  EXPECT_EQ(PadCompartment("12"), " 12");
  EXPECT_EQ(PadCompartment("1234"), "1234");
  CompartmentList list;
  EXPECT_TRUE(list.Add("12"));
  EXPECT_TRUE(list.Add("5"));
  EXPECT_TRUE(list.Add("105"));
  EXPECT_FALSE(list.Add("12"));
  EXPECT_FALSE(list.Add(" 5"));
  EXPECT_EQ(list.items(), (std::vector<std::string>{"  5", " 12", "105"}));
  EXPECT_TRUE(list.Contains("5"));
  EXPECT_FALSE(list.Contains("6"));
}

TEST(SourceFiles, PartFileNamesNeedTwoIntegers) {
  auto part = ParsePartFileName("123.01V");
  ASSERT_TRUE(part);
  EXPECT_EQ(part->unit, 123);
  EXPECT_EQ(part->part, 1);
  EXPECT_EQ(ParsePartFileName("456.12v")->part, 12);
  EXPECT_FALSE(ParsePartFileName("abc.01V"));
  EXPECT_FALSE(ParsePartFileName("123.AV"));
  EXPECT_FALSE(ParsePartFileName("123.V"));
  EXPECT_FALSE(ParsePartFileName("123V"));
  EXPECT_FALSE(ParsePartFileName("99999999999.01V"));
  // The name is split at the first ".": "1.2.3V" has the extension "2.3V".
  EXPECT_FALSE(ParsePartFileName("1.2.3V"));
}

TEST(SourceFiles, HeaderColumnsAndFirstLineReadOnlyTheirLines) {
  testing::TempDir tmp;
  // Separator lines, a column count by the digits rule, the names, then data never read.
  testing::WriteFile(tmp.File("JP.FST"), "|\r\n$\r\n 3x\r\nodd\r\nDil\r\npor \r\n2\r\n1|A|1\r\n");
  EXPECT_EQ(StandardFileColumns(tmp.File("JP.FST")),
            (std::vector<std::string>{"ODD", "DIL", "POR"}));
  testing::WriteFile(tmp.File("short.FST"), "|\r\n$\r\n5\r\nODD\r\n");
  EXPECT_EQ(StandardFileColumns(tmp.File("short.FST")), (std::vector<std::string>{"ODD"}));
  EXPECT_TRUE(StandardFileColumns(tmp.File("none.FST")).empty());
  testing::WriteFile(tmp.File("KATALOG.FST"), " 2000 \r\nsecond\r\n");
  EXPECT_EQ(FirstLineTrimmed(tmp.File("katalog.fst")), "2000");
  EXPECT_EQ(FirstLineTrimmed(tmp.File("none.FST")), "");
}

}  // namespace
}  // namespace tarnik::plan
