#include "forest/colour.h"

#include <gtest/gtest.h>

#include "platform/recording_ui.h"

namespace tarnik::plan {
namespace {

TEST(ColourCodes, KnownColoursMapBothWays) {
  for (int code : {0, 1, 2, 5}) EXPECT_EQ(ColorCode(ColorFromCode(code)), code);
  EXPECT_EQ(ColorCode(kColorYellow), 2);
  EXPECT_EQ(ColorCode(kColorAqua), 5);
  EXPECT_EQ(ColorCode(0x00123456), -1);
  EXPECT_EQ(ColorCode(kColor3DLight), -1);
  EXPECT_EQ(ColorFromCode(-1), kColor3DLight);
  EXPECT_EQ(ColorFromCode(0x00123456), 0x00123456u);  // any other number is a colour itself
  EXPECT_EQ(ColorCodeForColumn(0x00ABCDEF), -1);
}

TEST(ColourCodes, EditReadingsOfAColour) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  EXPECT_TRUE(IsEnteredManually(kColorAqua));
  EXPECT_FALSE(MayBeRecomputed(kColorAqua));
  for (uint32_t c : {kColorYellow, kColorWhite, kColorInfoBk}) {
    EXPECT_FALSE(IsEnteredManually(c));
    EXPECT_TRUE(MayBeRecomputed(c));
  }
  EXPECT_FALSE(IsEnteredManually(kColor3DLight));
  EXPECT_FALSE(MayBeRecomputed(kColor3DLight));
  EXPECT_TRUE(ui.Messages().empty());

  EXPECT_FALSE(IsEnteredManually(0x00000001));
  EXPECT_FALSE(MayBeRecomputed(0x00000001));
  ASSERT_EQ(ui.Messages().size(), 2u);
  EXPECT_EQ(ui.Messages()[0], "To je ale divná barva políčka.");
}

}  // namespace
}  // namespace tarnik::plan
