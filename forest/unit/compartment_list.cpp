#include "forest/unit/compartment_list.h"

#include <algorithm>

#include "platform/text.h"

namespace tarnik::plan {

std::string PadCompartment(std::string_view number) {
  std::string text(number);
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  return text;
}

namespace {
bool Less(const std::string& a, const std::string& b) { return platform::CompareTextCz(a, b) < 0; }
}  // namespace

bool CompartmentList::Add(std::string_view number) {
  const std::string padded = PadCompartment(number);
  auto it = std::lower_bound(items_.begin(), items_.end(), padded, Less);
  if (it != items_.end() && platform::CompareTextCz(*it, padded) == 0) return false;
  items_.insert(it, padded);
  return true;
}

bool CompartmentList::Contains(std::string_view number) const {
  const std::string padded = PadCompartment(number);
  return std::binary_search(items_.begin(), items_.end(), padded, Less);
}

}  // namespace tarnik::plan
