// What limits a read: the kind filter, the condition, the override colour and style, the clip
// rectangle, MinSize and the settings of a layer.
#include <gtest/gtest.h>

#include <memory>

#include "framework/values/property_list.h"
#include "framework/values/string_element.h"
#include "gis/block_reader.h"
#include "gis/karmo_filter.h"
#include "testing/gis_fixture.h"

namespace tarnik::gis {
namespace {

using testing::At;
using testing::GisTest;

// Settings as a layer holds them.
std::unique_ptr<framework::TPropertyList> Settings(
    std::initializer_list<std::pair<std::string, std::string>> entries) {
  auto list = std::make_unique<framework::TPropertyList>();
  for (const auto& [name, value] : entries) {
    list->AddElement(new framework::TStringElement(name, value));
  }
  return list;
}

class ReaderSettingsTest : public GisTest {
 protected:
  void SetUp() override { WriteSquares(); }
  // The numbers a read of points gives with the filter of the settings.
  std::vector<int32_t> PointsWith(std::initializer_list<std::pair<std::string, std::string>> s) {
    auto settings = Settings(s);
    auto reader = Reader();
    reader->SetFilter(FilterFromSettings("PNT", settings.get()));
    reader->ApplySettings(settings.get());
    std::unique_ptr<spatial::TPointString> points(reader->ReadPoints());
    return Numbers(*points);
  }
};

TEST_F(ReaderSettingsTest, KindFiltersKeepOrDropTheListedKinds) {
  EXPECT_EQ(PointsWith({{"-DRUH", "5"}}), (std::vector<int32_t>{2}));
  framework::ResetWorld();
  framework::World();
  framework::InstallMessageQueue(&queue_);
  EXPECT_EQ(PointsWith({{"!DRUH", "5"}}), (std::vector<int32_t>{1}));
}

TEST_F(ReaderSettingsTest, AFilterOnAPropertyNoObjectHas) {
  EXPECT_EQ(PointsWith({{"-NENI", "5"}}), (std::vector<int32_t>{1, 2}));
  framework::ResetWorld();
  framework::World();
  framework::InstallMessageQueue(&queue_);
  EXPECT_EQ(PointsWith({{"!NENI", "5"}}), (std::vector<int32_t>{}));
}

TEST_F(ReaderSettingsTest, FilterFromSettingsTakesTheFirstFilterEntry) {
  auto settings = Settings({{"@Barva", "3"}, {"!druh", "110, 120 x 7"}, {"-DRUH", "1"}});
  std::unique_ptr<TFiltrDruhuObjektu> filter(FilterFromSettings("ARE", settings.get()));
  ASSERT_TRUE(filter);
  EXPECT_EQ(filter->PropName(), "DRUH");
  EXPECT_FALSE(filter->Exclude());
  ASSERT_TRUE(filter->FindList('P'));
  EXPECT_EQ(filter->FindList('P')->GetCount(), 3);
  EXPECT_FALSE(filter->FindList('B'));
  // Line symbols keep no list: every numeric value passes.
  std::unique_ptr<TFiltrDruhuObjektu> symbols(FilterFromSettings("LINSYM", settings.get()));
  ASSERT_TRUE(symbols);
  EXPECT_FALSE(symbols->FindList('L'));
  EXPECT_FALSE(FilterFromSettings("ARE", Settings({{"!DRUH", "abc"}}).get()));
  EXPECT_FALSE(FilterFromSettings("ARE", Settings({{"@DRUH", "5"}}).get()));
}

TEST_F(ReaderSettingsTest, ConditionsAreTestedOnEveryObject) {
  auto reader = Reader();
  reader->ApplySettings(Settings({{"@Condition", "DRUH=120"}}).get());
  EXPECT_EQ(reader->Condition(), "DRUH=120");
  std::unique_ptr<spatial::TAreaString> areas(reader->ReadAreas());
  EXPECT_EQ(Numbers(*areas), (std::vector<int32_t>{2}));
  // A condition that does not compile keeps every object, with one message.
  auto broken = Reader();
  broken->SetCondition("DRUH=(");
  std::unique_ptr<spatial::TPointString> points(broken->ReadPoints());
  EXPECT_EQ(Numbers(*points), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(ui_.MessagesOf(platform::Severity::kFailure),
            (std::vector<std::string>{"Condition processing Error\r\nDRUH=("}));
}

TEST_F(ReaderSettingsTest, AnOverrideColourGoesToNewObjectsAndToReusedLines) {
  auto first = Reader();
  std::unique_ptr<spatial::TPointString> points(first->ReadPoints());
  std::unique_ptr<spatial::TPolyLineString> lines(first->ReadLines());
  ASSERT_EQ(PropsOf(points->Children()[0])->Barva(), 3);
  auto second = Reader();
  second->ApplySettings(
      Settings({{"@Barva", "7"}, {"@Nic", "1"}, {"@CodePage", "cpLatin2"}}).get());
  EXPECT_TRUE(second->BarvaOn());
  EXPECT_EQ(second->CodePage(), cpWindows);  // read-only: not written
  std::unique_ptr<spatial::TPointString> points2(second->ReadPoints());
  std::unique_ptr<spatial::TPolyLineString> lines2(second->ReadLines());
  std::unique_ptr<spatial::TTextString> texts(second->ReadTexts());
  std::unique_ptr<spatial::TAreaString> areas(second->ReadAreas());
  EXPECT_EQ(PropsOf(points2->Children()[0])->Barva(), 3);  // reused point
  EXPECT_EQ(PropsOf(lines2->Children()[0])->Barva(), 7);   // reused line
  EXPECT_EQ(PropsOf(texts->Children()[1])->Barva(), 7);    // new text
  EXPECT_EQ(PropsOf(areas->Children()[0])->Barva(), 7);    // new area
  EXPECT_EQ(PropsOf(areas->Children()[0])->Znacka(), 0);   // the style stays off
}

TEST_F(ReaderSettingsTest, TheClipRectangleKeepsWhatLiesWhollyInside) {
  // Model coordinates of the region e 0..120, n 0..100 (x = -X = n - 1100000, y = e - 600000).
  auto clip = new spatial::TRectEntity();
  clip->bounds() = {-1100000.0, -600000.0, -1100000.0 + 100, -600000.0 + 120};
  auto reader = Reader();
  reader->SetClip(clip);
  std::unique_ptr<spatial::TAreaString> areas(reader->ReadAreas());
  std::unique_ptr<spatial::TPolyLineString> lines(reader->ReadLines());
  std::unique_ptr<spatial::TPointString> points(reader->ReadPoints());
  std::unique_ptr<spatial::TTextString> texts(reader->ReadTexts());
  EXPECT_EQ(Numbers(*areas), (std::vector<int32_t>{1, 3}));  // B reaches e = 200
  EXPECT_EQ(Numbers(*lines), (std::vector<int32_t>{1, 2, 4}));
  EXPECT_EQ(Numbers(*points), (std::vector<int32_t>{1}));  // point 2 lies at e = 150
  EXPECT_EQ(texts->GetCount(), 3);                         // texts are not clipped
}

TEST_F(ReaderSettingsTest, LinesBelowMinSizeKeepTheirEndsOnly) {
  auto reader = Reader();
  reader->ApplySettings(Settings({{"@MinSize", "150"}}).get());
  std::unique_ptr<spatial::TPolyLineString> lines(reader->ReadLines());
  ASSERT_EQ(lines->GetCount(), 4);
  // Line 2 spans 100 m: its first and last vertex; line 3 spans 100 m too; the island 20 m.
  EXPECT_EQ(framework::ClassCast<spatial::TPolyLineElement>(lines->Children()[1])->GetCoordsCount(),
            2);
  EXPECT_EQ(framework::ClassCast<spatial::TPolyLineElement>(lines->Children()[3])->GetCoordsCount(),
            2);
}

TEST_F(ReaderSettingsTest, NewObjectsAreAnnouncedOnce) {
  std::vector<int32_t> announced;
  auto reader = Reader();
  reader->SetOnNewObject([&](framework::TElement* e) { announced.push_back(NumberOf(e)); });
  std::unique_ptr<spatial::TAreaString> areas(reader->ReadAreas());
  std::unique_ptr<spatial::TPointString> points(reader->ReadPoints());
  EXPECT_EQ(announced, (std::vector<int32_t>{1, 2, 3, 1, 2}));
  announced.clear();
  std::unique_ptr<spatial::TPointString> again(Reader()->ReadPoints());
  EXPECT_TRUE(announced.empty());
}

TEST_F(GisTest, TheBlockRectangleDecidesWhetherABlockMeetsAWindow) {
  testing::BlockRecords records;
  records.info = "OPSANYOBDELNIKBLOKU=1100000 600000 1100100 600200\r\n";
  records.Write(BlockDir());
  spatial::TRectEntity window;
  window.bounds() = {-1100100.0, -600200.0, -1100050.0, -600150.0};
  EXPECT_TRUE(BlockInWindow(BlockDir(), window));
  window.bounds() = {-1100000.0, -600000.0, -1099000.0, -599000.0};  // touching its corner
  EXPECT_TRUE(BlockInWindow(BlockDir(), window));
  window.bounds() = {-1099999.0, -599999.0, -1099000.0, -599000.0};
  EXPECT_FALSE(BlockInWindow(BlockDir(), window));
  EXPECT_TRUE(BlockInWindow(tmp_.File("none.BLK"), window));  // no rectangle: always read
}

}  // namespace
}  // namespace tarnik::gis
