#include "spatial/area_element.h"

#include <cmath>
#include <vector>

namespace tarnik::spatial {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineAreaElement(std::vector<TPropInfo>& out) {
  using A = TAreaElement;
  TPropDefs<A> d(out);
  d.Object("Holes", &THolesEntity::StaticClass, "THolesEntity", &A::Holes, &A::SetHoles);
  d.Boolean("IsHole", &A::IsHole, &A::SetIsHole);
  d.Object("HoleOwnerArea", &A::StaticClass, "TAreaElement", &A::HoleOwnerArea, nullptr);
  d.Float("WholeArea", &A::WholeArea, nullptr);
  d.Float("SavedArea", &A::SavedArea, nullptr);
}

void DefineHolesEntity(std::vector<TPropInfo>& out) {
  TPropDefs<THolesEntity> d(out);
  // Set by the area that takes the holes: a back link, never stored.
  d.Object("OwnerArea", &TAreaElement::StaticClass, "TAreaElement", &THolesEntity::OwnerArea,
           &THolesEntity::SetOwnerArea)
      .NotStored();
}

}  // namespace

TARNIK_DEFINE_CLASS(TAreaElement, TPolyElement, DefineAreaElement)
TARNIK_DEFINE_CLASS(THolesEntity, TRectEntity, DefineHolesEntity)
TARNIK_DEFINE_CLASS(TAreaString, TSpaceEntityString, nullptr)

TAreaElement::~TAreaElement() {
  BeginDestroying();
  holes_.Reset();
}

THolesEntity* TAreaElement::Holes() const {
  return framework::ClassCast<THolesEntity>(holes_.Get());
}

void TAreaElement::SetHoles(TElement* holes) {
  auto* entity = framework::ClassCast<THolesEntity>(holes);
  if (entity && entity->IndexOf(this) >= 0) return;  // an area is no hole of its own
  if (THolesEntity* previous = Holes();
      previous && previous != entity && previous->OwnerArea() == this) {
    previous->SetOwnerArea(nullptr);
  }
  holes_.Set(this, entity);
  if (entity) entity->SetOwnerArea(this);
}

TAreaElement* TAreaElement::HoleOwnerArea() const {
  auto* holes = framework::ClassCast<THolesEntity>(FindOwnerByClass(THolesEntity::StaticClass()));
  return holes ? holes->OwnerArea() : nullptr;
}

double TAreaElement::WholeArea() {
  if (Point first; !PointAt(0, &first)) {
    saved_area_ = 0;
    return 0;
  }
  const std::optional<double> area = RingArea();
  if (!area) ReportAreaError();
  saved_area_ = area.value_or(0);
  return saved_area_;
}

double TAreaElement::GetArea1() {
  const double outer = WholeArea();
  std::vector<double> holes;
  if (const THolesEntity* entity = Holes()) {
    for (TElement* child : entity->Children()) {
      auto* hole = framework::ClassCast<TAreaElement>(child);
      if (hole && hole != this) holes.push_back(hole->WholeArea());
    }
  }
  const double area = AreaWithHoles(outer, holes);
  if (std::isfinite(area)) return area;
  ReportAreaError();
  return 0;
}

void TAreaElement::AddHole(TAreaElement* hole) {
  if (!hole || hole == this) return;
  THolesEntity* entity = Holes();
  if (!entity) {
    entity = new THolesEntity();
    SetHoles(entity);
  }
  entity->AddWithBounds(hole);
  hole->SetIsHole(true);
}

bool TAreaElement::ContainsPoint(double x, double y) { return RingContains(Points(), x, y); }

TAreaElement* TAreaElement::FindHoleContaining(double x, double y) {
  const THolesEntity* entity = Holes();
  if (!entity) return nullptr;
  for (TElement* child : entity->Children()) {
    auto* hole = framework::ClassCast<TAreaElement>(child);
    if (hole && hole != this && hole->ContainsPoint(x, y)) return hole;
  }
  return nullptr;
}

bool TAreaElement::ContainsPointOutsideHoles(double x, double y) {
  return ContainsPoint(x, y) && !FindHoleContaining(x, y);
}

bool TAreaElement::HitTest(Point point, double tolerance) {
  return Contains(bounds(), point.x, point.y, std::fabs(tolerance)) &&
         ContainsPointOutsideHoles(point.x, point.y);
}

TAreaElement* THolesEntity::OwnerArea() const {
  return framework::ClassCast<TAreaElement>(owner_area_.Get());
}

void THolesEntity::SetOwnerArea(TElement* area) {
  owner_area_ = framework::ClassCast<TAreaElement>(area);
}

}  // namespace tarnik::spatial
