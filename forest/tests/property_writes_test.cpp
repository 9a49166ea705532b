#include "forest/property_writes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "forest/tests/forest_test_classes.h"

namespace tarnik::plan {
namespace {

using testing::TVzorek;

class PropertyWrites : public ::testing::Test {
 protected:
  void SetUp() override { testing::RegisterTestClasses(); }
  TVzorek v;
};

TEST_F(PropertyWrites, ValuesAreConvertedToTheKindOfTheProperty) {
  PutInt(v, "PLOCHA", 3);
  EXPECT_EQ(v.plocha, 3.0);
  PutFloat(v, "TEXT", 1.5);
  EXPECT_EQ(v.text, "1.5");
  PutText(v, "CISLO", " 17 ");
  EXPECT_EQ(v.cislo, 17);
  PutText(v, "PLOCHA", "2.25");
  EXPECT_EQ(v.plocha, 2.25);
  PutText(v, "CISLO", "sedm");
  EXPECT_EQ(v.cislo, 0);
  PutInt(v, "NENI", 5);  // a property the element does not publish is left alone
  EXPECT_EQ(GetFloat(v, "PLOCHA"), 2.25);
  EXPECT_EQ(GetFloat(v, "NENI"), 0);
  EXPECT_EQ(GetText(v, "NENI"), "");
}

TEST_F(PropertyWrites, AFloatForAnIntegerIsRoundedHalfToEvenAndZeroWhenNotFinite) {
  PutFloat(v, "CISLO", 2.5);
  EXPECT_EQ(v.cislo, 2);
  PutFloat(v, "CISLO", 3.5);
  EXPECT_EQ(v.cislo, 4);
  PutFloat(v, "CISLO", -2.5);
  EXPECT_EQ(v.cislo, -2);
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
    v.cislo = 9;
    PutFloat(v, "CISLO", bad);
    EXPECT_EQ(v.cislo, 0);
  }
}

}  // namespace
}  // namespace tarnik::plan
