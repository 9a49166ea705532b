// Named sub-entities of the model classes: a child found by name that is also of the expected
// class, created and added on first use. The entity that holds the child owns it by the usual
// protocol; the pointers answered stay valid while the entity keeps the child.
#pragma once

#include <string>

#include "framework/entity.h"
#include "platform/text.h"

namespace tarnik::framework {

// The child of `owner` named `name` (Czech case-insensitive) that is a T, nil when none.
template <class T>
T* FindSubEntity(const TEntity& owner, const std::string& name) {
  for (TElement* child : owner.Children()) {
    if (child->Is<T>() && platform::SameTextCz(child->GetName(), name)) {
      return static_cast<T*>(child);
    }
  }
  return nullptr;
}

// The same child, or a new T of that name added to `owner`.
template <class T>
T* SubEntity(TEntity& owner, const std::string& name) {
  if (T* found = FindSubEntity<T>(owner, name)) return found;
  auto* created = new T();
  created->SetName(name);
  owner.AddElement(created);
  return created;
}

// True when the sub-entity is absent or has no children.
template <class T>
bool SubEntityEmpty(const TEntity& owner, const std::string& name) {
  T* found = FindSubEntity<T>(owner, name);
  return !found || found->GetCount() == 0;
}

// The last child of the sub-entity, nil when it is absent or empty.
template <class T>
TElement* LastOfSubEntity(const TEntity& owner, const std::string& name) {
  T* found = FindSubEntity<T>(owner, name);
  return found && found->GetCount() > 0 ? found->Children().back() : nullptr;
}

}  // namespace tarnik::framework
