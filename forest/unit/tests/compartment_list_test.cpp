#include "forest/unit/compartment_list.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarnik::plan
