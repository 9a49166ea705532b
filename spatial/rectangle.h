// TRectangle: a bounding rectangle as an element, empty when new or reset (see Bounds).
#pragma once

#include "framework/element.h"
#include "spatial/geometry.h"

namespace tarnik::spatial {

class TRectangle : public framework::TElement {
 public:
  TARNIK_ELEMENT_CLASS(TRectangle)
  const Bounds& bounds() const { return bounds_; }
  Bounds& bounds() { return bounds_; }

  double MinX() const { return bounds_.min_x; }
  double MinY() const { return bounds_.min_y; }
  double MaxX() const { return bounds_.max_x; }
  double MaxY() const { return bounds_.max_y; }
  void SetMinX(double v) { bounds_.min_x = v; }
  void SetMinY(double v) { bounds_.min_y = v; }
  void SetMaxX(double v) { bounds_.max_x = v; }
  void SetMaxY(double v) { bounds_.max_y = v; }
  double Width() const { return bounds_.max_x - bounds_.min_x; }
  double Height() const { return bounds_.max_y - bounds_.min_y; }
  // Keep the min corner: MaxX = MinX + value (MaxY likewise).
  void SetWidth(double v) { bounds_.max_x = bounds_.min_x + v; }
  void SetHeight(double v) { bounds_.max_y = bounds_.min_y + v; }

  bool IsValid() const { return spatial::IsValid(bounds_); }
  void Reset() { bounds_ = Bounds(); }
  void Extend(double x, double y) { spatial::Extend(bounds_, x, y); }
  void ExtendByRectangle(const TRectangle& r) { ExtendByBounds(bounds_, r.bounds_); }
  Point Center() const { return spatial::Center(bounds_); }
  void Normalize() { spatial::Normalize(bounds_); }
  void MoveBy(double dx, double dy) { spatial::MoveBy(bounds_, dx, dy); }
  bool Intersects(const TRectangle& r) const { return spatial::Intersects(bounds_, r.bounds_); }
  // A new rectangle of the same class with the same corners (the caller owns it).
  TRectangle* Clone() const;

 private:
  Bounds bounds_;
};

}  // namespace tarnik::spatial
