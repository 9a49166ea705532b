// Elements made of vertices: TPolyElement keeps its vertices as its children, in order
// (T2DCoordinate or T3DCoordinate; any other child is no vertex). The geometry works on the
// points gathered from the vertices (geometry.h). An area computation that meets a child that
// is no vertex, or overflows, shows "GetCalculatedArea Error" and answers 0.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "spatial/coordinate.h"
#include "spatial/space_entity.h"

namespace tarnik::spatial {

class TPolyElement : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TPolyElement)

  virtual int GetCoordsCount() const { return GetCount(); }
  // The i-th vertex, nil past the end or for a child that is no vertex.
  virtual T2DCoordinate* GetCoord(int i) const;
  // Its values, 0 past the end.
  double XAt(int i) const;
  double YAt(int i) const;
  // Calls `visit` with GetCoord(i) for i = 0 .. GetCoordsCount() - 1 (nil where a position has
  // no vertex).
  virtual void ForEachCoord(const std::function<void(const T2DCoordinate*)>& visit) const;
  // The points of ForEachCoord; `complete` (when given) tells whether every position had a
  // vertex.
  std::vector<Point> Points(bool* complete = nullptr) const;

  // The signed area of the vertices as a closed ring.
  virtual double GetArea1();
  // Sum of the distances between consecutive vertices (not closed).
  double Length() const;
  // Adds copies of the entity's vertices, in their order or reversed.
  virtual void AddCoordsFrom(const framework::TEntity* entity, bool forward);
  // A new vertex (T2DCoordinate) added with AddWithBounds.
  void AddPoint(double x, double y);

 protected:
  // The signed ring area; nullopt when a position has no vertex or the sum is not finite.
  std::optional<double> RingArea() const;
};

// Shows the area error message.
void ReportAreaError();

class TPolyLineElement : public TPolyElement {
 public:
  TARNIK_ELEMENT_CLASS(TPolyLineElement)
  // Some segment passes closer than `tolerance` with the point's projection within it.
  bool HitTest(Point point, double tolerance) override;
};

class TPolyLineString : public TSpaceEntityString {
 public:
  TARNIK_ELEMENT_CLASS(TPolyLineString)
};

}  // namespace tarnik::spatial
