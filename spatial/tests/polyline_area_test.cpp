#include "spatial/polyline_area.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/message.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using framework::TElementRef;
using testing::Own;
using testing::SpatialTest;

std::vector<Point> PointsOf(const TPolyElement& element) { return element.Points(); }

// The square (0,0) (10,0) (10,10) (0,10) as two lines: the bottom and right side walked forward,
// the top and left side stored from (0,0) upwards and walked backward.
class RingTest : public SpatialTest {
 protected:
  RingTest()
      : bottom_right(NewLine({{0, 0}, {10, 0}, {10, 10}})),
        left_top(NewLine({{0, 0}, {0, 10}, {10, 10}})) {
    // The lines are shared: the keeper holds them as the map's line register would.
    keeper.AddElement(bottom_right);
    keeper.AddElement(left_top);
    ring.AddLine(bottom_right, true);
    ring.AddLine(left_top, false);
  }
  framework::TOwnerEntity keeper;
  TPolyLineElement* bottom_right;
  TPolyLineElement* left_top;
  TPolyLineAreaElement ring;
};

TEST_F(SpatialTest, TwoLinesOfThreeAndFourVerticesGiveFiveCoordinates) {
  TPolyLineAreaElement area;
  area.AddLine(NewLine({{0, 0}, {10, 0}, {10, 10}}), true);
  area.AddLine(NewLine({{10, 10}, {5, 12}, {0, 10}, {0, 0}}), false);
  EXPECT_EQ(area.GetCoordsCount(), 5);
  EXPECT_EQ(area.GetPropertyText("CoordsCount"), "5");
  EXPECT_EQ(area.GetPropertyText("LinesOriginesHex"), "01");
}

TEST_F(RingTest, TheRingWalksBackwardLinesFromTheirEnd) {
  EXPECT_EQ(PointsOf(ring), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  EXPECT_EQ(ring.GetCoord(4), nullptr);
  EXPECT_EQ(ring.GetCoord(-1), nullptr);
  EXPECT_DOUBLE_EQ(ring.GetArea1(), -100);
  EXPECT_DOUBLE_EQ(ring.WholeArea(), -100);
  EXPECT_EQ(ring.bounds(), (Bounds{0, 0, 10, 10}));
  EXPECT_TRUE(ring.ContainsPoint(5, 5));
  EXPECT_FALSE(ring.ContainsPoint(15, 5));
  // Reversing both lines reverses the ring.
  ring.SetLinesOriginesHex("02");
  EXPECT_DOUBLE_EQ(ring.GetArea1(), 100);
}

TEST_F(RingTest, ToAreaElementCopiesTheVerticesOfTheRing) {
  ring.AddHole(NewArea({{3, 3}, {7, 3}, {7, 7}, {3, 7}}));
  auto* island = new TPolyLineAreaElement();
  island->AddLine(NewLine({{1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}}), true);
  ring.AddHole(island);
  std::unique_ptr<TAreaElement> plain(ring.ToAreaElement());
  EXPECT_EQ(plain->ClassName(), "TAreaElement");
  // The first line gives all its vertices, the next all but its first: the ring closes.
  EXPECT_EQ(PointsOf(*plain), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
  EXPECT_EQ(plain->bounds(), ring.bounds());
  EXPECT_EQ(plain->Holes(), nullptr);
  EXPECT_NE(plain->GetCoord(0), bottom_right->GetCoord(0));
  std::unique_ptr<TAreaElement> whole(ring.ToAreaWithHoles());
  ASSERT_NE(whole->Holes(), nullptr);
  ASSERT_EQ(whole->Holes()->GetCount(), 2);
  EXPECT_DOUBLE_EQ(whole->GetArea1(), ring.GetArea1());
  EXPECT_DOUBLE_EQ(ring.GetArea1(), -83);
  EXPECT_TRUE(ring.ContainsPoint(5, 5));
  EXPECT_FALSE(ring.ContainsPointOutsideHoles(5, 5));
  EXPECT_FALSE(ring.ContainsPointOutsideHoles(1.5, 1.5));
  EXPECT_TRUE(ring.ContainsPointOutsideHoles(8, 8));
}

TEST_F(RingTest, ALineOfFewerThanTwoVerticesAddsNothingToTheRing) {
  auto* empty = new TPolyLineElement();
  auto* single = NewLine({{50, 50}});
  ring.InsertLine(1, empty, true);
  ring.AddLine(single, true);
  EXPECT_EQ(ring.GetCoordsCount(), 4);
  EXPECT_EQ(PointsOf(ring), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  EXPECT_EQ(ring.GetCoord(4), nullptr);
  EXPECT_DOUBLE_EQ(ring.GetArea1(), -100);
  std::unique_ptr<TAreaElement> plain(ring.ToAreaElement());
  EXPECT_EQ(PointsOf(*plain), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
  // A useless first line does not take the first line's part either.
  TPolyLineAreaElement odd;
  odd.AddLine(NewLine({}), true);
  odd.AddLine(NewLine({{0, 0}, {4, 0}, {4, 4}}), true);
  odd.AddLine(NewLine({{4, 4}, {0, 0}}), true);
  std::unique_ptr<TAreaElement> odd_plain(odd.ToAreaElement());
  EXPECT_EQ(PointsOf(*odd_plain), (std::vector<Point>{{0, 0}, {4, 0}, {4, 4}, {0, 0}}));
  EXPECT_EQ(odd.GetCoordsCount(), 3);
}

TEST_F(RingTest, OrientationBitsMoveWithTheirLines) {
  EXPECT_EQ(ring.LinesOriginesHex(), "01");
  // Inserting before the backward line moves its bit up.
  auto* extra = NewLine({{0, 0}, {1, 1}});
  ring.InsertLine(1, extra, true);
  EXPECT_TRUE(ring.LineForward(0));
  EXPECT_TRUE(ring.LineForward(1));
  EXPECT_FALSE(ring.LineForward(2));
  EXPECT_EQ(ring.LinesOriginesHex(), "03");
  // Removing it moves the bit back down.
  ring.RemoveElement(extra);
  delete extra;
  EXPECT_EQ(ring.LinesOriginesHex(), "01");
  EXPECT_EQ(ring.GetElement(1), left_top);
  // A shared line destroyed elsewhere leaves the ring with the right bits for the rest.
  ring.InsertLine(0, NewLine({{0, 0}, {1, 1}}), false);
  EXPECT_EQ(ring.LinesOriginesHex(), "02");
  ring.FreeElement(ring.GetElement(0));
  EXPECT_EQ(ring.LinesOriginesHex(), "01");
  ring.AddLine(bottom_right, true);  // the same line twice
  EXPECT_EQ(ring.LinesOriginesHex(), "05");
  keeper.FreeElement(left_top);  // still held by the ring: only the keeper lets go
  EXPECT_EQ(ring.GetCount(), 3);
  ring.RemoveElement(left_top);
  delete left_top;
  EXPECT_EQ(ring.LinesOriginesHex(), "03");
}

TEST_F(SpatialTest, OrientationBitsSpanBytesAndParseFromHex) {
  TPolyLineAreaElement area;
  for (int i = 0; i < 10; ++i) area.AddLine(NewLine({{0, 0}, {1, 1}}), i % 3 == 0);
  // Lines 0, 3, 6, 9: bits 0, 3, 6 of the first byte and bit 1 of the second.
  EXPECT_EQ(area.GetPropertyText("LinesOriginesHex"), "4902");
  area.InsertLine(0, NewLine({{0, 0}, {1, 1}}), true);
  EXPECT_EQ(area.LinesOriginesHex(), "9304");
  area.SetPropertyText("LinesOriginesHex", "ff0a");
  EXPECT_EQ(area.LinesOriginesHex(), "FF0A");
  EXPECT_TRUE(area.LineForward(9));
  EXPECT_FALSE(area.LineForward(10));
  EXPECT_FALSE(area.LineForward(99));  // missing bytes read backward
  area.SetPropertyText("LinesOriginesHex", "01zz02");
  EXPECT_EQ(area.LinesOriginesHex(), "01");
  area.SetPropertyText("LinesOriginesHex", "1");
  EXPECT_EQ(area.LinesOriginesHex(), "");
}

TEST_F(RingTest, ASplitLineAnnouncesItsNewPartWhichJoinsTheRingBesideIt) {
  // The bottom-right line runs forward: its new part comes before it, forward too.
  auto* part = NewLine({{-5, 0}, {0, 0}});
  framework::TKelvaMessage split(kNewPartMessage, part, &ring, bottom_right);
  bool handled = false;
  ring.HandleMessage(split, handled);
  EXPECT_TRUE(handled);
  ASSERT_EQ(ring.GetCount(), 3);
  EXPECT_EQ(ring.GetElement(0), part);
  EXPECT_EQ(ring.LinesOriginesHex(), "03");
  EXPECT_EQ(ring.bounds().min_x, -5);
  // The backward left-top line: its new part comes after it, backward.
  auto* tail = NewLine({{10, 10}, {12, 12}});
  framework::TKelvaMessage split2(kNewPartMessage, tail, &ring, left_top);
  ring.HandleMessage(split2, handled);
  ASSERT_EQ(ring.GetCount(), 4);
  EXPECT_EQ(ring.GetElement(3), tail);
  EXPECT_EQ(ring.LinesOriginesHex(), "03");
  // From a line that is not in the ring, nothing happens.
  TPolyLineElement stranger;
  auto* lost = NewLine({{0, 0}, {1, 0}});
  framework::TKelvaMessage split3(kNewPartMessage, lost, &ring, &stranger);
  handled = false;
  ring.HandleMessage(split3, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(ring.GetCount(), 4);
  delete lost;
}

TEST_F(RingTest, ASplitAnnouncedToTheLinesHoldersReachesEveryStringAndRing) {
  TPolyLineString string;
  string.AddElement(left_top);
  auto* part = NewLine({{0, 0}, {0, 5}});
  left_top->SendToOwners(kNewPartMessage, part);  // the keeper, the ring and the string
  ASSERT_EQ(string.GetCount(), 2);
  EXPECT_EQ(string.GetElement(1), part);
  ASSERT_EQ(ring.GetCount(), 3);
  EXPECT_EQ(ring.GetElement(2), part);
  EXPECT_EQ(ring.LinesOriginesHex(), "01");
  EXPECT_EQ(part->GetOwnersCount(), 2);
  EXPECT_EQ(keeper.GetCount(), 2);
  ring.FreeAll();
  EXPECT_EQ(ring.LinesOriginesHex(), "");
  EXPECT_EQ(part->GetOwnersCount(), 1);
}

TEST_F(RingTest, AreasMadeOfLinesShareTheirLines) {
  TElementRef line_ref(bottom_right);
  {
    TPolyLineAreaElement other;
    other.AddLine(bottom_right, false);
    EXPECT_EQ(bottom_right->GetOwnersCount(), 3);
  }
  EXPECT_NE(line_ref.Get(), nullptr);
  EXPECT_EQ(bottom_right->GetOwnersCount(), 2);
}

}  // namespace
}  // namespace tarnik::spatial
