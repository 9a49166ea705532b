#include "spatial/area_element.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "spatial/space_elements.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using framework::TElementRef;
using testing::Own;
using testing::SpatialTest;

TEST_F(SpatialTest, AreaOfTheSquareFollowsItsDirection) {
  auto square = Own(Square());
  auto reversed = Own(ReversedSquare());
  EXPECT_DOUBLE_EQ(square->GetArea1(), -100);
  EXPECT_DOUBLE_EQ(reversed->GetArea1(), 100);
  EXPECT_EQ(square->GetPropertyText("Area1"), "-100");
  EXPECT_EQ(reversed->GetPropertyText("Area1"), "100");
  EXPECT_EQ(square->GetPropertyText("CoordsCount"), "4");
  EXPECT_EQ(square->GetPropertyText("Length"), "30");  // the ring is not closed for its length
  EXPECT_TRUE(ui().Messages().empty());
}

TEST_F(SpatialTest, HolesMakeTheAreaSmallerInEitherOrientation) {
  for (bool hole_ccw : {true, false}) {
    SCOPED_TRACE(hole_ccw ? "counter-clockwise hole" : "clockwise hole");
    auto square = Own(Square());
    auto reversed = Own(ReversedSquare());
    square->AddHole(Hole(hole_ccw));
    reversed->AddHole(Hole(hole_ccw));
    EXPECT_DOUBLE_EQ(square->GetArea1(), -84);
    EXPECT_DOUBLE_EQ(reversed->GetArea1(), 84);
    // The ring's own area, and the saved area of stored models, do not change.
    EXPECT_DOUBLE_EQ(square->WholeArea(), -100);
    EXPECT_EQ(square->GetPropertyText("SavedArea"), "-100");
    EXPECT_EQ(reversed->GetPropertyText("WholeArea"), "100");
    EXPECT_EQ(reversed->GetPropertyText("SavedArea"), "100");
  }
  // Two holes, one of them not an area.
  auto square = Own(Square());
  square->AddHole(NewArea({{1, 1}, {2, 1}, {2, 2}, {1, 2}}));
  square->AddHole(Hole(false));
  square->Holes()->AddElement(new TPointElement());
  EXPECT_DOUBLE_EQ(square->GetArea1(), -83);
}

TEST_F(SpatialTest, AnAreaThatCannotBeComputedReportsAndIsZero) {
  auto area = Own(Square());
  area->AddElement(new TPointElement());  // a child that is no vertex
  EXPECT_EQ(area->GetArea1(), 0);
  EXPECT_EQ(ui().Messages(), std::vector<std::string>{"GetCalculatedArea Error"});
  ui().Clear();
  auto huge = Own(NewArea({{0, 0}, {1e300, 0}, {1e300, 1e300}, {0, 1e300}}));
  EXPECT_EQ(huge->GetArea1(), 0);
  EXPECT_EQ(huge->WholeArea(), 0);
  EXPECT_EQ(ui().Messages().size(), 2u);
  ui().Clear();
  // An area whose first child is no vertex has no whole area, silently.
  TAreaElement odd;
  odd.AddElement(new TPointElement());
  EXPECT_EQ(odd.WholeArea(), 0);
  TAreaElement empty;
  EXPECT_EQ(empty.GetArea1(), 0);
  EXPECT_TRUE(ui().Messages().empty());
}

TEST_F(SpatialTest, APointInAHoleIsNotInTheArea) {
  auto square = Own(Square());
  auto* hole = Hole(true);
  square->AddHole(hole);
  EXPECT_TRUE(hole->IsHole());
  EXPECT_EQ(hole->HoleOwnerArea(), square.get());
  EXPECT_EQ(square->HoleOwnerArea(), nullptr);
  EXPECT_EQ(hole->GetPropertyText("HoleOwnerArea"), std::to_string(square->Handle()));
  EXPECT_EQ(square->Holes()->OwnerArea(), square.get());

  EXPECT_TRUE(square->ContainsPoint(5, 5));
  EXPECT_EQ(square->FindHoleContaining(5, 5), hole);
  EXPECT_FALSE(square->ContainsPointOutsideHoles(5, 5));
  EXPECT_TRUE(square->ContainsPointOutsideHoles(1, 1));
  EXPECT_EQ(square->FindHoleContaining(1, 1), nullptr);
  EXPECT_FALSE(square->ContainsPointOutsideHoles(11, 1));
  EXPECT_TRUE(square->HitTest({1, 1}, 0));
  EXPECT_FALSE(square->HitTest({5, 5}, 0));
  EXPECT_FALSE(square->HitTest({10.5, 5}, 1));  // in the grown rectangle, outside the ring

  // A ring of fewer than three vertices contains nothing.
  auto line = Own(NewArea({{0, 0}, {10, 10}}));
  EXPECT_FALSE(line->ContainsPoint(5, 5));
  // The hole's rectangle is part of the holes' rectangle.
  EXPECT_EQ(square->Holes()->bounds(), (Bounds{3, 3, 7, 7}));
}

TEST_F(SpatialTest, HolesAreFreedWithTheirArea) {
  TElementRef holes_ref;
  TElementRef hole_ref;
  {
    auto square = Own(Square());
    auto* hole = Hole(true);
    hole_ref = hole;
    square->AddHole(hole);
    holes_ref = square->Holes();
    square->AddHole(square.get());  // refused
    EXPECT_EQ(square->Holes()->GetCount(), 1);
    // The holes are no child of the area: its vertices stay its only children.
    EXPECT_EQ(square->GetCount(), 4);
  }
  EXPECT_EQ(holes_ref.Get(), nullptr);
  EXPECT_EQ(hole_ref.Get(), nullptr);

  // Writing new holes frees the previous ones and claims the new ones.
  auto area = Own(Square());
  area->AddHole(Hole(true));
  TElementRef old_holes(area->Holes());
  auto* fresh = new THolesEntity();
  area->SetPropertyText("Holes", std::to_string(fresh->Handle()));
  EXPECT_EQ(old_holes.Get(), nullptr);
  EXPECT_EQ(area->Holes(), fresh);
  EXPECT_EQ(fresh->OwnerArea(), area.get());
  EXPECT_DOUBLE_EQ(area->GetArea1(), -100);
}

TEST_F(SpatialTest, LinesHitNearTheirSegments) {
  auto line = Own(NewLine({{0, 0}, {10, 0}, {10, 10}}));
  EXPECT_DOUBLE_EQ(line->Length(), 20);
  EXPECT_TRUE(line->HitTest({5, 0.5}, 1));
  EXPECT_TRUE(line->HitTest({9.5, 5}, 1));
  EXPECT_FALSE(line->HitTest({5, 5}, 1));
  EXPECT_FALSE(line->HitTest({-2, 0}, 1));
  auto single = Own(NewLine({{0, 0}}));
  EXPECT_FALSE(single->HitTest({0, 0}, 1));
  EXPECT_EQ(line->bounds(), (Bounds{0, 0, 10, 10}));
}

TEST_F(SpatialTest, VerticesAreCopiedFromAnotherElementEitherWay) {
  auto source = Own(NewLine({{1, 1}, {2, 2}, {3, 3}}));
  source->AddElement(new TPointElement());  // no vertex: not copied
  TAreaElement forward;
  forward.AddCoordsFrom(source.get(), true);
  TAreaElement backward;
  backward.AddCoordsFrom(source.get(), false);
  ASSERT_EQ(forward.GetCoordsCount(), 3);
  ASSERT_EQ(backward.GetCoordsCount(), 3);
  EXPECT_EQ(forward.XAt(0), 1);
  EXPECT_EQ(backward.XAt(0), 3);
  EXPECT_EQ(backward.YAt(2), 1);
  EXPECT_EQ(backward.XAt(3), 0);  // past the end
  // Copies: freeing the source leaves the area's vertices alone.
  EXPECT_NE(forward.GetCoord(0), source->GetCoord(0));
  source.reset();
  EXPECT_EQ(forward.GetCoordsCount(), 3);
  EXPECT_EQ(forward.bounds(), (Bounds{1, 1, 3, 3}));
}

}  // namespace
}  // namespace tarnik::spatial
