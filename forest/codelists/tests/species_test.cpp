#include "forest/codelists/species.h"

#include <gtest/gtest.h>

#include <string_view>

#include "forest/codelists/category.h"

namespace tarnik::plan {
namespace {

TEST(SpeciesGroups, CodesAreUpperCasedAndCompletedBeforeLookup) {
  EXPECT_EQ(SpeciesGroupOf("sm"), kGroupSM);
  EXPECT_EQ(SpeciesGroupOf("Sm"), kGroupSM);
  EXPECT_EQ(SpeciesGroupOf("SM "), kGroupSM);
  EXPECT_EQ(SpeciesGroupOf("SMX"), kGroupSM);
  EXPECT_EQ(SpeciesGroupOf("SMXY"), kGroupSM);  // cut to three characters
  EXPECT_EQ(SpeciesGroupOf("ZZ"), kGroupXXX);
  EXPECT_EQ(SpeciesGroupOf("S"), kGroupXXX);  // one character matches nothing
  EXPECT_EQ(SpeciesGroupOf(""), kGroupXXX);
  EXPECT_EQ(SpeciesGroupOf("SMŘ"), kGroupXXX);  // a letter beyond ASCII matches nothing
  EXPECT_EQ(SpeciesGroupOf("SMXŘ"), kGroupSM);  // ... unless it is cut off
  EXPECT_EQ(SpeciesGroupOf(std::string_view("SM\0", 3)), kGroupXXX);
  EXPECT_EQ(NormalizeSpeciesCode("bk"), "BK ");
  EXPECT_EQ(NormalizeSpeciesCode("ď"), "ď");  // only a..z are upper-cased
}

TEST(SpeciesGroups, EveryGroupHasItsCodes) {
  EXPECT_EQ(SpeciesGroupOf("SOJ"), kGroupSM);
  EXPECT_EQ(SpeciesGroupOf("BL"), kGroupBO);
  EXPECT_EQ(SpeciesGroupOf("MDX"), kGroupMD);
  EXPECT_EQ(SpeciesGroupOf("JDV"), kGroupJD);
  EXPECT_EQ(SpeciesGroupOf("SOL"), kGroupDB);
  EXPECT_EQ(SpeciesGroupOf("KJ"), kGroupBK);
  EXPECT_EQ(SpeciesGroupOf("JSU"), kGroupJS);
  EXPECT_EQ(SpeciesGroupOf("MK"), kGroupBR);
  EXPECT_EQ(SpeciesGroupOf("OLZ"), kGroupOL);
  EXPECT_EQ(SpeciesGroupOf("os"), kGroupTP);
  EXPECT_EQ(SpeciesGroupOf("HB"), kGroupHB);
  EXPECT_EQ(SpeciesGroupOf("AK"), kGroupAK);
  EXPECT_EQ(SpeciesGroupOf("DG"), kGroupDG);
  EXPECT_EQ(SpeciesGroupOf("JAL"), kGroupKR);
  EXPECT_EQ(SpeciesGroupName(kGroupSM), "SM ");
  EXPECT_EQ(SpeciesGroupName(kGroupXXX), "XXX");
  EXPECT_EQ(SpeciesGroupName(15), "");
}

TEST(SpeciesGroups, ConifersAreTheFirstFourGroupsAndDouglasFir) {
  EXPECT_TRUE(IsConiferous("SM"));
  EXPECT_TRUE(IsConiferous("jd"));
  EXPECT_TRUE(IsConiferous("DG"));
  EXPECT_FALSE(IsConiferous("BK"));
  EXPECT_FALSE(IsConiferous("KOS"));
  EXPECT_FALSE(IsConiferous("ZZ"));
  EXPECT_DOUBLE_EQ(BarkFactor("ZZ"), 0.86956);
}

TEST(BarkConversion, VolumesUnderAndOverBark) {
  EXPECT_EQ(UnderBarkInt(100, "SM"), 91);
  EXPECT_EQ(UnderBarkInt(100, "BK"), 87);
  EXPECT_EQ(OverBarkInt(91, "SM"), 100);
  EXPECT_NEAR(UnderBark(100, "SM"), 90.909, 1e-9);
  EXPECT_EQ(UnderBarkInt(0, "BK"), 0);
}

TEST(BarkConversion, RoundingTakesHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(RoundHalfEven(1e300), 0);
}

TEST(GrowthClasses, ClassesDifferFromTheGroupsWhereTheTableSaysSo) {
  EXPECT_EQ(GrowthClassOf("JD"), 0);  // fir grows as spruce
  EXPECT_EQ(GrowthClassOf("MD"), 1);
  EXPECT_EQ(GrowthClassOf("LMX"), 2);  // the last code of the table
  EXPECT_EQ(GrowthClassOf("AK"), 2);   // the first in the alphabet
  EXPECT_EQ(GrowthClassOf("VR"), 2);   // the last in the alphabet
  EXPECT_EQ(GrowthClassOf("AAA"), 4);  // before the first
  EXPECT_EQ(GrowthClassOf("ZZZ"), 4);  // after the last
  EXPECT_EQ(GrowthClassOf("SOU"), 4);  // spruce group, but no growth table
  EXPECT_EQ(GrowthClassOf("OS"), 2);
  EXPECT_EQ(GrowthClassOf("ORC"), 3);
  EXPECT_EQ(GrowthClassOf("QQQ"), 4);
  EXPECT_EQ(GrowthClassSpecies(GrowthClassOf("hb")), "BK");
  EXPECT_EQ(GrowthClassSpecies(4), "XXX");
}

TEST(SiteClassTables, ColumnComesFromTheAbsoluteSiteClass) {
  EXPECT_EQ(RelativeSiteClassA("SM", 45, 28), 3);  // row 3, column 10
  EXPECT_EQ(RelativeSiteClassA("SM", 45, 6), 0);   // column -1
  EXPECT_EQ(RelativeSiteClassA("SM", 45, 9), 0);   // column 0 (truncated toward zero)
  EXPECT_EQ(RelativeSiteClassA("SM", 45, 10), 9);  // column 1
  EXPECT_EQ(RelativeSiteClassA("SM", 45, 40), 1);  // column 16
  EXPECT_EQ(RelativeSiteClassA("SM", 45, 42), 0);  // column 17
  EXPECT_EQ(RelativeSiteClassA("KOS", 45, 28), 0);
  EXPECT_EQ(RelativeSiteClassA("ZZ", 45, 28), 0);
}

TEST(SiteClassTables, RowsFollowGroupAndAge) {
  // Table A, column 8 (BON_A 24): beech row 22 "9998765431111111" -> 4, row 28 -> 3.
  EXPECT_EQ(RelativeSiteClassA("BK", 10, 24), 4);
  EXPECT_EQ(RelativeSiteClassA("BK", 130, 24), 3);
  // Oak above 120 takes row 35 "3333333322111111".
  EXPECT_EQ(RelativeSiteClassA("DB", 121, 24), 3);
  EXPECT_EQ(RelativeSiteClassA("DB", 120, 24), 5);  // row 34 "9999876532111111"
  // Aspen uses the alder-group row 37 although it is a poplar-group code.
  EXPECT_EQ(RelativeSiteClassA("OS", 30, 20), 3);  // row 37 column 6
  EXPECT_EQ(RelativeSiteClassA("TP", 30, 20), 9);  // row 40 column 6
  EXPECT_EQ(RelativeSiteClassA("DG", 30, 28), 5);  // row 20 column 10
  // Table B.
  EXPECT_EQ(RelativeSiteClassB("SM", 60, 24), 4);  // row 1 "9997765433211111" column 8
  EXPECT_EQ(RelativeSiteClassB("SM", 61, 24), 5);  // row 2 "9998765543211111" column 8
  EXPECT_EQ(RelativeSiteClassB("DG", 61, 28), 5);  // row 11
  EXPECT_EQ(RelativeSiteClassB("OS", 61, 20), 3);  // row 19
  EXPECT_EQ(RelativeSiteClassB("HB", 51, 12), 9);  // row 25 column 2
  EXPECT_EQ(RelativeSiteClassB("KR", 51, 12), 0);
}

TEST(CategoryNumbers, DigitsTimesTenPlusTheLetter) {
  EXPECT_EQ(CategoryNumber("32A"), 321);
  EXPECT_EQ(CategoryNumber("32a"), 321);
  EXPECT_EQ(CategoryNumber("10"), 100);
  EXPECT_EQ(CategoryNumber("21B"), 212);
  EXPECT_EQ(CategoryNumber(""), 0);
  EXPECT_EQ(CategoryNumber("X"), 0);
  EXPECT_EQ(CategoryNumber("3X"), 30);     // only the digits count
  EXPECT_EQ(CategoryNumber("32AB"), 320);  // four characters: no letter added
}

}  // namespace
}  // namespace tarnik::plan
