// TVar: one script variable, a named element standing for another element it does not own. The
// reference reads nil once that element is gone.
#pragma once

#include "framework/element.h"
#include "framework/handles.h"

namespace tarnik::framework {

class TVar : public TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TVar)
  TElement* Element() const { return element_.Get(); }
  void SetElement(TElement* element) { element_ = element; }

 private:
  TElementRef element_;
};

}  // namespace tarnik::framework
