#include "forest/layers/layer_base.h"

#include "forest/codelists/code_list_container.h"
#include "forest/codelists/code_lookup.h"
#include "forest/forest_set.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {

void MarkAsNew(TObecnyLesniPrvek& element) {
  element.SetRId(-1);
  element.SetPuvodni_oznaceni(kNewDesignation);
}

TObecnyLesniPrvek* HolderAboveSet(TObecnyLesniPrvek& element, const framework::TClassInfo& set) {
  auto* holder_set = dynamic_cast<TLesniMnozina*>(element.VlastnikTridy(set));
  if (!holder_set) return nullptr;
  for (int i = 0; i < holder_set->GetOwnersCount(); ++i)
    if (auto* owner = dynamic_cast<TObecnyLesniPrvek*>(holder_set->GetOwner(i))) return owner;
  return nullptr;
}

std::string CodeListName(TObecnyLesniPrvek& element, const std::string& list,
                         const std::string& code, const std::string& result_column,
                         const std::string& key_column) {
  tciselnik* lists = element.Ciselnik();
  if (!lists) return CodeDescription(nullptr, key_column, code, result_column);
  return lists->Lists().Description(list, code, result_column, key_column);
}

bool CodeListHas(TObecnyLesniPrvek& element, const std::string& list, const std::string& code,
                 const std::string& key_column) {
  tciselnik* lists = element.Ciselnik();
  if (!lists) return true;
  return lists->Lists().Contains(list, code, false, key_column);
}

void RenameToKey(framework::TElement& element, std::string_view prefix, std::string_view key) {
  element.SetName(std::string(prefix) + " " + std::string(key));
}

int32_t IntProperty(framework::TElement* element, std::string_view name) {
  if (!element) return 0;
  return platform::TextToInt(element->GetPropertyText(name)).value_or(0);
}

double FloatProperty(framework::TElement* element, std::string_view name) {
  if (!element) return 0;
  return platform::DecimalTextToFloat(element->GetPropertyText(name));
}

std::string TextProperty(framework::TElement* element, std::string_view name) {
  return element ? element->GetPropertyText(name) : std::string();
}

}  // namespace tarnik::plan
