#include "data/sources/part_files/part_files_source.h"

#include <gtest/gtest.h>

#include "data/sources/part_files/part_file_name.h"
#include "forest/unit/plan_source.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

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

class PartFilesSourceTest : public ::testing::Test, public test::UnitFixture {};

TEST_F(PartFilesSourceTest, AnyPartFileMatchesAndTheFirstNamesTheUnit) {
  const std::string dir = Dir("lhp160");
  EXPECT_FALSE(RecognisePartFiles(MakeSourceQuery(dir)));
  tarnik::testing::WriteFile(dir + "/notes.V", "");
  tarnik::testing::WriteFile(dir + "/777.01X", "");
  EXPECT_FALSE(RecognisePartFiles(MakeSourceQuery(dir)));

  tarnik::testing::WriteFile(dir + "/123.02V", "");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  std::optional<SourceMatch> match = RecognisePartFiles(MakeSourceQuery(dir));
  ASSERT_TRUE(match);
  ASSERT_NE(match->source, nullptr);
  EXPECT_EQ(match->source->Kind(), kSourcePartFiles);
  EXPECT_EQ(match->lhc_kod, 123);
  EXPECT_FALSE(match->exchange_files);
  EXPECT_TRUE(match->settings.empty());
  EXPECT_TRUE(ui.Messages().empty());
  // The part files are recognised, not read.
  EXPECT_EQ(match->source->ReaderName(), "");
  EXPECT_TRUE(match->source->AtEnd());
}

TEST_F(PartFilesSourceTest, OnlyADirectoryIsLookedAt) {
  const std::string dir = Dir("lhp160");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  SourceQuery query = MakeSourceQuery(dir);
  query.is_directory = false;
  EXPECT_FALSE(RecognisePartFiles(query));
}

}  // namespace
}  // namespace tarnik::plan
