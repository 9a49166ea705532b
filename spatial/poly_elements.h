// Elements made of vertices: TPolyElement keeps its vertices as its children, in order
// (T2DCoordinate or T3DCoordinate; any other child is no vertex). Vertices added with AddPoint
// to an element without children are kept as plain points (one coordinate system for all) until
// the child list is first used; the vertex operations below read them without creating elements.
// The geometry works on the points gathered from the vertices (geometry.h). An area computation
// that meets a child that is no vertex, or overflows, shows "GetCalculatedArea Error" and answers
// 0.
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

  virtual int GetCoordsCount() const;
  // The i-th vertex, nil past the end or for a child that is no vertex. Turns points kept in
  // the compact form into elements.
  virtual T2DCoordinate* GetCoord(int i) const;
  // The i-th vertex's point; false past the end or where the position holds no vertex.
  virtual bool PointAt(int i, Point* out) const;
  // Its values, 0 past the end.
  double XAt(int i) const;
  double YAt(int i) const;
  // Calls `visit` with GetCoord(i) for i = 0 .. GetCoordsCount() - 1 (nil where a position has
  // no vertex).
  virtual void ForEachCoord(const std::function<void(const T2DCoordinate*)>& visit) const;
  // The vertices' points in order; `complete` (when given) tells whether every position had a
  // vertex.
  virtual std::vector<Point> Points(bool* complete = nullptr) const;

  // The signed area of the vertices as a closed ring.
  virtual double GetArea1();
  // Sum of the distances between consecutive vertices (not closed).
  double Length() const;
  // Adds copies of the entity's vertices, in their order or reversed.
  virtual void AddCoordsFrom(const framework::TEntity* entity, bool forward);
  // A new vertex of coordinate system `cs`, extending the rectangle: kept as a point while the
  // element holds nothing but points of that system, else added as a T2DCoordinate child.
  void AddPoint(double x, double y, uint8_t cs = 0);
  // Room for `n` more points when the element holds nothing but points (a hint; never needed).
  void ReservePoints(size_t n);
  // Whether the vertices are still held as points (no child list made yet).
  bool HoldsCompactPoints() const { return ChildrenDeferred(); }
  // The coordinate system of the first vertex, 0 without one.
  uint8_t VertexCS() const;
  void ExtendByChildren() override;

 protected:
  // The signed ring area; nullopt when a position has no vertex or the sum is not finite.
  std::optional<double> RingArea() const;
  void RealizeChildren() override;

 private:
  std::vector<Point> points_;  // the vertices while the children are deferred
  uint8_t points_cs_ = 0;
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
