#include "framework/values/dynamic_properties.h"

#include "framework/values/string_element.h"
#include "framework/values/typed_values.h"
#include "platform/text.h"

namespace tarnik::framework {

TARNIK_DEFINE_CLASS(TProperties, TOwnerEntity, nullptr)
TARNIK_DEFINE_CLASS(TDynamicProperties, TProperties, nullptr)

TTypeElement* TDynamicProperties::FindProperty(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TElement* child : Children()) {
    auto* value = dynamic_cast<TTypeElement*>(child);
    if (value && platform::SameTextCz(value->OwnName(), name)) return value;
  }
  return nullptr;
}

bool TDynamicProperties::HasProperty(std::string_view name) const {
  return FindProperty(name) != nullptr;
}

std::string TDynamicProperties::GetPropertyText(std::string_view name) {
  TTypeElement* value = FindProperty(name);
  return value ? value->GetAsString() : std::string();
}

void TDynamicProperties::SetPropertyText(std::string_view name, const std::string& value) {
  if (name.empty()) return;
  if (TTypeElement* child = FindProperty(name)) {
    child->SetAsString(value);
  } else {
    AddElement(new TStringElement(std::string(name), value));
  }
}

int32_t TDynamicProperties::GetPropertyInteger(std::string_view name) {
  TTypeElement* value = FindProperty(name);
  return value ? value->GetAsInteger() : 0;
}

void TDynamicProperties::SetPropertyInteger(std::string_view name, int32_t value) {
  if (name.empty()) return;
  if (TTypeElement* child = FindProperty(name)) {
    child->SetAsInteger(value);
  } else {
    auto* created = new TIntegerElement(value);
    created->SetName(std::string(name));
    AddElement(created);
  }
}

bool TDynamicProperties::GetPropertyBoolean(std::string_view name) {
  TTypeElement* value = FindProperty(name);
  return value && value->GetAsBoolean();
}

void TDynamicProperties::SetPropertyBoolean(std::string_view name, bool value) {
  if (name.empty()) return;
  if (TTypeElement* child = FindProperty(name)) {
    child->SetAsBoolean(value);
  } else {
    auto* created = new TBooleanElement(value);
    created->SetName(std::string(name));
    AddElement(created);
  }
}

}  // namespace tarnik::framework
