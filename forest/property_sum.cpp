#include "forest/property_sum.h"

#include <algorithm>

#include "framework/int_text.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineSuma(std::vector<TPropInfo>& out) {
  TPropDefs<TSumaPodleProperty> d(out);
  d.String("PropertaStr", &TSumaPodleProperty::PropertaStr, &TSumaPodleProperty::SetPropertaStr);
  d.Float("Suma", &TSumaPodleProperty::Suma, &TSumaPodleProperty::SetSuma);
}

}  // namespace

TARNIK_DEFINE_CLASS(TSumaPodleProperty, framework::TOwnerEntity, DefineSuma)

void TSumaPodleProperty::Secti(TElement* input) {
  if (!input) return;
  std::vector<TElement*> path;
  Visit(input, path);
}

void TSumaPodleProperty::Visit(TElement* element, std::vector<TElement*>& path) {
  if (element->HasProperty(property_)) {
    sum_ += framework::ReadDecimalText(element->GetPropertyText(property_)).value_or(0.0);
  }
  auto* entity = dynamic_cast<framework::TEntity*>(element);
  if (!entity) return;
  path.push_back(element);
  const size_t count = entity->Children().size();
  for (size_t i = 0; i < count && i < entity->Children().size(); ++i) {
    TElement* child = entity->Children()[i];
    if (!child || std::find(path.begin(), path.end(), child) != path.end()) continue;
    Visit(child, path);
  }
  path.pop_back();
}

}  // namespace tarnik::plan
