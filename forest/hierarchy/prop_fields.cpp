#include "forest/hierarchy/prop_fields.h"

#include "platform/text.h"

namespace tarnik::plan {

void DerivedFormsNotStored(std::vector<framework::TPropInfo>& own) {
  for (framework::TPropInfo& prop : own) {
    const std::string& name = prop.name;
    const bool xml =
        name.size() > 4 && platform::UpperAscii(name.substr(name.size() - 4)) == "_XML";
    const bool display = name.size() > 3 && name.compare(name.size() - 3, 3, "_st") == 0;
    if (xml || display) prop.NotStored();
  }
}

}  // namespace tarnik::plan
