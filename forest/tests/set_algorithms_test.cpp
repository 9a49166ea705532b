#include "forest/set_algorithms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tarnik::plan {
namespace {

TEST(SetNames, PrefixAndKey) {
  EXPECT_EQ(SetElementName("ODD", "5"), "ODD 5");
  EXPECT_EQ(SetElementName("ODD", "  5"), "ODD   5");
  EXPECT_EQ(SetElementKey("ODD   5", "ODD"), "  5");  // blanks of the key kept
  EXPECT_EQ(SetElementKey("ODD 5", "ODD"), "5");
  EXPECT_EQ(SetElementKey("5", "ODD"), "5");
  EXPECT_TRUE(HasSetPrefix("ODD 5", "ODD"));
  EXPECT_FALSE(HasSetPrefix("5", "ODD"));
  EXPECT_FALSE(HasSetPrefix("odd 5", "ODD"));
}

TEST(SetValues, JoiningSkipsBlankValues) {
  EXPECT_EQ(JoinPropertyValues({"1", " ", "3"}, "|"), "1|3");
  EXPECT_EQ(JoinPropertyValues({"a b", ""}, ", "), "a b");
  EXPECT_EQ(JoinPropertyValues({}, "|"), "");
  EXPECT_EQ(JoinPropertyValues({" ", ""}, "|"), "");
}

TEST(SetValues, SplittingAtTheSeparator) {
  EXPECT_EQ(SplitPropertyText("a/b/c", "/"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitPropertyText("abc", "/"), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(SplitPropertyText("a//b/", "/"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitPropertyText("", "/"), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitPropertyText("a$$b", "$$"), (std::vector<std::string>{"a", "b"}));
}

TEST(SetValues, SumsAndMaximum) {
  EXPECT_DOUBLE_EQ(SumPropertyValues({"1,5", "2.5", "x", ""}), 4.0);
  EXPECT_EQ(MaxValuePosition({"3", "7", "7", "1"}), 1);  // the first of equal maxima
  EXPECT_EQ(MaxValuePosition({}), -1);
  EXPECT_EQ(MaxValuePosition({"-5"}), 0);
}

TEST(SetValues, MatchingAndKeyedValues) {
  EXPECT_TRUE(SameValue(" čáp ", "ČÁP"));
  EXPECT_FALSE(SameValue("cap", "čáp"));
  EXPECT_EQ(ValueByKey({}, "a"), "*0");
  EXPECT_EQ(ValueByKey({{"a", "1"}, {"b", "2"}}, "c"), "*");
  EXPECT_EQ(ValueByKey({{"a", "1"}, {"b", "2"}, {" A", "3"}}, "a"), "3");  // last match wins
}

template <typename T>
std::vector<T> Apply(const std::vector<T>& values, const std::vector<size_t>& order) {
  std::vector<T> out;
  for (size_t i : order) out.push_back(values[i]);
  return out;
}

TEST(SetSorting, NumbersComeOutAscendingForEverySize) {
  std::mt19937 random(7);
  for (int n = 0; n < 60; ++n) {
    std::vector<int64_t> values;
    for (int i = 0; i < n; ++i) values.push_back(static_cast<int64_t>(random() % 10) - 3);
    std::vector<size_t> order = SortOrderNumber(values);
    ASSERT_EQ(order.size(), values.size());
    std::vector<int64_t> sorted = Apply(values, order);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end())) << n;
    std::sort(order.begin(), order.end());
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);  // each element once
  }
}

TEST(SetSorting, TextsCompareWithoutAccents) {
  std::vector<std::string> values = {"Žďár", "Brno", "Zlín", "Aš", " Cheb"};
  std::vector<std::string> sorted = Apply(values, SortOrderText(values));
  // "Žďár" sorts as "Zdar", before "Zlin".
  EXPECT_EQ(sorted, (std::vector<std::string>{"Aš", "Brno", " Cheb", "Žďár", "Zlín"}));
  EXPECT_TRUE(SortOrderText({}).empty());
}

}  // namespace
}  // namespace tarnik::plan
