// Plane geometry of the map elements as free functions over points gathered from them: bounds
// with the empty sentinel, signed ring area by the trapezoid rule, path length, the even-odd
// point-in-ring test and the distance of a point from a polyline. X and Y only; pure functions,
// no allocation, thread-safe. Non-finite input gives non-finite or false answers, never UB.
#pragma once

#include <span>

namespace tarnik::spatial {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// |value| of an empty bound, and the limit every valid bound stays below.
inline constexpr double kEmptyBound = 1e30;
// Sizes below this count as zero.
inline constexpr double kTinySize = 1e-20;
// How far past its ends a segment still catches a point's projection, as a share of its length.
inline constexpr double kSegmentEndAllowance = 1e-4;

// An axis-aligned rectangle; a new one is empty: min = (1e30, 1e30), max = (-1e30, -1e30).
struct Bounds {
  double min_x = kEmptyBound;
  double min_y = kEmptyBound;
  double max_x = -kEmptyBound;
  double max_y = -kEmptyBound;
  bool operator==(const Bounds&) const = default;
};

// min <= max on both axes and all four values below 1e30 in absolute value.
bool IsValid(const Bounds& b);
// Lowers the min corner and raises the max corner to include the point.
void Extend(Bounds& b, double x, double y);
// Extends by both corners of `other` when it is valid.
void ExtendByBounds(Bounds& b, const Bounds& other);
// Swaps min and max per axis where min > max.
void Normalize(Bounds& b);
void MoveBy(Bounds& b, double dx, double dy);
Point Center(const Bounds& b);
// a's min <= b's max and a's max >= b's min on both axes.
bool Intersects(const Bounds& a, const Bounds& b);
// The point lies in the rectangle grown by `grow` on every side.
bool Contains(const Bounds& b, double x, double y, double grow);
Bounds BoundingBox(std::span<const Point> points);

double Distance(Point a, Point b);
// Sum of the distances between consecutive points (not closed).
double PathLength(std::span<const Point> points);
// Sum over consecutive pairs, the last joined to the first, of (x2 - x1) * (y2 + y1) / 2:
// negative for rings that run counter-clockwise; 0 without points.
double SignedArea(std::span<const Point> ring);
// The area of a ring with holes: sign(outer) * (|outer| - sum of |hole|).
double AreaWithHoles(double outer, std::span<const double> holes);
// Even-odd rule with a ray towards increasing X; fewer than three points contain nothing. A
// point on a horizontal edge or on the right of a vertex counts by the half-open rule
// (an edge covers y in [min y, max y)).
bool RingContains(std::span<const Point> ring, double x, double y);
// The point's perpendicular projection falls within the segment (kSegmentEndAllowance at either
// end) and lies less than `tolerance` from the point; a zero-length segment is near when the
// point is closer than `tolerance` to it.
bool NearSegment(Point p, Point a, Point b, double tolerance);
// NearSegment for some segment of the path; false for fewer than two points.
bool NearPath(std::span<const Point> path, Point p, double tolerance);

}  // namespace tarnik::spatial
