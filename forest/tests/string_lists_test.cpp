#include "forest/string_lists.h"

#include <gtest/gtest.h>

#include "forest/change_kind.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

TEST(StringLists, TextsAndPairsAreAddedOnce) {
  std::vector<std::string> list;
  EXPECT_TRUE(AddUnlessPresent(list, "a"));
  EXPECT_FALSE(AddUnlessPresent(list, "a"));
  EXPECT_TRUE(AddUnlessPresent(list, "A"));
  EXPECT_EQ(list.size(), 2u);

  std::vector<std::string> pairs;
  EXPECT_TRUE(AddNameValueUnlessPresent(pairs, "5", "x"));
  EXPECT_FALSE(AddNameValueUnlessPresent(pairs, "  5", "y"));  // same padded name
  EXPECT_TRUE(AddNameValueUnlessPresent(pairs, "123", "z"));
  EXPECT_TRUE(AddNameValueUnlessPresent(pairs, "1234", "w"));
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0], "  5=x");
  EXPECT_EQ(ItemName(pairs[1]), "123");
  EXPECT_EQ(ItemValue(pairs[1]), "z");
  EXPECT_EQ(ItemValue("bez"), "");
}

TEST(StringLists, IniSectionsAndTheirAbsence) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  testing::TempDir dir;
  testing::WriteFile(dir.File("x.ini"), "[Sekce]\r\nA=1\r\nB = dva\r\n");
  auto items = IniSectionItems(dir.File("X.INI"), "sekce");
  ASSERT_TRUE(items.has_value());
  EXPECT_EQ(*items, (std::vector<std::string>{"A=1", "B=dva"}));
  EXPECT_FALSE(IniSectionItems(dir.File("x.ini"), "Jina").has_value());
  EXPECT_FALSE(IniSectionItems(dir.File("y.ini"), "Sekce").has_value());
  ASSERT_EQ(ui.Messages().size(), 2u);
  EXPECT_EQ(ui.Messages()[0],
            "Chybí soubor \"" + dir.File("x.ini") + "\" nebo v něm sekce \"Jina\".");
}

TEST(ChangeKinds, TextsBothWays) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  for (ChangeKind kind : {ChangeKind::kUnchanged, ChangeKind::kNew, ChangeKind::kToDelete})
    EXPECT_EQ(ChangeKindFromText(ChangeKindText(kind)), kind);
  EXPECT_EQ(ChangeKindFromText("BYLNOVEZAVEDEN"), ChangeKind::kNew);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(ChangeKindFromText("jiny"), ChangeKind::kUnchanged);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "Neznám typZmeny =\"jiny\"");
}

}  // namespace
}  // namespace tarnik::plan
