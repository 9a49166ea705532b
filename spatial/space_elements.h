// The simple spatial elements and their strings: points (the element's reference point is the
// point) and texts. Strings hold elements of their kind as children.
#pragma once

#include <string>

#include "spatial/space_entity.h"

namespace tarnik::spatial {

class TPointElement : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TPointElement)
};

class TPointString : public TSpaceEntityString {
 public:
  TARNIK_ELEMENT_CLASS(TPointString)
};

class TTextElement : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TTextElement)
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }

 private:
  std::string text_;
};

class TTextString : public TSpaceEntityString {
 public:
  TARNIK_ELEMENT_CLASS(TTextString)
};

}  // namespace tarnik::spatial
