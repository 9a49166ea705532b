#include "spatial/poly_elements.h"

#include <algorithm>
#include <cmath>

#include "platform/ui.h"

namespace tarnik::spatial {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefinePolyElement(std::vector<TPropInfo>& out) {
  using P = TPolyElement;
  TPropDefs<P> d(out);
  d.Integer("CoordsCount", &P::GetCoordsCount, nullptr);
  d.Float("Length", &P::Length, nullptr);
  d.Float("Area1", &P::GetArea1, nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TPolyElement, TSpaceEntity, DefinePolyElement)
TARNIK_DEFINE_CLASS(TPolyLineElement, TPolyElement, nullptr)
TARNIK_DEFINE_CLASS(TPolyLineString, TSpaceEntityString, nullptr)

void ReportAreaError() { platform::ui().ShowMessage("GetCalculatedArea Error"); }

int TPolyElement::GetCoordsCount() const {
  return ChildrenDeferred() ? static_cast<int>(points_.size()) : GetCount();
}

T2DCoordinate* TPolyElement::GetCoord(int i) const {
  if (i < 0 || i >= GetCount()) return nullptr;
  return framework::ClassCast<T2DCoordinate>(Children()[static_cast<size_t>(i)]);
}

bool TPolyElement::PointAt(int i, Point* out) const {
  if (ChildrenDeferred()) {
    if (i < 0 || static_cast<size_t>(i) >= points_.size()) return false;
    *out = points_[static_cast<size_t>(i)];
    return true;
  }
  const T2DCoordinate* c = GetCoord(i);
  if (!c) return false;
  *out = c->AsPoint();
  return true;
}

double TPolyElement::XAt(int i) const {
  Point p;
  return PointAt(i, &p) ? p.x : 0;
}

double TPolyElement::YAt(int i) const {
  Point p;
  return PointAt(i, &p) ? p.y : 0;
}

void TPolyElement::ForEachCoord(const std::function<void(const T2DCoordinate*)>& visit) const {
  const int count = GetCoordsCount();
  for (int i = 0; i < count; ++i) visit(GetCoord(i));
}

std::vector<Point> TPolyElement::Points(bool* complete) const {
  if (ChildrenDeferred()) {
    if (complete) *complete = true;
    return points_;
  }
  std::vector<Point> points;
  points.reserve(static_cast<size_t>(std::max(GetCoordsCount(), 0)));
  bool all = true;
  ForEachCoord([&](const T2DCoordinate* c) {
    if (c) {
      points.push_back(c->AsPoint());
    } else {
      all = false;
    }
  });
  if (complete) *complete = all;
  return points;
}

std::optional<double> TPolyElement::RingArea() const {
  bool complete = true;
  const std::vector<Point> points = Points(&complete);
  if (!complete) return std::nullopt;
  const double area = SignedArea(points);
  if (!std::isfinite(area)) return std::nullopt;
  return area;
}

double TPolyElement::GetArea1() {
  const std::optional<double> area = RingArea();
  if (area) return *area;
  ReportAreaError();
  return 0;
}

double TPolyElement::Length() const { return PathLength(Points()); }

void TPolyElement::AddCoordsFrom(const framework::TEntity* entity, bool forward) {
  if (!entity || entity == this) return;
  if (const auto* poly = dynamic_cast<const TPolyElement*>(entity);
      poly && poly->ChildrenDeferred()) {
    std::vector<Point> points = poly->points_;
    if (!forward) std::reverse(points.begin(), points.end());
    for (const Point& p : points) AddPoint(p.x, p.y, poly->points_cs_);
    return;
  }
  std::vector<TCoordinate*> copies;
  for (framework::TElement* child : entity->Children()) {
    if (const T2DCoordinate* c = AsPointCoordinate(child)) copies.push_back(c->CopyCoordinate());
  }
  if (forward) {
    for (TCoordinate* c : copies) AddWithBounds(c);
  } else {
    for (auto it = copies.rbegin(); it != copies.rend(); ++it) AddWithBounds(*it);
  }
}

void TPolyElement::AddPoint(double x, double y, uint8_t cs) {
  if (!ChildrenDeferred() || cs != points_cs_) {
    if (!ChildrenDeferred() && IsEmpty()) {
      DeferChildren();
      points_cs_ = cs;
    } else {
      auto* c = new T2DCoordinate(x, y);
      c->SetCS(cs);
      AddWithBounds(c);
      return;
    }
  }
  points_.push_back({x, y});
  Extend(bounds(), x, y);
  NoteChildrenChanged();
}

void TPolyElement::ReservePoints(size_t n) {
  if (ChildrenDeferred() || IsEmpty()) points_.reserve(points_.size() + n);
}

uint8_t TPolyElement::VertexCS() const {
  if (ChildrenDeferred()) return points_cs_;
  const T2DCoordinate* c = GetCoord(0);
  return c ? c->CS() : 0;
}

void TPolyElement::ExtendByChildren() {
  if (!ChildrenDeferred()) {
    TSpaceEntity::ExtendByChildren();
    return;
  }
  for (const Point& p : points_) Extend(bounds(), p.x, p.y);
}

void TPolyElement::RealizeChildren() {
  std::vector<Point> points;
  points.swap(points_);
  for (const Point& p : points) {
    auto* c = new T2DCoordinate(p.x, p.y);
    c->SetCS(points_cs_);
    AddElement(c);
  }
}

bool TPolyLineElement::HitTest(Point point, double tolerance) {
  return NearPath(Points(), point, std::fabs(tolerance));
}

}  // namespace tarnik::spatial
