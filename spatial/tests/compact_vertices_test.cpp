// Vertices kept as points until the child list is used: every reader of the element sees the
// same vertices, the same order and the same coordinate systems as with T2DCoordinate children.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "spatial/area_element.h"
#include "spatial/polyline_area.h"
#include "spatial/space_elements.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using testing::Own;
using testing::SpatialTest;

std::vector<Point> ChildPoints(const TPolyElement& element) {
  std::vector<Point> points;
  for (framework::TElement* child : element.Children()) {
    if (const T2DCoordinate* c = AsPointCoordinate(child)) points.push_back(c->AsPoint());
  }
  return points;
}

TEST_F(SpatialTest, CompactVerticesAnswerLikeChildrenAndBecomeChildrenWhenListed) {
  auto line = std::make_unique<TPolyLineElement>();
  const uint64_t before = line->ChildrenVersion();
  line->AddPoint(1, 2, 1);
  line->AddPoint(4, 6, 1);
  line->AddPoint(4, -1, 1);
  EXPECT_TRUE(line->HoldsCompactPoints());
  EXPECT_NE(line->ChildrenVersion(), before);
  EXPECT_EQ(line->GetCoordsCount(), 3);
  EXPECT_DOUBLE_EQ(line->XAt(1), 4);
  EXPECT_DOUBLE_EQ(line->YAt(2), -1);
  EXPECT_DOUBLE_EQ(line->XAt(3), 0);
  EXPECT_DOUBLE_EQ(line->Length(), 12);
  EXPECT_EQ(line->bounds(), (Bounds{1, -1, 4, 6}));
  EXPECT_EQ(line->GetPropertyText("CoordsCount"), "3");
  EXPECT_TRUE(line->HoldsCompactPoints());

  // The child list is what the points were, with their coordinate system.
  ASSERT_EQ(line->GetCount(), 3);
  EXPECT_FALSE(line->HoldsCompactPoints());
  EXPECT_EQ(ChildPoints(*line), (std::vector<Point>{{1, 2}, {4, 6}, {4, -1}}));
  ASSERT_NE(line->GetCoord(2), nullptr);
  EXPECT_EQ(line->GetCoord(2)->CS(), 1);
  // Later points follow the children as elements.
  line->AddPoint(0, 0, 1);
  EXPECT_EQ(line->GetCount(), 4);
  EXPECT_EQ(line->bounds(), (Bounds{0, -1, 4, 6}));
  EXPECT_EQ(line->Points().back(), (Point{0, 0}));
}

TEST_F(SpatialTest, APointOfAnotherSystemOrAChildAddedKeepsTheOrderOfTheVertices) {
  auto line = std::make_unique<TPolyLineElement>();
  line->AddPoint(1, 1, 1);
  line->AddPoint(2, 2, 1);
  line->AddPoint(3, 3, 0);  // another system: the points become children first
  EXPECT_FALSE(line->HoldsCompactPoints());
  ASSERT_EQ(line->GetCount(), 3);
  EXPECT_EQ(line->GetCoord(1)->CS(), 1);
  EXPECT_EQ(line->GetCoord(2)->CS(), 0);

  auto area = Own(Square());
  area->AddElement(new TPointElement());
  EXPECT_EQ(area->GetCount(), 5);
  EXPECT_EQ(area->GetCoordsCount(), 5);
  EXPECT_EQ(ChildPoints(*area), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
}

TEST_F(SpatialTest, AreasFromCompactLinesStayCompactForTheirGeometry) {
  auto* bottom = NewLine({{0, 0}, {10, 0}, {10, 10}});
  auto* top = NewLine({{0, 0}, {0, 10}, {10, 10}});
  auto ring = std::make_unique<TPolyLineAreaElement>();
  ring->AddLine(bottom, true);
  ring->AddLine(top, false);
  EXPECT_EQ(ring->GetCoordsCount(), 4);
  EXPECT_EQ(ring->Points(), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  EXPECT_TRUE(ring->ContainsPoint(5, 5));
  EXPECT_FALSE(ring->ContainsPoint(15, 5));
  EXPECT_DOUBLE_EQ(std::fabs(ring->WholeArea()), 100);
  std::unique_ptr<TAreaElement> plain(ring->ToAreaElement());
  EXPECT_EQ(plain->Points(), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
  EXPECT_TRUE(bottom->HoldsCompactPoints());
  EXPECT_TRUE(top->HoldsCompactPoints());
  // Walking the ring's vertices as elements lists the lines' children.
  ASSERT_NE(ring->GetCoord(3), nullptr);
  EXPECT_EQ(ring->GetCoord(3)->AsPoint(), (Point{0, 10}));
  EXPECT_FALSE(top->HoldsCompactPoints());

  // A copy of a compact element's vertices, either way round.
  TPolyLineElement reversed;
  reversed.AddCoordsFrom(bottom, false);
  EXPECT_EQ(reversed.Points(), (std::vector<Point>{{10, 10}, {10, 0}, {0, 0}}));
}

}  // namespace
}  // namespace tarnik::spatial
