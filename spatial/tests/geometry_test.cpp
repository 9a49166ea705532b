#include "spatial/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tarnik::spatial {
namespace {

const std::vector<Point> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};

std::vector<Point> Reversed(std::vector<Point> ring) { return {ring.rbegin(), ring.rend()}; }

TEST(Geometry, SignedAreaFollowsTheTrapezoidRuleAndTheRingsDirection) {
  EXPECT_DOUBLE_EQ(SignedArea(kSquare), -100);
  EXPECT_DOUBLE_EQ(SignedArea(Reversed(kSquare)), 100);
  // The closing pair counts: a triangle's area does not depend on where the ring starts.
  const std::vector<Point> triangle = {{1, 1}, {5, 1}, {1, 4}};
  const std::vector<Point> rotated = {{5, 1}, {1, 4}, {1, 1}};
  EXPECT_DOUBLE_EQ(SignedArea(triangle), -6);
  EXPECT_DOUBLE_EQ(SignedArea(rotated), -6);
  EXPECT_EQ(SignedArea({}), 0);
  EXPECT_EQ(SignedArea(std::vector<Point>{{3, 4}}), 0);
  // Far from the origin the sum keeps its precision well enough for map sizes.
  std::vector<Point> far = kSquare;
  for (Point& p : far) p = {p.x - 600000, p.y - 1100000};
  EXPECT_NEAR(SignedArea(far), -100, 1e-6);
}

TEST(Geometry, HolesShrinkTheAreaWhicheverWayTheRingsRun) {
  const double hole = SignedArea(std::vector<Point>{{3, 3}, {7, 3}, {7, 7}, {3, 7}});
  ASSERT_DOUBLE_EQ(hole, -16);
  const std::vector<double> either[] = {{hole}, {-hole}};
  for (const auto& holes : either) {
    EXPECT_DOUBLE_EQ(AreaWithHoles(-100, holes), -84);
    EXPECT_DOUBLE_EQ(AreaWithHoles(100, holes), 84);
  }
  EXPECT_DOUBLE_EQ(AreaWithHoles(-100, {}), -100);
  EXPECT_DOUBLE_EQ(AreaWithHoles(100, std::vector<double>{10, -20}), 70);
  EXPECT_EQ(AreaWithHoles(0, std::vector<double>{5}), 0);
}

TEST(Geometry, PathLengthIsOpen) {
  EXPECT_DOUBLE_EQ(PathLength(kSquare), 30);
  EXPECT_DOUBLE_EQ(PathLength(std::vector<Point>{{0, 0}, {3, 4}}), 5);
  EXPECT_EQ(PathLength(std::vector<Point>{{1, 1}}), 0);
  EXPECT_EQ(PathLength({}), 0);
}

TEST(Geometry, RingContainsByTheEvenOddRule) {
  EXPECT_TRUE(RingContains(kSquare, 5, 5));
  EXPECT_TRUE(RingContains(Reversed(kSquare), 5, 5));
  EXPECT_FALSE(RingContains(kSquare, 15, 5));
  EXPECT_FALSE(RingContains(kSquare, -1, 5));
  EXPECT_FALSE(RingContains(kSquare, 5, 11));
  // A ray through a vertex is counted once: the point left of the tip of a diamond.
  const std::vector<Point> diamond = {{5, 0}, {10, 5}, {5, 10}, {0, 5}};
  EXPECT_TRUE(RingContains(diamond, 2, 5));
  EXPECT_FALSE(RingContains(diamond, -2, 5));
  EXPECT_FALSE(RingContains(diamond, 12, 5));
  // A U shape: the notch is outside, both arms inside.
  const std::vector<Point> u = {{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}};
  EXPECT_TRUE(RingContains(u, 1, 6));
  EXPECT_FALSE(RingContains(u, 4.5, 6));
  EXPECT_TRUE(RingContains(u, 7.5, 6));
  EXPECT_TRUE(RingContains(u, 4.5, 1));
  // Fewer than three vertices contain nothing.
  EXPECT_FALSE(RingContains(std::vector<Point>{{0, 0}, {10, 10}}, 5, 5));
  EXPECT_FALSE(RingContains({}, 0, 0));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(RingContains(kSquare, nan, 5));
}

TEST(Geometry, BoundsStartEmptyAndGrowByPointsAndValidBounds) {
  Bounds b;
  EXPECT_FALSE(IsValid(b));
  Extend(b, 3, 4);
  EXPECT_TRUE(IsValid(b));
  EXPECT_EQ(b, (Bounds{3, 4, 3, 4}));
  Extend(b, -1, 10);
  EXPECT_EQ(b, (Bounds{-1, 4, 3, 10}));
  ExtendByBounds(b, Bounds());  // an empty one changes nothing
  EXPECT_EQ(b, (Bounds{-1, 4, 3, 10}));
  ExtendByBounds(b, Bounds{0, 0, 1, 1});
  EXPECT_EQ(b, (Bounds{-1, 0, 3, 10}));
  EXPECT_EQ(Center(b), (Point{1, 5}));
  MoveBy(b, 1, -1);
  EXPECT_EQ(b, (Bounds{0, -1, 4, 9}));
  Bounds swapped{5, 6, 1, 2};
  EXPECT_FALSE(IsValid(swapped));
  Normalize(swapped);
  EXPECT_EQ(swapped, (Bounds{1, 2, 5, 6}));
  // Values at the sentinel's size are not valid.
  EXPECT_FALSE(IsValid(Bounds{0, 0, 1e30, 1}));
  EXPECT_EQ(BoundingBox(kSquare), (Bounds{0, 0, 10, 10}));
  EXPECT_FALSE(IsValid(BoundingBox({})));
}

TEST(Geometry, IntersectsAndContainsIncludeTheEdges) {
  const Bounds a{0, 0, 10, 10};
  EXPECT_TRUE(Intersects(a, Bounds{10, 10, 20, 20}));
  EXPECT_TRUE(Intersects(a, Bounds{2, 2, 3, 3}));
  EXPECT_FALSE(Intersects(a, Bounds{10.5, 0, 20, 10}));
  EXPECT_FALSE(Intersects(a, Bounds()));
  EXPECT_TRUE(Contains(a, 10, 0, 0));
  EXPECT_FALSE(Contains(a, 10.5, 5, 0));
  EXPECT_TRUE(Contains(a, 10.5, 5, 0.5));
}

TEST(Geometry, NearSegmentNeedsTheProjectionWithinTheSegment) {
  const Point a{0, 0};
  const Point b{10, 0};
  EXPECT_TRUE(NearSegment({5, 0.5}, a, b, 1));
  EXPECT_FALSE(NearSegment({5, 1.5}, a, b, 1));
  EXPECT_FALSE(NearSegment({5, 1}, a, b, 1));  // below the tolerance, not at it
  // Past an end only by the allowance.
  EXPECT_TRUE(NearSegment({10.0005, 0.1}, a, b, 1));
  EXPECT_FALSE(NearSegment({10.01, 0.1}, a, b, 1));
  EXPECT_FALSE(NearSegment({-0.5, 0}, a, b, 1));
  // A segment of no length is near a point close to it.
  EXPECT_TRUE(NearSegment({0.5, 0}, a, a, 1));
  EXPECT_FALSE(NearSegment({2, 0}, a, a, 1));

  const std::vector<Point> path = {{0, 0}, {10, 0}, {10, 10}};
  EXPECT_TRUE(NearPath(path, {10.5, 5}, 1));
  EXPECT_FALSE(NearPath(path, {5, 5}, 1));
  EXPECT_FALSE(NearPath(std::vector<Point>{{0, 0}}, {0, 0}, 1));
}

}  // namespace
}  // namespace tarnik::spatial
