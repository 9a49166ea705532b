// The key callbacks of TElementIndex, the values of its tkMethod property OnAddElement. A
// callback is named by its code in this process-wide table and bound to an object by handle
// (TMethod.data; 0 for none). Code 0 is no callback; code 1, always present, is the default key:
// the element's name followed by the text of its property "SPACEID". Single-threaded.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "framework/class_info.h"

namespace tarnik::framework {

class TElement;

// Computes the key of `element`; `bound` is the object of TMethod.data, nil when none or gone.
using TKeyCallback = std::function<std::string(TElement& element, TElement* bound)>;

inline constexpr int32_t kNoKeyCallback = 0;
inline constexpr int32_t kNameSpaceIdKey = 1;

// Enters a callback and answers its new code (2, 3, ...).
int32_t RegisterKeyCallback(TKeyCallback callback);
// The key of `element` by the callback `method` names; nullopt for code 0 or an unknown code.
std::optional<std::string> ComputeKey(const TMethod& method, TElement& element);

}  // namespace tarnik::framework
