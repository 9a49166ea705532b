#include "framework/handles.h"

#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "framework/element.h"

namespace tarnik::framework {
namespace {

struct Registry {
  std::unordered_map<int32_t, TElement*> live;
  int32_t last = 0;
};

Registry& registry() {
  static Registry* r = new Registry();  // lives to the end of the process
  return *r;
}

}  // namespace

TElement* FindElementByHandle(int64_t handle) {
  if (handle <= 0 || handle > std::numeric_limits<int32_t>::max()) return nullptr;
  auto& live = registry().live;
  auto it = live.find(static_cast<int32_t>(handle));
  return it == live.end() ? nullptr : it->second;
}

size_t LiveHandleCount() { return registry().live.size(); }

TElementRef::TElementRef(TElement* element) : handle_(element ? element->Handle() : 0) {}

namespace internal {

int32_t RegisterHandle(TElement* element) {
  Registry& r = registry();
  if (r.last == std::numeric_limits<int32_t>::max()) {
    throw std::runtime_error("Vyčerpána čísla objektů");
  }
  int32_t handle = ++r.last;
  r.live.emplace(handle, element);
  return handle;
}

void ForgetHandle(int32_t handle) { registry().live.erase(handle); }

}  // namespace internal
}  // namespace tarnik::framework
