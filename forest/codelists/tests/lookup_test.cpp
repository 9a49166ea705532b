// Code-list lookups on the program directory's code lists and on a copy of the sample unit.
#include <gtest/gtest.h>

#include <memory>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/code_lookup.h"
#include "forest/codelists/growth_table.h"
#include "forest/codelists/stand_categories.h"
#include "forest/codelists/territory.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class CodeLists : public ::testing::Test {
 protected:
  std::unique_ptr<engine::Table> Open(const std::string& name) {
    return std::make_unique<engine::Table>(cis_, name);
  }

  testing::ScopedProgramDir program_;
  engine::Database cis_ = engine::Database::Open(
      platform::JoinPath(platform::ProgramDir(), "CISELNIK"), engine::OpenMode::kReadOnly);
};

TEST_F(CodeLists, DescriptionsAndTheirMarkers) {
  auto terrain = Open("CIS_TETY");
  EXPECT_EQ(CodeDescription(terrain.get(), "Kod", "7", "POPIS"), "*zz2*7");
  EXPECT_EQ(CodeDescription(nullptr, "Kod", "7", "POPIS"), "*zz1*7");
  auto species = Open("CIS_DREV");
  EXPECT_EQ(CodeDescription(species.get(), "CKOD", "sm", "POPIS_CS"), "smrk ztepilý");
  EXPECT_EQ(CodeDescription(species.get(), "CKOD", "sm", "POPIS_CS", true), "*zz2*sm");
  EXPECT_EQ(CodeDescription(species.get(), "NEXISTUJE", "SM", "POPIS_CS"), "i3*zz3*SM");
  EXPECT_EQ(CodeDescription(species.get(), "CKOD", "SM", "NEXISTUJE"), "i2*zz3*SM");
}

TEST_F(CodeLists, SearchStaysOnTheMatchOrReturnsToWhereItStarted) {
  auto species = Open("CIS_DREV");
  species->GoTo(3);
  const std::string third = species->AsString("CKOD");
  EXPECT_FALSE(SequentialSearch(*species, "CKOD", "QQQ", false, SearchStart::kFirst));
  EXPECT_EQ(species->AsString("CKOD"), third);
  EXPECT_TRUE(SequentialSearch(*species, "CKOD", "bk", false, SearchStart::kFirst));
  EXPECT_EQ(species->AsString("CKOD"), "BK");
  species->GoTo(3);
  EXPECT_TRUE(SequentialSearch(*species, "CKOD", "BK", false, SearchStart::kFirst, true));
  EXPECT_EQ(species->AsString("CKOD"), third);
  // From the next row a match on the current row is skipped.
  ASSERT_TRUE(SequentialSearch(*species, "CKOD", "BK", false, SearchStart::kFirst));
  EXPECT_FALSE(SequentialSearch(*species, "CKOD", "BK", false, SearchStart::kNext));
  EXPECT_TRUE(SequentialSearch(*species, "CKOD", "BK", false, SearchStart::kCurrent));
}

TEST_F(CodeLists, MembershipAndCounts) {
  auto species = Open("CIS_DREV");
  EXPECT_TRUE(CodeInList(species.get(), "CKOD", "Jd", false));
  EXPECT_FALSE(CodeInList(species.get(), "CKOD", "QQ", true));
  EXPECT_TRUE(CodeInList(species.get(), "CKOD", "", true));
  EXPECT_FALSE(CodeInList(species.get(), "CKOD", "", false));
  EXPECT_FALSE(CodeInList(nullptr, "CKOD", "SM", true));
  species->GoTo(2);
  const int64_t recno = species->RecNo();
  EXPECT_EQ(CountRowsWithText(species.get(), "CKOD", "SM"), 1);
  EXPECT_EQ(CountRowsWithText(species.get(), "CKOD", "sm"), 0);
  EXPECT_EQ(species->RecNo(), recno);
  EXPECT_EQ(CountRowsWithText(nullptr, "CKOD", "SM"), 0);
}

TEST_F(CodeLists, OfficeOfACadastralArea) {
  auto ku = Open("KU");
  auto obce = Open("Obce");
  EXPECT_EQ(OfficeOfCadastralArea(ku.get(), obce.get(), 752061), 206108);
  EXPECT_EQ(OfficeOfCadastralArea(ku.get(), obce.get(), 660957), 206108);
  // A code missing from KU takes the nearest row's municipality.
  EXPECT_EQ(OfficeOfCadastralArea(ku.get(), obce.get(), 700000), 206108);
  EXPECT_EQ(OfficeOfCadastralArea(nullptr, obce.get(), 752061), 0);
}

TEST(Territory, UnmatchedMunicipalityGivesZero) {
  testing::TempDir dir;
  engine::Database db = engine::Database::Open(dir.path());
  db.Execute(
      "CREATE TABLE KU (KODKU6 INTEGER, NAZKU VARCHAR(40), KODOB INTEGER, "
      "PRIMARY KEY (KODKU6))");
  db.Execute(
      "CREATE TABLE Obce (KODOB INTEGER, NAZOB VARCHAR(40), CISORP INTEGER, "
      "PRIMARY KEY (KODOB))");
  db.Execute("INSERT INTO KU VALUES (100001, 'A', 500), (100002, 'B', 777)");
  db.Execute("INSERT INTO Obce VALUES (500, 'Obec', 6101), (900, 'Jiná', 6102)");
  engine::Table ku(db, "KU");
  engine::Table obce(db, "Obce");
  EXPECT_EQ(OfficeOfCadastralArea(&ku, &obce, 100002), 0);
  EXPECT_EQ(OfficeOfCadastralArea(&ku, &obce, 100001), 206101);
  // The municipality row already current is used without a new search.
  EXPECT_EQ(OfficeOfCadastralArea(&ku, &obce, 100001), 206101);
}

TEST_F(CodeLists, GrowthTableValuesOfASpecies) {
  auto rust = Open("RustTab");
  GrowthValues v = GrowthValuesOf(rust.get(), "SM", 45, 110, 24, false);
  EXPECT_DOUBLE_EQ(v.bezny_prir, 11.2);  // (SM, 24, 40, 45)
  EXPECT_EQ(v.pmp, 5);                   // 572 / 110
  EXPECT_EQ(v.cpp, 8);                   // 880 / 110
  v = GrowthValuesOf(rust.get(), "SM", 45, 110, 24, true);
  EXPECT_DOUBLE_EQ(v.bezny_prir, 10);
  EXPECT_EQ(v.pmp, 5);
  EXPECT_EQ(v.cpp, 7);
  v = GrowthValuesOf(rust.get(), "JD", 45, 3, 24, false);  // fir reads the spruce rows
  EXPECT_DOUBLE_EQ(v.bezny_prir, 11.2);
  EXPECT_EQ(v.pmp, 0);  // rotation below 5
  EXPECT_EQ(v.cpp, 0);
  v = GrowthValuesOf(nullptr, "SM", 45, 110, 24, false);
  EXPECT_DOUBLE_EQ(v.bezny_prir, 0);
  EXPECT_EQ(v.pmp, 0);
}

class StandCategories : public ::testing::Test {
 protected:
  testing::TempDir tmp_;
  std::string unit_ = testing::CopySample("demo", tmp_);
  engine::Database phs_ = engine::Database::Open(platform::JoinPath(unit_, "PHS"));
  engine::Table table_{phs_, "KATEGPOR"};
};

TEST_F(StandCategories, RowsOfTheStandWin) {
  StandCategoryRows rows = StandCategoryRowsOf(&table_, "12", "C", "1");
  ASSERT_EQ(rows.rows.size(), 2u);
  EXPECT_EQ(CategoriesIncludingOverlay(rows), "32e/10");
  EXPECT_EQ(SpecialStatusesIncludingOverlay(rows), "18/26");
  EXPECT_EQ(RemarksOfStand(rows), "les s vodoochrannou funkcí;;");
  EXPECT_FALSE(table_.HasRange());
}

TEST_F(StandCategories, StandsWithoutRowsFallBackToTheUnitDefaults) {
  for (auto [odd, dil, por] : {std::tuple{"12", "C", "9"}, std::tuple{"99", "A", "1"}}) {
    StandCategoryRows rows = StandCategoryRowsOf(&table_, odd, dil, por);
    EXPECT_EQ(CategoriesIncludingOverlay(rows), "10");
    EXPECT_EQ(SpecialStatusesIncludingOverlay(rows), "");
    EXPECT_EQ(RemarksOfStand(rows), "výchozí kategorie celku;");
  }
}

TEST(StandCategoryTexts, EmptyZeroAndRepeatedValuesAreLeftOut) {
  StandCategoryRows rows;
  rows.has_remarks_column = true;
  rows.rows = {{"21 a", " 17", "a;"}, {"0", "0", "b"}, {"21a", "1 7", ""}, {"", "", "c"}};
  EXPECT_EQ(CategoriesIncludingOverlay(rows), "21a");
  EXPECT_EQ(SpecialStatusesIncludingOverlay(rows), " 17");
  EXPECT_EQ(RemarksOfStand(rows), "a;b;;c;");
  rows.has_remarks_column = false;
  EXPECT_EQ(RemarksOfStand(rows), "");
  EXPECT_EQ(CategoriesIncludingOverlay(StandCategoryRows{}), "10");
  EXPECT_EQ(StandCategoryRowsOf(nullptr, "1", "A", "1").rows.size(), 0u);
}

}  // namespace
}  // namespace tarnik::plan
