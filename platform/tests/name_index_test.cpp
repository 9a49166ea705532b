#include "platform/name_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace tarnik::platform {
namespace {

TEST(NameIndexTest, AnswersAsAMapDoesThroughGrowth) {
  NameIndex index;
  std::map<std::string, int> expected;
  std::mt19937 random(7);
  for (int i = 0; i < 5000; ++i) {
    std::string name;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) name += static_cast<char>("ABC_xyz019"[random() % 10]);
    const int given = index.Insert(name, i);
    auto [it, added] = expected.emplace(name, i);
    ASSERT_EQ(given, it->second) << name;  // the first number stays
    if (i % 97 == 0) {
      for (const auto& [n, v] : expected) ASSERT_EQ(index.Find(n), v) << n;
    }
  }
  EXPECT_EQ(index.size(), expected.size());
  EXPECT_EQ(index.Find("not there at all"), -1);
}

TEST(NameIndexTest, IsExactAndCanBeCleared) {
  NameIndex index;
  EXPECT_EQ(index.Find("ID"), -1);  // empty
  index.Insert("ID", 1);
  index.Insert("", 2);
  index.Insert(std::string_view("I\0D", 3), 3);
  EXPECT_EQ(index.Find("ID"), 1);
  EXPECT_EQ(index.Find("id"), -1);
  EXPECT_EQ(index.Find("ID "), -1);
  EXPECT_EQ(index.Find(""), 2);
  EXPECT_EQ(index.Find(std::string_view("I\0D", 3)), 3);
  index.Clear();
  EXPECT_EQ(index.size(), 0u);
  EXPECT_EQ(index.Find("ID"), -1);
  EXPECT_EQ(index.Insert("ID", 4), 4);
}

}  // namespace
}  // namespace tarnik::platform
