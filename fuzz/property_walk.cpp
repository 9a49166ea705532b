#include "fuzz/property_walk.h"

#include <exception>
#include <unordered_set>
#include <vector>

#include "framework/class_info.h"
#include "framework/element.h"
#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::fuzzing {

size_t ReadEveryProperty(framework::TElement& root) {
  // The tree as loaded, each element once, held weakly.
  std::vector<framework::TElementRef> elements;
  std::unordered_set<framework::TElement*> seen;
  std::vector<framework::TElement*> pending = {&root};
  while (!pending.empty()) {
    framework::TElement* element = pending.back();
    pending.pop_back();
    if (!element || !seen.insert(element).second) continue;
    elements.emplace_back(element);
    if (auto* entity = dynamic_cast<framework::TEntity*>(element)) {
      const std::vector<framework::TElement*>& children = entity->Children();
      pending.insert(pending.end(), children.rbegin(), children.rend());
    }
  }
  size_t count = 0;
  for (const framework::TElementRef& ref : elements) {
    framework::TElement* element = ref.Get();
    if (!element) continue;
    for (const framework::TPropInfo& prop : element->ClassType().Properties()) {
      if (prop.kind == framework::TTypeKind::tkMethod) continue;
      if (ref.Get() != element) break;  // freed by a read
      try {
        (void)element->GetPropertyText(prop.name);
      } catch (const std::exception&) {
      }
      ++count;
    }
  }
  return count;
}

}  // namespace tarnik::fuzzing
