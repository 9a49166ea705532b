#include "forest/sorted_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnik::plan {
namespace {

CompareAt Against(const std::vector<int>& values, int key) {
  return [&values, key](size_t i) { return values[i] < key ? -1 : (values[i] > key ? 1 : 0); };
}

TEST(SortedSearch, LastPositionNotGreaterThanTheKey) {
  std::vector<int> values = {1, 3, 3, 5, 8, 13};
  EXPECT_EQ(SortedPosition(values.size(), Against(values, 5)), 3);
  EXPECT_EQ(SortedPosition(values.size(), Against(values, 4)), 2);
  EXPECT_EQ(SortedPosition(values.size(), Against(values, 3)), 2);
  EXPECT_EQ(SortedPosition(values.size(), Against(values, 100)), 5);
  EXPECT_EQ(SortedPosition(values.size(), Against(values, 0)), 0);  // all greater
  EXPECT_EQ(SortedPosition(0, Against(values, 1)), -1);
}

TEST(SortedSearch, EverySizeFindsEveryKey) {
  for (size_t n = 1; n <= 40; ++n) {
    std::vector<int> values;
    for (size_t i = 0; i < n; ++i) values.push_back(static_cast<int>(2 * i));
    for (int key = 0; key <= static_cast<int>(2 * n); ++key) {
      int expected = key / 2 < static_cast<int>(n) ? key / 2 : static_cast<int>(n) - 1;
      EXPECT_EQ(SortedPosition(n, Against(values, key)), expected) << n << " " << key;
    }
  }
}

TEST(SortedSearch, RangeOfEqualValues) {
  std::vector<int> values = {1, 3, 3, 3, 8};
  SortedRange r = SortedRangeOf(values.size(), Against(values, 3));
  EXPECT_EQ(r.start, 1);
  EXPECT_EQ(r.count, 3);
  r = SortedRangeOf(values.size(), Against(values, 5));  // missing: first value not less
  EXPECT_EQ(r.start, 4);
  EXPECT_EQ(r.count, 0);
  r = SortedRangeOf(values.size(), Against(values, 0));  // all greater
  EXPECT_EQ(r.start, 0);
  EXPECT_EQ(r.count, 0);
  r = SortedRangeOf(values.size(), Against(values, 9));  // all less: stops at the last
  EXPECT_EQ(r.start, 4);
  EXPECT_EQ(r.count, 0);
  r = SortedRangeOf(0, Against(values, 9));
  EXPECT_EQ(r.start, 0);
  EXPECT_EQ(r.count, 0);
}

TEST(SortedSearch, KeysLoseCzechAccentsAndBlanks) {
  EXPECT_EQ(SearchKey("  Žďár nad Sázavou "), "Zdar nad Sazavou");
  EXPECT_EQ(SearchKey("ČŘŠ ůö"), "CRS uo");
  EXPECT_EQ(SearchKey("Ü"), "Ü");  // not in the list
}

TEST(SortedSearch, OrdinalComparisonUsesTheCodePageBytes) {
  EXPECT_LT(CompareOrdinal("A", "B"), 0);
  EXPECT_LT(CompareOrdinal("Z", "a"), 0);
  EXPECT_EQ(CompareOrdinal("abc", "abc"), 0);
  EXPECT_LT(CompareOrdinal("ab", "abc"), 0);
  // In Windows-1250 "Š" is 0x8A and "Č" 0xC8: Š sorts before Č, unlike their code points.
  EXPECT_LT(CompareOrdinal("Š", "Č"), 0);
}

}  // namespace
}  // namespace tarnik::plan
