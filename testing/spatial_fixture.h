// Shared fixture of the spatial tests: the framework's tool fixture (recording Ui, recording
// message queue) with the spatial classes registered, and builders of small elements.
#pragma once

#include <initializer_list>
#include <memory>

#include "spatial/area_element.h"
#include "spatial/geometry.h"
#include "spatial/poly_elements.h"
#include "spatial/polyline_area.h"
#include "spatial/spatial_classes.h"
#include "testing/tool_fixture.h"

namespace tarnik::spatial::testing {

class SpatialTest : public framework::testing::ToolTest {
 protected:
  SpatialTest() { RegisterSpatialClasses(); }

 public:
  // Elements of the given vertices (T2DCoordinate children, added with AddWithBounds).
  template <class T>
  static T* WithPoints(std::initializer_list<Point> points) {
    auto* element = new T();
    for (const Point& p : points) element->AddPoint(p.x, p.y);
    return element;
  }
  static TAreaElement* NewArea(std::initializer_list<Point> points) {
    return WithPoints<TAreaElement>(points);
  }
  static TPolyLineElement* NewLine(std::initializer_list<Point> points) {
    return WithPoints<TPolyLineElement>(points);
  }
  // The 10 x 10 square (0,0) (10,0) (10,10) (0,10), counter-clockwise, and reversed.
  static TAreaElement* Square() { return NewArea({{0, 0}, {10, 0}, {10, 10}, {0, 10}}); }
  static TAreaElement* ReversedSquare() { return NewArea({{0, 10}, {10, 10}, {10, 0}, {0, 0}}); }
  // The 4 x 4 hole (3,3)..(7,7), counter-clockwise or clockwise.
  static TAreaElement* Hole(bool counter_clockwise) {
    return counter_clockwise ? NewArea({{3, 3}, {7, 3}, {7, 7}, {3, 7}})
                             : NewArea({{3, 7}, {7, 7}, {7, 3}, {3, 3}});
  }

  platform::RecordingUi& ui() { return ui_; }

 protected:
};

template <class T>
std::unique_ptr<T> Own(T* element) {
  return std::unique_ptr<T>(element);
}

}  // namespace tarnik::spatial::testing
