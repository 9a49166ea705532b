// Areas: a closed ring of vertices (the last joins the first) with holes. The holes are areas
// held by a THolesEntity that the area owns (created by the first AddHole, freed with the
// area). Area1 of an area with holes is sign(ring) * (|ring| - sum of |hole ring|), so the holes
// always make the area smaller whichever way the rings run; WholeArea is the ring's own signed
// area, also kept as SavedArea.
#pragma once

#include "spatial/owned_element.h"
#include "spatial/poly_elements.h"

namespace tarnik::spatial {

class THolesEntity;

class TAreaElement : public TPolyElement {
 public:
  TARNIK_ELEMENT_CLASS(TAreaElement)
  TAreaElement() = default;
  ~TAreaElement() override;

  THolesEntity* Holes() const;
  // Frees the previous holes (unless held elsewhere) and takes `holes` (its OwnerArea becomes
  // this area); anything but a THolesEntity only frees.
  void SetHoles(framework::TElement* holes);
  bool IsHole() const { return is_hole_; }
  void SetIsHole(bool v) { is_hole_ = v; }
  // For a hole, the area whose holes hold it; nil otherwise.
  TAreaElement* HoleOwnerArea() const;
  // The ring's signed area, also stored in SavedArea; 0 when the ring has no first vertex.
  double WholeArea();
  double SavedArea() const { return saved_area_; }
  double GetArea1() override;

  // Creates the holes on first use, adds the hole with AddWithBounds and marks it a hole.
  // The area itself is refused.
  void AddHole(TAreaElement* hole);
  // The ring alone (holes not considered), even-odd rule.
  virtual bool ContainsPoint(double x, double y);
  // The first hole (in order) that contains the point; nil when none.
  TAreaElement* FindHoleContaining(double x, double y);
  bool ContainsPointOutsideHoles(double x, double y);
  // The rectangle grown by the tolerance holds the point and ContainsPointOutsideHoles.
  bool HitTest(Point point, double tolerance) override;

 private:
  OwnedElement holes_;
  double saved_area_ = 0;
  bool is_hole_ = false;
};

class THolesEntity : public TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(THolesEntity)
  TAreaElement* OwnerArea() const;
  void SetOwnerArea(framework::TElement* area);

 private:
  framework::TElementRef owner_area_;
};

class TAreaString : public TSpaceEntityString {
 public:
  TARNIK_ELEMENT_CLASS(TAreaString)
};

}  // namespace tarnik::spatial
