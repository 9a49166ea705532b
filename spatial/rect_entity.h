// TRectEntity: an entity with a bounding rectangle, an Index and a reference point kept relative
// to the rectangle ((0, 0) at the min corner, (1, 1) at the max corner). The rectangle is plain
// data of the entity: children do not move with it, and it grows only when told
// (AddWithBounds, ExtendByChildren).
#pragma once

#include <cstdint>
#include <string>

#include "framework/entity.h"
#include "spatial/geometry.h"

namespace tarnik::spatial {

class TRectEntity : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TRectEntity)

  const Bounds& bounds() const { return bounds_; }
  Bounds& bounds() { return bounds_; }
  bool IsValid() const { return spatial::IsValid(bounds_); }
  void ResetBounds() { bounds_ = Bounds(); }

  int32_t Index() const { return index_; }
  void SetIndex(int32_t v) { index_ = v; }

  double Width() const { return bounds_.max_x - bounds_.min_x; }
  double Height() const { return bounds_.max_y - bounds_.min_y; }
  void SetWidth(double v) { bounds_.max_x = bounds_.min_x + v; }
  void SetHeight(double v) { bounds_.max_y = bounds_.min_y + v; }

  // The absolute reference point: min + relative * size. Writing moves a valid rectangle by the
  // difference; on an invalid one it sets both min and max of that axis to the value.
  double X() const { return bounds_.min_x + rel_x_ * Width(); }
  double Y() const { return bounds_.min_y + rel_y_ * Height(); }
  void SetX(double v);
  void SetY(double v);
  Point ReferencePoint() const { return {X(), Y()}; }

  double RelRefX() const { return rel_x_; }
  double RelRefY() const { return rel_y_; }
  // Keeps the absolute reference point in place by moving a valid rectangle.
  void SetRelRefX(double v);
  void SetRelRefY(double v);
  double DeltaRefX() const { return rel_x_ * Width(); }
  double DeltaRefY() const { return rel_y_ * Height(); }
  void SetDeltaRefX(double v);
  void SetDeltaRefY(double v);
  // Sets the relative reference from an absolute position (the rectangle stays).
  void SetAbsRefX(double v);
  void SetAbsRefY(double v);
  // "LEFT", "CENTER", "RIGHT" / "DOWN", "CENTER", "TOP" for relative 0, 0.5, 1, else "OTHER";
  // writing one of the three (any case) sets the relative reference, other texts change nothing.
  std::string HorizAllign() const;
  std::string VertAllign() const;
  void SetHorizAllign(const std::string& v);
  void SetVertAllign(const std::string& v);
  // 1..3: relative X 0 and relative Y 0, 0.5, 1; 4..6 X 0.5; 7..9 X 1; 0 any other position.
  int32_t RefPosition() const;
  void SetRefPositionValue(int32_t v) { SetRefPosition(v); }

  void MoveBy(double dx, double dy) { spatial::MoveBy(bounds_, dx, dy); }
  // True: extends the rectangle by every child; false: resets it to empty.
  void UpdateNoReset(bool extend);

  // Sets the relative reference for positions 1..9; 0 and other values change nothing.
  virtual void SetRefPosition(int32_t position);
  // Extends the rectangle by each child (a coordinate's point, an entity's valid rectangle).
  virtual void ExtendByChildren();
  // Resets the rectangle to empty, then ExtendByChildren.
  virtual void RecomputeBounds();

  // Extends the rectangle by the element, then adds it as a child.
  void AddWithBounds(framework::TElement* element);
  void ExtendByElement(const framework::TElement* element);

 private:
  Bounds bounds_;
  int32_t index_ = 0;
  double rel_x_ = 0;
  double rel_y_ = 0;
};

// The bounds of an element for extending a rectangle: a coordinate's point, a rectangle
// entity's rectangle; an empty Bounds for anything else.
Bounds BoundsOf(const framework::TElement* element);

}  // namespace tarnik::spatial
