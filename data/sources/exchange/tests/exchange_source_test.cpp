#include "data/sources/exchange/exchange_source.h"

#include <gtest/gtest.h>

#include "data/sources/exchange/exchange_header.h"
#include "forest/unit/plan_source.h"
#include "platform/fs.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

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

class ExchangeSourceTest : public ::testing::Test, public test::UnitFixture {
 protected:
  // The kind recognised in a directory of exchange files, or -1 for no match.
  int KindOf(const std::string& dir, bool is_directory = true) {
    SourceQuery query = MakeSourceQuery(dir);
    query.is_directory = is_directory;
    std::optional<SourceMatch> match = RecogniseExchangeFiles(query);
    if (!match) return -1;
    EXPECT_TRUE(match->exchange_files);
    EXPECT_FALSE(match->lhc_kod);
    EXPECT_TRUE(match->settings.empty());
    return match->source->Kind();
  }
};

TEST_F(ExchangeSourceTest, TheFormComesFromTheHeaderOfJpAndTheCatalogue) {
  const std::string dir = Dir("fst");
  EXPECT_EQ(KindOf(dir), -1);
  tarnik::testing::WriteFile(dir + "/jp.fst", "|\r\n$\r\n3\r\nODD\r\nDIL\r\nPOR\r\n0\r\n");
  EXPECT_EQ(KindOf(dir), -1);  // JP.FST alone is no exchange unit
  tarnik::testing::WriteFile(dir + "/pp.fst", "|\r\n$\r\n1\r\nODD\r\n0\r\n");
  EXPECT_EQ(KindOf(dir), kSourceStandard98);  // no catalogue: not the 2000 form
  tarnik::testing::WriteFile(dir + "/katalog.fst", "2000\r\n");
  EXPECT_EQ(KindOf(dir), kSourceStandard2000);
  EXPECT_EQ(KindOf(dir, false), -1);
  // Without POR in JP.FST's header (or without JP.FST) the files are of the 97 form.
  tarnik::testing::WriteFile(dir + "/jp.fst", "|\r\n$\r\n2\r\nODD\r\nJP\r\n0\r\n");
  EXPECT_EQ(KindOf(dir), kSourceStandard97);
  platform::DeleteFile(dir + "/jp.fst");
  EXPECT_EQ(KindOf(dir), kSourceStandard97);
}

}  // namespace
}  // namespace tarnik::plan
