#include "forest/layers/layer_rules.h"

#include <gtest/gtest.h>

namespace tarnik::plan {
namespace {

TEST(LayerKeys, ShortCodeRule) {
  EXPECT_EQ(ShortCodeRule("1"), " 1 ");
  EXPECT_EQ(ShortCodeRule(" 1 "), " 1 ");  // the same layer as "1"
  EXPECT_EQ(ShortCodeRule("12"), "12 ");
  EXPECT_EQ(ShortCodeRule("1A"), " 1a");
  EXPECT_EQ(ShortCodeRule("ABC"), "abc");
  EXPECT_EQ(ShortCodeRule(ShortCodeRule("1a")), " 1a");
}

TEST(LayerKeys, RegionAndSpeciesRules) {
  EXPECT_EQ(RegionCodeRule("5"), " 5");
  EXPECT_EQ(RegionCodeRule("5a"), " 5a");
  EXPECT_EQ(RegionCodeRule("12"), "12");
  EXPECT_EQ(RegionCodeRule("XXX"), "XXX");
  EXPECT_EQ(RegionCodeRule("AbC"), "abc");
  EXPECT_EQ(SpeciesCodeRule("sm"), "SM ");
  EXPECT_EQ(SpeciesCodeRule(" b k"), "BK ");
  EXPECT_EQ(SpeciesCodeRule(""), "   ");
  EXPECT_EQ(SpeciesCodeRule("d"), "D  ");
  EXPECT_EQ(SpeciesCodeRule("dbz"), "DBZ");
}

TEST(LayerTexts, UrgencyForTheXml) {
  EXPECT_EQ(UrgencyXml("4"), "1");
  EXPECT_EQ(UrgencyXml("2"), "0");
  EXPECT_EQ(UrgencyXml("1"), "1");
  EXPECT_EQ(UrgencyXml("5"), "0");
  EXPECT_EQ(UrgencyXml("7"), "");
  EXPECT_EQ(UrgencyXml(""), "");
  EXPECT_EQ(UrgencyInt(" 3 "), 3);
  EXPECT_EQ(UrgencyInt(""), 0);
}

TEST(LayerTexts, AreasRoundHalfToEven) {
  EXPECT_EQ(Area2Xml(0.125), "0.12");
  EXPECT_EQ(Area2Xml(1.0), "1.00");
  EXPECT_EQ(MainCategoryNumber("10"), "100");
  EXPECT_EQ(MainCategoryNumber("32e"), "325");
  EXPECT_EQ(MainCategoryNumber(" 21a "), "211");
  EXPECT_EQ(MainCategoryNumber("4"), "");
}

TEST(RegenerationPercent, RowsAndColumns) {
  EXPECT_EQ(RegenerationPercent(40, 100, 30), 0);  // r below 0 is row 0
  EXPECT_EQ(RegenerationPercent(95, 100, 30), 50);
  EXPECT_EQ(RegenerationPercent(95, 100, 75), 0);     // c = 8 lies outside the table
  EXPECT_EQ(RegenerationPercent(95, 100, 25), 67);    // 2.5 rounds to 2
  EXPECT_EQ(RegenerationPercent(95, 100, 35), 40);    // 3.5 rounds to 4
  EXPECT_EQ(RegenerationPercent(200, 100, 60), 100);  // r limited to 7
  EXPECT_EQ(RegenerationPercent(95, 100, 0), 0);
}

TEST(StemVolume, FunctionAndRows) {
  EXPECT_NEAR(StemVolume(1, 30, 25), 0.83593, 0.00001);
  EXPECT_DOUBLE_EQ(Round2HalfEven(StemVolume(1, 30, 25)), 0.84);
  EXPECT_EQ(StemVolume(1, 30, 6), 0);
  EXPECT_EQ(StemVolume(1, 6, 25), 0);
  EXPECT_EQ(StemVolumeRow(9), 1);
  EXPECT_EQ(StemVolumeRow(19), 11);
  EXPECT_EQ(StemVolumeRow(50), 6);
  EXPECT_EQ(StemVolumeRow(62), 5);
  EXPECT_EQ(StemVolumeRow(73), 11);
  EXPECT_EQ(StemVolumeRow(-1), 11);
  EXPECT_EQ(StemVolumeRow(83), 11);
}

TEST(StemVolume, StemCountNeverDividesByZero) {
  EXPECT_EQ(StemCount(500, 0.5), 1000);
  EXPECT_EQ(StemCount(500, 0), 0);
  EXPECT_EQ(StemCount(500, 0.00005), 0);
  EXPECT_EQ(StemCount(500, -1), 0);
}

TEST(Afforestation, SpreadingTakesUpTheRemainder) {
  std::vector<double> areas = SpreadAfforestation(1.00, {33, 33, 34});
  ASSERT_EQ(areas.size(), 3u);
  EXPECT_DOUBLE_EQ(areas[0], 0.33);
  EXPECT_DOUBLE_EQ(areas[1], 0.33);
  EXPECT_NEAR(areas[2], 0.34, 1e-12);
  areas = SpreadAfforestation(1.004, {33, 33, 33});  // the first largest share takes 0.01
  EXPECT_NEAR(areas[0], 0.34, 1e-12);
  EXPECT_DOUBLE_EQ(areas[1], 0.33);
  EXPECT_TRUE(SpreadAfforestation(1.0, {}).empty());
}

TEST(Interventions, KindOfIntervention) {
  EXPECT_EQ(InterventionKind(10, 20, 0, 0), 10);
  EXPECT_EQ(InterventionKind(20, 20, 1.0, 0.5), 11);
  EXPECT_EQ(InterventionKind(20, 20, 0.5, 0.5), 12);
  EXPECT_EQ(InterventionKind(0, 0, 0, 0), 0);
}

}  // namespace
}  // namespace tarnik::plan
