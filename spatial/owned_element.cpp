#include "spatial/owned_element.h"

namespace tarnik::spatial {

framework::TElement* OwnedElement::Get() const {
  return box_ && box_->GetCount() > 0 ? box_->Children().front() : nullptr;
}

void OwnedElement::Set(framework::TEntity* owner, framework::TElement* element) {
  framework::TElement* present = Get();
  if (present == element) return;
  if (present) box_->FreeElement(present);
  if (!element) return;
  if (!box_) {
    box_ = std::make_unique<framework::TEnvelopeEntity>();
    box_->AddOwner(owner);  // the envelope stands for its owner
  }
  box_->AddElement(element);
}

void OwnedElement::Reset() {
  if (box_) box_->FreeAll();
  box_.reset();
}

}  // namespace tarnik::spatial
