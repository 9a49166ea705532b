// Internal to the transfer into the planning database: the helpers its parts share.
#pragma once

#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "forest/forest_set.h"
#include "islh/import_database.h"
#include "platform/ui.h"

namespace tarnik::islh::transfer {

// The element's full designation (its CeleOznaceni), its name when that fails.
inline std::string Designation(framework::TElement& element) {
  try {
    return element.GetPropertyText("CeleOznaceni");
  } catch (const std::exception&) {
    return element.GetName();
  }
}

// The elements of a set that are of class T, in set order.
template <class T>
std::vector<T*> Elements(plan::TLesniMnozina* set) {
  std::vector<T*> out;
  if (!set) return out;
  for (framework::TElement* e : set->Prvky())
    if (auto* t = dynamic_cast<T*>(e)) out.push_back(t);
  return out;
}

// Zero when rounded to three decimals.
inline bool IsZero(double x) { return std::fabs(x) < 0.0005; }

// Runs `write`; a failure of the model is reported as `prefix` + the element's designation and
// passed over, a failure of the database goes on.
template <class F>
void Guarded(framework::TElement& element, const std::string& prefix, F&& write) {
  try {
    write();
  } catch (const ImportDatabaseError&) {
    throw;
  } catch (const std::exception&) {
    platform::ui().ShowMessage(prefix + Designation(element), platform::Severity::kPassedOver);
  }
}

}  // namespace tarnik::islh::transfer
