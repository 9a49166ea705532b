#include "framework/script/script_list_value.h"

#include "framework/values/string_list.h"

namespace tarnik::framework::script {

TElement* MakeListValue(const std::vector<std::string>& lines) {
  auto* list = new TStringListElement();
  list->NextStringList(lines);
  return list;
}

}  // namespace tarnik::framework::script
