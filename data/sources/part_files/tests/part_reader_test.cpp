#include "data/sources/part_files/part_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fs.h"
#include "testing/part_files_writer.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

using tarnik::testing::PartLine;

PartLine Line(const char* odd, const char* dil, const char* species) {
  PartLine line;
  line.Set(7, odd).Set(8, dil).Set(23, species);
  return line;
}

class PartReaderTest : public ::testing::Test, public test::UnitFixture {
 protected:
  std::vector<std::string> Walk(TUnivStareLHP& reader) {
    std::vector<std::string> seen;
    for (; !reader.Eof(); reader.Next())
      seen.push_back(reader.GetPropertyText("D7") + reader.GetPropertyText("D8") +
                     reader.GetPropertyText("D23"));
    return seen;
  }
};

TEST_F(PartReaderTest, RecordsFollowOneAnotherAndTheLastStays) {
  const std::string dir = Dir("parts");
  tarnik::testing::WritePartFile(
      dir + "/123456.01V",
      {Line("  5", "a", "SM"), Line("  5", "b", "BK"), Line(" 12", "a", "JD")});
  TUnivStareLHP reader;
  reader.SetFileName(dir + "/123456.01V");
  ASSERT_TRUE(reader.Open());
  EXPECT_FALSE(reader.HasDescription());
  EXPECT_EQ(Walk(reader), (std::vector<std::string>{"  5aSM ", "  5bBK ", " 12aJD "}));
  EXPECT_TRUE(reader.Eof());
  EXPECT_EQ(reader.Current().D(7), " 12");
  // The fields are read-only.
  reader.SetPropertyText("D7", "999");
  EXPECT_EQ(reader.GetPropertyText("D7"), " 12");
  EXPECT_EQ(reader.Moves(), 3);
  reader.First();
  EXPECT_EQ(reader.GetPropertyText("D8"), "a");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PartReaderTest, DescriptionRecordsFollowTheSubCompartments) {
  const std::string dir = Dir("parts");
  tarnik::testing::WritePartFile(
      dir + "/123456.03V", {Line("  5", "a", "SM"), Line("  5", "a", "BK"), Line("  5", "b", "JD"),
                            Line("  6", "a", "SM")});
  EXPECT_EQ(TUnivStareLHP::DescriptionName(dir + "/123456.03V"), "12345603.tlh");
  tarnik::testing::WriteDescriptionFile(dir + "/12345603.TLH", {{"", "první"}, {"", "druhý"}});
  TUnivStareLHP reader;
  reader.SetFileName(dir + "/123456.03V");
  ASSERT_TRUE(reader.Open());
  ASSERT_TRUE(reader.HasDescription());
  std::vector<std::string> texts;
  for (; !reader.Eof(); reader.Next())
    texts.push_back(reader.Description() ? (*reader.Description())[1] : "-");
  // The third sub-compartment has no record left: reported, and it has none.
  EXPECT_EQ(texts, (std::vector<std::string>{"první", "první", "druhý", "-"}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nešel načíst popis file"});
}

TEST_F(PartReaderTest, AMissingPartLeavesTheReaderWithoutRecords) {
  TUnivStareLHP reader;
  reader.SetFileName(tmp.File("123.01V"));
  EXPECT_FALSE(reader.Open());
  EXPECT_TRUE(reader.Eof());
  EXPECT_EQ(reader.Current().D(7), "   ");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Nemohu otevřít soubor LHP160 \"" +
                                                    tmp.File("123.01V") + "\""});
  // An empty part opens and is at its end at once.
  const std::string dir = Dir("empty");
  tarnik::testing::WritePartFile(dir + "/1.01V", {});
  reader.SetFileName(dir + "/1.01V");
  EXPECT_TRUE(reader.Open());
  EXPECT_TRUE(reader.Eof());
}

TEST_F(PartReaderTest, ADbaseTableGivesTheSameRecordsWithoutDescription) {
  const std::string dir = Dir("dbf");
  std::vector<PartLine> lines = {Line("  5", "a", "SM"), Line("  5", "b", "BK")};
  lines[0].Set(1, "Šumav").Set(16, "01").Set(17, "0250");
  tarnik::testing::WritePartTable(dir + "/123456.DBF", lines);
  tarnik::testing::WriteDescriptionFile(dir + "/123456DB.tlh", {{"", "nečte se"}});
  TUnivStareLHP reader;
  reader.SetFileName(dir + "/123456.DBF");
  ASSERT_TRUE(reader.Open());
  EXPECT_FALSE(reader.HasDescription());
  EXPECT_EQ(reader.Current().D(1), "Šumav");
  EXPECT_EQ(reader.Current().D(16), "01 ");
  EXPECT_EQ(reader.Current().D(17), "0250");
  EXPECT_EQ(Walk(reader), (std::vector<std::string>{"  5aSM ", "  5bBK "}));
  EXPECT_EQ(reader.Description(), nullptr);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PartReaderTest, BytesInMemoryAreReadLikeAFile) {
  TUnivStareLHP reader;
  reader.OpenBytes(tarnik::testing::PartFileBytes({Line("  7", "c", "DB")}), std::nullopt);
  EXPECT_EQ(Walk(reader), std::vector<std::string>{"  7cDB "});
}

}  // namespace
}  // namespace tarnik::plan
