#include "forest/model_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnik::plan {
namespace {

TEST(ModelTables, EverySetHasOnePrefixAndOneElementClass) {
  EXPECT_EQ(SetKinds().size(), 19u);
  std::set<std::string> prefixes, elements;
  for (const auto& kind : SetKinds()) {
    EXPECT_EQ(std::string(kind.set_class), std::string(kind.element_class) + "MN");
    prefixes.insert(kind.prefix);
    elements.insert(kind.element_class);
  }
  EXPECT_EQ(prefixes.size(), SetKinds().size());
  EXPECT_EQ(elements.size(), SetKinds().size());
  EXPECT_STREQ(FindSetKindBySet("toddelenimn")->prefix, "ODD");
  EXPECT_STREQ(FindSetKindByElement("TPorostniSkupina")->prefix, "SKUP");
  EXPECT_EQ(FindSetKindBySet("TNic"), nullptr);
}

TEST(ModelTables, EditablePropertiesPerClass) {
  EXPECT_EQ(EditableProperties("TPorost")->size(), 19u);
  EXPECT_EQ(EditableProperties("TPorostniSkupina")->size(), 26u);
  EXPECT_EQ(EditableProperties("TEtaz")->size(), 34u);
  EXPECT_EQ(EditableProperties("TDrevina")->size(), 24u);
  EXPECT_EQ(EditableProperties("TBezlesi")->size(), 17u);
  EXPECT_EQ(EditableProperties("TJinyPozemek")->size(), 15u);
  EXPECT_EQ(EditableProperties("TOstatni")->size(), 14u);
  EXPECT_EQ(EditableProperties("TDilec")->front(), "DIL");
  EXPECT_EQ(EditableProperties("TEtaz")->back(), "MZDs");
  EXPECT_EQ(EditableProperties("TOddeleni"), nullptr);  // takes every published property
}

TEST(ModelTables, HiddenColumnsLoseTheirIndex) {
  EXPECT_EQ(RenumberColumns({true, false, true, true, false}), (std::vector<int>{0, -1, 1, 2, -1}));
  EXPECT_TRUE(RenumberColumns({}).empty());
}

}  // namespace
}  // namespace tarnik::plan
