#include "framework/values/key_callbacks.h"

#include <map>

#include "framework/element.h"
#include "framework/handles.h"

namespace tarnik::framework {
namespace {

std::string NameSpaceIdKey(TElement& element, TElement*) {
  return element.GetName() + element.GetPropertyText("SPACEID");
}

std::map<int32_t, TKeyCallback>& Table() {
  static std::map<int32_t, TKeyCallback> table{{kNameSpaceIdKey, NameSpaceIdKey}};
  return table;
}

}  // namespace

int32_t RegisterKeyCallback(TKeyCallback callback) {
  auto& table = Table();
  int32_t code = table.rbegin()->first + 1;
  table.emplace(code, std::move(callback));
  return code;
}

std::optional<std::string> ComputeKey(const TMethod& method, TElement& element) {
  if (method.code == kNoKeyCallback) return std::nullopt;
  auto& table = Table();
  auto it = table.find(method.code);
  if (it == table.end() || !it->second) return std::nullopt;
  return it->second(element, FindElementByHandle(method.data));
}

}  // namespace tarnik::framework
