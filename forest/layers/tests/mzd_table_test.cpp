#include "forest/layers/mzd_table.h"

#include <gtest/gtest.h>

namespace tarnik::plan {
namespace {

std::vector<std::string> SpeciesOf(const std::vector<MzdRecord>& records) {
  std::vector<std::string> species;
  for (const MzdRecord& r : records) species.push_back(r.dr_zkr);
  return species;
}

TEST(MzdTable, StoredForms) {
  const auto& rows = TabulkaMZD();
  ASSERT_EQ(rows.size(), 88u);
  EXPECT_EQ(rows[6].site_types, "1N,2N,1C,2C,3N4,4N4,2M9,2K9,3M9,4M9,");
  EXPECT_EQ(rows[25].species, ",BR,");
  EXPECT_EQ(rows[27].variant, "BO");
  EXPECT_EQ(rows[87].mzd, 0);
}

TEST(MzdExpansion, SiteRowAndVariantRow) {
  std::vector<MzdRecord> records = RozvinMZDKlic({21, "1A"});
  ASSERT_EQ(records.size(), 13u);
  EXPECT_EQ(SpeciesOf(records),
            (std::vector<std::string>{"BK", "DB", "DBZ", "LP", "LPV", "JV", "KL", "HB", "JS", "JD",
                                      "BRK", "BB", "TS"}));
  for (const MzdRecord& r : records) {
    EXPECT_EQ(r.mzd, 30);
    EXPECT_EQ(r.lt_slt, "1A");
    EXPECT_EQ(r.cislo_hs, 21);
  }
  EXPECT_EQ(RozvinMZDKlic({25, "1A"}).size(), 16u);  // variant DB, row 10
}

TEST(MzdExpansion, FallsBackToTwoCharactersAndEmptyVariant) {
  std::vector<MzdRecord> records = RozvinMZDKlic({23, "3N5"});  // site row 29, variant row 28
  EXPECT_EQ(SpeciesOf(records), (std::vector<std::string>{"BK", "DB", "DBZ", "LP", "LPV", "JD"}));
  EXPECT_EQ(records.front().lt_slt, "3N");
  records = RozvinMZDKlic({45, "3K"});  // no DB variant in rows 32..34: row 32
  EXPECT_EQ(SpeciesOf(records),
            (std::vector<std::string>{"BK", "DB", "DBZ", "LP", "LPV", "HB", "JD", "DG"}));
  EXPECT_EQ(records.front().mzd, 25);
}

TEST(MzdExpansion, UnknownAndEmptySiteTypes) {
  EXPECT_TRUE(RozvinMZDKlic({11, "9Q"}).empty());
  const std::vector<MzdRecord> records = RozvinMZDKlic({21, ""});
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0], (MzdRecord{21, 0, "JR", ""}));
  const std::vector<MzdRecord> twice = RozvinMZDHospSoub({{21, "3N5"}, {21, "3N6"}});
  EXPECT_EQ(twice.size(), 14u);  // row 27 twice
  EXPECT_EQ(twice[0], twice[7]);
}

TEST(MzdExpansion, ListKeyOfALayer) {
  EXPECT_EQ(MzdListKey(21, "1A"), "000211A ");
  EXPECT_EQ(MzdListKey(123456, "3N5"), "1234563N5");
}

TEST(MzdLookup, CandidateOrder) {
  MzdFit fit = NajdiRadekMZD("1A", "DB");
  EXPECT_EQ(fit.row, 10);
  EXPECT_EQ(fit.mzd, 30);
  EXPECT_EQ(NajdiRadekMZD("3K5", "BK").row, 11);  // C before B
  fit = NajdiRadekMZD("3V", "SM");                // 3V is also in 3V9
  EXPECT_EQ(fit.row, 54);
  EXPECT_EQ(fit.mzd, 20);
  fit = NajdiRadekMZD("", "SM");
  EXPECT_EQ(fit.mzd, -1);
  EXPECT_EQ(fit.species, "");
  EXPECT_TRUE(JeMZDDrevina("dbz ", "1A", "DB"));
  EXPECT_FALSE(JeMZDDrevina("D", "1A", "DB"));
  EXPECT_FALSE(JeMZDDrevina("SM", "", "SM"));
}

}  // namespace
}  // namespace tarnik::plan
