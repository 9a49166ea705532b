// Value operations of TLesniMnozina over its elements' published properties.
#include <exception>

#include "forest/forest_set.h"
#include "forest/set_algorithms.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {

using framework::TElement;

double TLesniMnozina::SoucetProperty(const std::string& name) const {
  std::vector<std::string> values;
  for (TElement* element : Prvky()) {
    if (element->HasProperty(name)) values.push_back(element->GetPropertyText(name));
  }
  return SumPropertyValues(values);
}

std::string TLesniMnozina::SpojHodnotyProperty(const std::string& name,
                                               const std::string& separator) const {
  std::vector<std::string> values;
  for (TElement* element : Prvky()) {
    if (element->HasProperty(name)) values.push_back(element->GetPropertyText(name));
  }
  return JoinPropertyValues(values, separator);
}

void TLesniMnozina::NastavPropertyVsem(const std::string& name, const std::string& value) {
  for (TElement* element : Prvky()) element->SetPropertyText(name, value);
}

void TLesniMnozina::RozlozDoPrvku(const std::string& name, const std::string& text,
                                  const std::string& separator) {
  const bool is_name = platform::UpperAscii(name) == "NAME";
  const std::vector<std::string> pieces = SplitPropertyText(text, separator);
  for (size_t i = 0; i < pieces.size(); ++i) {
    std::vector<TElement*> elements = Prvky();
    TElement* target;
    if (i < elements.size()) {
      target = elements[i];
    } else {
      target = ElementClass().Create();
      AddElement(target);
    }
    target->SetPropertyText(name, is_name ? NameForKey(pieces[i]) : pieces[i]);
  }
}

TElement* TLesniMnozina::PrvekSMaxProperty(const std::string& name) const {
  const std::vector<TElement*> elements = Prvky();
  std::vector<std::string> values;
  for (TElement* element : elements) values.push_back(element->GetPropertyText(name));
  const int at = MaxValuePosition(values);
  return at < 0 ? nullptr : elements[static_cast<size_t>(at)];
}

TElement* TLesniMnozina::PrvekPodleHodnotyProperty(const std::string& name,
                                                   const std::string& value) const {
  try {
    TElement* current = AktualniPrvek();
    if (current && SameValue(current->GetPropertyText(name), value)) return current;
    TElement* found = nullptr;
    for (TElement* element : Prvky()) {
      if (SameValue(element->GetPropertyText(name), value)) found = element;
    }
    return found;
  } catch (const std::exception&) {
    platform::ui().ShowMessage("chyba PrvekPodleHodnotyProperty \"" + name + "\"" + value + "\"",
                               platform::Severity::kPassedOver);
    return nullptr;
  }
}

int TLesniMnozina::PocetPrvkuSHodnotou(const std::string& name, const std::string& value) const {
  int count = 0;
  for (TElement* element : Prvky()) {
    if (SameValue(element->GetPropertyText(name), value)) ++count;
  }
  return count;
}

std::string TLesniMnozina::HodnotaPodleKlice(const std::string& key_name,
                                             const std::string& key_value,
                                             const std::string& result_name) const {
  const std::vector<TElement*> elements = Prvky();
  if (elements.empty()) return "*0";
  std::string result = "*";
  for (TElement* element : elements) {
    if (SameValue(element->GetPropertyText(key_name), key_value))
      result = element->GetPropertyText(result_name);
  }
  return result;
}

bool TLesniMnozina::ObsahujePrvek(const TElement* element) const {
  return element && IndexOf(element) >= 0;
}

}  // namespace tarnik::plan
