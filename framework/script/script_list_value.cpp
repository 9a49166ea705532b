#include "framework/script/script_list_value.h"

namespace tarnik::framework::script {

TElement* MakeListValue(const std::vector<std::string>& /*lines*/) { return nullptr; }

}  // namespace tarnik::framework::script
