#include "spatial/geometry.h"

#include <algorithm>
#include <cmath>

namespace tarnik::spatial {

bool IsValid(const Bounds& b) {
  return b.min_x <= b.max_x && b.min_y <= b.max_y && std::fabs(b.min_x) < kEmptyBound &&
         std::fabs(b.min_y) < kEmptyBound && std::fabs(b.max_x) < kEmptyBound &&
         std::fabs(b.max_y) < kEmptyBound;
}

void Extend(Bounds& b, double x, double y) {
  if (x < b.min_x) b.min_x = x;
  if (y < b.min_y) b.min_y = y;
  if (x > b.max_x) b.max_x = x;
  if (y > b.max_y) b.max_y = y;
}

void ExtendByBounds(Bounds& b, const Bounds& other) {
  if (!IsValid(other)) return;
  Extend(b, other.min_x, other.min_y);
  Extend(b, other.max_x, other.max_y);
}

void Normalize(Bounds& b) {
  if (b.min_x > b.max_x) std::swap(b.min_x, b.max_x);
  if (b.min_y > b.max_y) std::swap(b.min_y, b.max_y);
}

void MoveBy(Bounds& b, double dx, double dy) {
  b.min_x += dx;
  b.max_x += dx;
  b.min_y += dy;
  b.max_y += dy;
}

Point Center(const Bounds& b) { return {(b.min_x + b.max_x) / 2, (b.min_y + b.max_y) / 2}; }

bool Intersects(const Bounds& a, const Bounds& b) {
  return a.min_x <= b.max_x && a.max_x >= b.min_x && a.min_y <= b.max_y && a.max_y >= b.min_y;
}

bool Contains(const Bounds& b, double x, double y, double grow) {
  return x >= b.min_x - grow && x <= b.max_x + grow && y >= b.min_y - grow && y <= b.max_y + grow;
}

Bounds BoundingBox(std::span<const Point> points) {
  Bounds b;
  for (const Point& p : points) Extend(b, p.x, p.y);
  return b;
}

double Distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

double PathLength(std::span<const Point> points) {
  double length = 0;
  for (size_t i = 1; i < points.size(); ++i) length += Distance(points[i - 1], points[i]);
  return length;
}

double SignedArea(std::span<const Point> ring) {
  if (ring.empty()) return 0;
  double twice = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const Point& a = ring[i];
    const Point& b = ring[(i + 1) % ring.size()];
    twice += (b.x - a.x) * (b.y + a.y);
  }
  return twice / 2;
}

double AreaWithHoles(double outer, std::span<const double> holes) {
  double size = std::fabs(outer);
  for (double hole : holes) size -= std::fabs(hole);
  if (outer < 0) return -size;
  if (outer > 0) return size;
  return 0;
}

bool RingContains(std::span<const Point> ring, double x, double y) {
  if (ring.size() < 3) return false;
  bool inside = false;
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const Point& a = ring[i];
    const Point& b = ring[j];
    if ((a.y > y) == (b.y > y)) continue;
    const double cross_x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
    if (x < cross_x) inside = !inside;
  }
  return inside;
}

bool NearSegment(Point p, Point a, Point b, double tolerance) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  if (!(length2 > 0)) return Distance(p, a) < tolerance;
  const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  if (!(t >= -kSegmentEndAllowance && t <= 1 + kSegmentEndAllowance)) return false;
  const Point projection{a.x + t * dx, a.y + t * dy};
  return Distance(p, projection) < tolerance;
}

bool NearPath(std::span<const Point> path, Point p, double tolerance) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (NearSegment(p, path[i - 1], path[i], tolerance)) return true;
  }
  return false;
}

}  // namespace tarnik::spatial
