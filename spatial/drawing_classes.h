// Drawing classes of the map display: rectangle entities with pen, brush and font settings.
// Only their classes and published properties exist here; nothing draws them.
#pragma once

#include <cstdint>
#include <string>

#include "spatial/rect_entity.h"

namespace tarnik::spatial {

class TSelectedElement : public TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSelectedElement)
};

class TDrawRectangle : public TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TDrawRectangle)
  int32_t pen_color = 0;
  int32_t pen_style = 0;
  int32_t pen_width = 1;
  int32_t brush_color = 0xFFFFFF;
  int32_t brush_style = 0;
};

class TText : public TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TText)
  std::string text;
  int32_t orientation = 0;
  int32_t color = 0;
  std::string font_name;
  int32_t font_style = 0;
  int32_t charset = 1;
};

}  // namespace tarnik::spatial
