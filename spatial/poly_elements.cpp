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

T2DCoordinate* TPolyElement::GetCoord(int i) const {
  if (i < 0 || i >= GetCount()) return nullptr;
  return framework::ClassCast<T2DCoordinate>(Children()[static_cast<size_t>(i)]);
}

double TPolyElement::XAt(int i) const {
  const T2DCoordinate* c = GetCoord(i);
  return c ? c->X() : 0;
}

double TPolyElement::YAt(int i) const {
  const T2DCoordinate* c = GetCoord(i);
  return c ? c->Y() : 0;
}

void TPolyElement::ForEachCoord(const std::function<void(const T2DCoordinate*)>& visit) const {
  const int count = GetCoordsCount();
  for (int i = 0; i < count; ++i) visit(GetCoord(i));
}

std::vector<Point> TPolyElement::Points(bool* complete) const {
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

void TPolyElement::AddPoint(double x, double y) { AddWithBounds(new T2DCoordinate(x, y)); }

bool TPolyLineElement::HitTest(Point point, double tolerance) {
  return NearPath(Points(), point, std::fabs(tolerance));
}

}  // namespace tarnik::spatial
