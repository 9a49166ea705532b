#include "forest/codelists/owner_manager.h"

#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// Compartment numbers compare as numbers when both are ("05" is "5").
bool SameCompartment(const std::string& a, const std::string& b) {
  auto x = platform::TextToInt(a);
  auto y = platform::TextToInt(b);
  if (x && y) return *x == *y;
  return platform::Trim(a) == platform::Trim(b);
}

bool SameStand(const StandRef& entry, const StandRef& stand) {
  return SameCompartment(entry.odd, stand.odd) && entry.dil == stand.dil &&
         entry.por == stand.por &&
         platform::RemoveBlanks(entry.psk) == platform::RemoveBlanks(stand.psk);
}

}  // namespace

std::string ManagerOfOwner(const std::vector<OwnerManagers>& owners, long owner_kind,
                           long owner_code, const StandRef& stand, const std::string& current) {
  const std::string kind = std::to_string(owner_kind);
  const std::string code = std::to_string(owner_code);
  const OwnerManagers* owner = nullptr;
  for (const auto& candidate : owners)
    if (platform::Trim(candidate.maj_druh) == kind && platform::Trim(candidate.maj_kod) == code)
      owner = &candidate;
  if (owner == nullptr) return current;
  std::string answer = owner->olh;
  for (size_t k = 0; k < 3; ++k)
    for (const auto& entry : owner->stands[k])
      if (SameStand(entry, stand)) answer = owner->olh_list[k];
  return answer;
}

}  // namespace tarnik::plan
