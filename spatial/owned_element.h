// One element owned by an entity outside its child list (an attribute holder, the holes of an
// area). The element sits in a private envelope that stands for the owning entity in owner
// lookups, so the element is freed with its owner unless another holder keeps it, a model-file
// loader sees it held, and FindOwnerByClass from it reaches the owner.
#pragma once

#include <memory>

#include "framework/entity.h"

namespace tarnik::spatial {

class OwnedElement {
 public:
  OwnedElement() = default;
  ~OwnedElement() { Reset(); }
  OwnedElement(const OwnedElement&) = delete;
  OwnedElement& operator=(const OwnedElement&) = delete;

  framework::TElement* Get() const;
  // Frees the present element (unless another holder keeps it) and takes `element` for
  // `owner`; nil only frees. Taking the element held already changes nothing.
  void Set(framework::TEntity* owner, framework::TElement* element);
  void Reset();

 private:
  std::unique_ptr<framework::TEnvelopeEntity> box_;
};

}  // namespace tarnik::spatial
