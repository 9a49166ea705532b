#include "forest/hierarchy/code_names.h"

#include <exception>

#include "forest/codelists/code_list_container.h"
#include "forest/forest_element.h"

namespace tarnik::plan {

std::string NazevZCiselniku(TObecnyLesniPrvek& element, const std::string& list,
                            const std::string& code, const std::string& key_column,
                            const std::string& result_column) {
  try {
    tciselnik* container = element.Ciselnik();
    if (!container) return "*zz1*" + code;
    return container->Lists().Description(list, code, result_column, key_column);
  } catch (const std::exception&) {
    return "*zz1*" + code;
  }
}

}  // namespace tarnik::plan
