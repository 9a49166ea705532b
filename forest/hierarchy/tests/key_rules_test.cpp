#include "forest/hierarchy/key_rules.h"

#include <gtest/gtest.h>

namespace tarnik::plan {
namespace {

TEST(KeyRules, GroupDesignations) {
  EXPECT_EQ(NormalizeGroupDesignation("1A/B2"), " 1a/b2 ");
  EXPECT_EQ(NormalizeGroupDesignation("a"), " a ");
  EXPECT_EQ(NormalizeGroupDesignation("12"), "12 ");
  EXPECT_EQ(NormalizeGroupDesignation("abc"), "abc");
  EXPECT_EQ(NormalizeGroupDesignation("1a\\2"), " 1a/ 2 ");
  // Blanks inside a short code are ignored when counting; longer codes keep theirs.
  EXPECT_EQ(NormalizeGroupDesignation(" 1 b"), " 1b");
  EXPECT_EQ(NormalizeGroupDesignation("1 2 3"), "1 2 3");
  EXPECT_EQ(NormalizeShortCode("Č"), " č ");
  EXPECT_EQ(NormalizeShortCode("ř1"), "ř1 ");
}

TEST(KeyRules, RegionCodes) {
  EXPECT_EQ(NormalizeRegionCode("5"), " 5");
  EXPECT_EQ(NormalizeRegionCode("5a"), " 5a");
  EXPECT_EQ(NormalizeRegionCode("16"), "16");
  EXPECT_EQ(NormalizeRegionCode("XXX"), "XXX");
  EXPECT_EQ(NormalizeRegionCode("AbC"), "abc");
  EXPECT_EQ(NormalizeRegionCode("XxX"), "xxx");
}

TEST(KeyRules, AreaRoundingHalfWayCases) {
  // Plocha: halves away from zero (with the small tolerance).
  EXPECT_DOUBLE_EQ(RoundArea(0.125), 0.13);
  EXPECT_DOUBLE_EQ(RoundArea(0.135), 0.14);
  EXPECT_DOUBLE_EQ(RoundArea(1.2349), 1.23);
  EXPECT_DOUBLE_EQ(RoundArea(-0.125), -0.13);
  EXPECT_DOUBLE_EQ(RoundArea(0), 0);
  // XML texts and running sums: halves to even.
  EXPECT_DOUBLE_EQ(RoundAreaEven(0.125), 0.12);
  EXPECT_DOUBLE_EQ(RoundAreaEven(0.375), 0.38);
  EXPECT_EQ(FixedDot(RoundAreaEven(0.125), 2), "0.12");
  EXPECT_EQ(FixedDot(-0.0, 2), "0.00");
  EXPECT_EQ(FixedDot(1.5, 4), "1.5000");
}

}  // namespace
}  // namespace tarnik::plan
