#include "forest/property_sum.h"

#include "framework/int_text.h"

namespace tarnik::plan {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefineSuma(std::vector<TPropInfo>& out) {
  TPropDefs<TSumaPodleProperty> d(out);
  d.String("PropertaStr", &TSumaPodleProperty::PropertaStr, &TSumaPodleProperty::SetPropertaStr);
  d.Float("Suma", &TSumaPodleProperty::Suma, &TSumaPodleProperty::SetSuma);
}

}  // namespace

TARNIK_DEFINE_CLASS(TSumaPodleProperty, framework::TRecursor, DefineSuma)

void TSumaPodleProperty::Process(framework::TElement* element) {
  if (!element->HasProperty(property_)) return;
  sum_ += framework::ReadDecimalText(element->GetPropertyText(property_)).value_or(0.0);
}

}  // namespace tarnik::plan
