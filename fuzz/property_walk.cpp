#include "fuzz/property_walk.h"

#include <exception>
#include <unordered_set>
#include <vector>

#include "framework/class_info.h"
#include "framework/element.h"
#include "framework/entity.h"

namespace tarnik::fuzzing {

size_t ReadEveryProperty(framework::TElement& root) {
  size_t count = 0;
  std::unordered_set<framework::TElement*> seen;
  std::vector<framework::TElement*> pending = {&root};
  while (!pending.empty()) {
    framework::TElement* element = pending.back();
    pending.pop_back();
    if (!element || !seen.insert(element).second) continue;
    for (const framework::TPropInfo& prop : element->ClassType().Properties()) {
      if (prop.kind == framework::TTypeKind::tkMethod) continue;
      try {
        (void)element->GetPropertyText(prop.name);
      } catch (const std::exception&) {
      }
      ++count;
    }
    if (auto* entity = dynamic_cast<framework::TEntity*>(element)) {
      const std::vector<framework::TElement*> children = entity->Children();
      pending.insert(pending.end(), children.rbegin(), children.rend());
    }
  }
  return count;
}

}  // namespace tarnik::fuzzing
