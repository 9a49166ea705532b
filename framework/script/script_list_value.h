// The object a list value becomes when a script assigns a list to an object property: a string
// list holding the lines. The caller owns the new element.
#pragma once

#include <string>
#include <vector>

#include "framework/element.h"

namespace tarnik::framework::script {

// A new TStringListElement holding `lines` (name=value lines as named values).
TElement* MakeListValue(const std::vector<std::string>& lines);

}  // namespace tarnik::framework::script
