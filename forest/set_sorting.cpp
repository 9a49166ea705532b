// Sorting of TLesniMnozina by a property and the binary searches over the sorted set.
#include <algorithm>

#include "forest/forest_set.h"
#include "forest/set_algorithms.h"
#include "forest/sorted_search.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;

int Sign(int64_t a, int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

void TLesniMnozina::SetridPodleProperty(const std::string& name, bool ascending) {
  Sort(name, ascending, false);
}

void TLesniMnozina::SetridPodlePropertyCislo(const std::string& name, bool ascending) {
  Sort(name, ascending, true);
}

void TLesniMnozina::Sort(const std::string& name, bool ascending, bool numeric) {
  const std::vector<TElement*> elements = Prvky();
  if (elements.empty()) return;
  if (!elements.front()->HasProperty(name)) {
    platform::ui().ShowMessage("V prvcích množiny " + GetName() + " není properta \"" + name + "\"",
                               platform::Severity::kPassedOver);
    return;
  }
  std::vector<size_t> order;
  if (numeric) {
    std::vector<int64_t> values;
    for (TElement* element : elements) values.push_back(element->GetPropertyInteger(name));
    order = SortOrderNumber(values);
  } else {
    std::vector<std::string> values;
    for (TElement* element : elements) values.push_back(element->GetPropertyText(name));
    order = SortOrderText(values);
  }
  if (!ascending) std::reverse(order.begin(), order.end());
  // Taken out without freeing and put back through the plain entity list: sorting neither
  // renames, nor changes the current element, nor lets "keep only one" free anything.
  for (TElement* element : elements) RemoveElement(element);
  for (size_t at : order) TObecnyLesniPrvek::AddElement(elements[at]);
}

int TLesniMnozina::PoziceVSetridene(const std::string& name, const std::string& key) const {
  const std::vector<TElement*> elements = Prvky();
  const std::string sought = SearchKey(key);
  return SortedPosition(elements.size(), [&](size_t i) {
    return CompareOrdinal(SearchKey(elements[i]->GetPropertyText(name)), sought);
  });
}

int TLesniMnozina::PoziceVSetrideneCislo(const std::string& name, int64_t key) const {
  const std::vector<TElement*> elements = Prvky();
  return SortedPosition(elements.size(),
                        [&](size_t i) { return Sign(elements[i]->GetPropertyInteger(name), key); });
}

SortedRange TLesniMnozina::RozsahVSetrideneCislo(const std::string& name, int64_t key) const {
  const std::vector<TElement*> elements = Prvky();
  return SortedRangeOf(elements.size(),
                       [&](size_t i) { return Sign(elements[i]->GetPropertyInteger(name), key); });
}

void TLesniMnozina::VyberPodleHodnoty(const std::string& name, const std::string& value,
                                      framework::TEntity& target) const {
  if (&target == this) return;
  const std::vector<TElement*> elements = Prvky();
  if (elements.empty()) return;
  const std::string sought = SearchKey(value);
  auto equal_at = [&](size_t i) {
    return CompareOrdinal(SearchKey(elements[i]->GetPropertyText(name)), sought) == 0;
  };
  size_t at = static_cast<size_t>(PoziceVSetridene(name, value));
  while (at > 0 && equal_at(at - 1)) --at;
  for (; at < elements.size() && equal_at(at); ++at) target.AddElement(elements[at]);
}

}  // namespace tarnik::plan
