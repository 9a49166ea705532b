// TPolyLineAreaElement: an area whose ring is a chain of polylines, each walked forward or
// backward. Orientation bit i belongs to child i: bit i mod 8 of byte i div 8, missing bytes
// read 0 (backward). The lines are shared with other areas and strings (owner protocol). A line
// of fewer than two vertices adds nothing to the ring. Message kNewPartMessage from one of its
// lines inserts the new part beside it, so the ring stays closed when a line is split.
#pragma once

#include <string>
#include <vector>

#include "spatial/area_element.h"

namespace tarnik::spatial {

class TPolyLineAreaElement : public TAreaElement {
 public:
  TARNIK_ELEMENT_CLASS(TPolyLineAreaElement)

  bool LineForward(int i) const;
  void SetLineForward(int i, bool forward);
  const std::string& OrientationBytes() const { return bits_; }
  // The orientation bytes as two upper-case hexadecimal digits each; writing reads pairs of
  // hexadecimal digits (either case) up to the first pair that is none.
  std::string LinesOriginesHex() const;
  void SetLinesOriginesHex(const std::string& hex);

  // Adds the line with AddWithBounds and sets its bit.
  void AddLine(TPolyLineElement* line, bool forward);
  // Inserts the line at `index` (extending the rectangle); the bits of the following lines
  // move up by one.
  void InsertLine(int index, TPolyLineElement* line, bool forward);
  // Removing or freeing a line moves the bits of the following lines down by one.
  void RemoveElement(framework::TElement* element) override;
  void FreeElement(framework::TElement* element) override;
  // Frees the lines (shared ones are only let go) and forgets their bits.
  void FreeAll() override;
  void HandleMessage(framework::TKelvaMessage& message, bool& handled) override;

  // Sum over the lines of (vertex count - 1).
  int GetCoordsCount() const override;
  // Walks the lines in order, each giving its vertices but the last in walking direction.
  T2DCoordinate* GetCoord(int i) const override;
  bool PointAt(int i, Point* out) const override;
  std::vector<Point> Points(bool* complete = nullptr) const override;
  void ForEachCoord(const std::function<void(const T2DCoordinate*)>& visit) const override;
  bool ContainsPoint(double x, double y) override;

  // The vertices of the ring as a plain area would hold them: the first line all of its
  // vertices, every further line all but its first in walking direction.
  std::vector<const T2DCoordinate*> RingVertices() const;
  // Their points, without turning compact vertices into elements; `cs` (when given) gets the
  // coordinate system of the first line's vertices.
  std::vector<Point> RingPoints(uint8_t* cs = nullptr) const;
  // A new area with the points of RingVertices and a copy of the rectangle (the caller owns it).
  TAreaElement* ToAreaElement() const;
  // The same with every hole converted (lines) or copied (plain areas) and added as a hole.
  TAreaElement* ToAreaWithHoles() const;

 private:
  // Shifts the bits from position `from` on by one up (insert) or down (remove).
  void ShiftBitsUp(int from);
  void ShiftBitsDown(int from);

  std::string bits_;
};

}  // namespace tarnik::spatial
