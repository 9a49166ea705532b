// The evaluation context over a real element: class tests through the class description,
// property reads through the published-property table, else through the element's text
// answer (GetPropertyText). The element is borrowed for the duration of one evaluation; a nil
// element answers no value for every question.
#pragma once

#include <string>

#include "framework/condition/cond_eval.h"
#include "framework/element.h"

namespace tarnik::framework::condition {

class ElementContext : public EvalContext {
 public:
  explicit ElementContext(TElement* element) : element_(element) {}

  bool HasElement() const override { return element_ != nullptr; }
  bool ClassIs(const std::string& name) const override;
  bool IsAncestor(const std::string& name) const override;
  bool PublishesProperty(const std::string& name) const override;
  // A published property by its kind (integer kinds: _Byte for type "Byte", else _Integer;
  // characters _Char; "Boolean" enumerations _Boolean; floats _Float; strings _String; other
  // kinds no value); an unpublished name by its text.
  MaybeValue ReadProperty(const std::string& name) const override;

 private:
  TElement* element_;
};

}  // namespace tarnik::framework::condition
