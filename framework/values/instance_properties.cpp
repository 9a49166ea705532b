#include "framework/values/instance_properties.h"

#include "framework/property_text.h"
#include "framework/values/string_element.h"

namespace tarnik::framework {
namespace {

void DefineProperty(std::vector<TPropInfo>& out) {
  TPropDefs<TProperty> d(out);
  d.Object("Instance", TElement::StaticClass(), nullptr, &TProperty::SetInstance);
  d.Integer("PropIndex", &TProperty::PropIndex, &TProperty::SetPropIndex);
  d.Boolean("IsStored", &TProperty::IsStored, nullptr);
  d.Integer("TypeKind", &TProperty::TypeKind, nullptr);
  d.String("PropString", &TProperty::PropString, &TProperty::SetPropString);
  d.Integer("PropLongInt", &TProperty::PropLongInt, nullptr);
}

void DefineInstanceProperties(std::vector<TPropInfo>& out) {
  TPropDefs<TInstanceProperties> d(out);
  d.Object("Instance", TElement::StaticClass(), &TInstanceProperties::Instance,
           &TInstanceProperties::SetInstance);
  d.String("InstClassName", &TInstanceProperties::InstClassName, nullptr);
  d.Integer("PropCount", &TInstanceProperties::PropCount, nullptr);
  d.String("PropName", &TInstanceProperties::PropName, &TInstanceProperties::SetPropName);
  d.Integer("PropIndex", &TInstanceProperties::PropIndex, &TInstanceProperties::SetPropIndex);
  d.Object(
      "ActualProperty", TProperty::StaticClass(),
      [](TInstanceProperties& self) -> TElement* { return self.ActualProperty(); }, nullptr);
  d.String("PropString", &TInstanceProperties::PropString, &TInstanceProperties::SetPropString);
  d.Integer("PropKind", &TInstanceProperties::PropKind, nullptr);
  d.Boolean("IsList", nullptr, &TInstanceProperties::SetIsList);
}

}  // namespace

TARNIK_DEFINE_CLASS(TProperty, TNameElement, DefineProperty)
TARNIK_DEFINE_CLASS(TInstanceProperties, TPropertyList, DefineInstanceProperties)

// TProperty.

TProperty::TProperty(TElement* instance, int prop_index)
    : instance_(instance), prop_index_(prop_index) {
  NameAfterProperty();
}

void TProperty::SetInstance(TElement* instance) {
  instance_ = instance;
  NameAfterProperty();
}

void TProperty::SetPropIndex(int index) {
  prop_index_ = index;
  NameAfterProperty();
}

void TProperty::NameAfterProperty() {
  if (const TPropInfo* prop = Prop()) SetName(prop->name);
}

const TPropInfo* TProperty::Prop() const {
  TElement* instance = instance_.Get();
  if (!instance || prop_index_ < 0) return nullptr;
  const auto& props = instance->ClassType().Properties();
  return static_cast<size_t>(prop_index_) < props.size() ? &props[prop_index_] : nullptr;
}

std::string TProperty::PropString() {
  const TPropInfo* prop = Prop();
  return prop ? PropertyText(*instance_.Get(), *prop) : std::string();
}

void TProperty::SetPropString(const std::string& text) {
  if (const TPropInfo* prop = Prop()) SetPropertyFromText(*instance_.Get(), *prop, text);
}

int TProperty::TypeKind() const {
  const TPropInfo* prop = Prop();
  return prop ? static_cast<int>(prop->kind) : 0;
}

bool TProperty::IsStored() {
  const TPropInfo* prop = Prop();
  if (!prop) return false;
  try {
    return prop->IsStoredFor(*instance_.Get());
  } catch (...) {
    return false;
  }
}

int32_t TProperty::PropLongInt() {
  const TPropInfo* prop = Prop();
  if (!prop || !prop->IsOrdinal() || !prop->get_ord) return 0;
  try {
    return static_cast<int32_t>(prop->get_ord(*instance_.Get()));
  } catch (...) {
    return 0;
  }
}

// TInstanceProperties.

TInstanceProperties::~TInstanceProperties() { Select(nullptr); }

void TInstanceProperties::Select(TProperty* property) {
  delete actual_.Get();
  actual_ = property;
}

void TInstanceProperties::SetInstance(TElement* instance) {
  Select(nullptr);
  instance_ = instance;
  if (instance) SetName(instance->ClassName() + "_Instance");
}

std::string TInstanceProperties::InstClassName() const {
  TElement* instance = instance_.Get();
  return instance ? instance->ClassName() : "Unknown class";
}

int TInstanceProperties::PropCount() const {
  TElement* instance = instance_.Get();
  return instance ? instance->ClassType().PropCount() : 0;
}

int TInstanceProperties::PropIndex() const {
  return ActualProperty() && ActualProperty()->Prop() ? ActualProperty()->PropIndex() : -1;
}

void TInstanceProperties::SetPropIndex(int index) {
  TElement* instance = instance_.Get();
  if (!instance || index < 0 || index >= PropCount()) return;
  Select(new TProperty(instance, index));
}

std::string TInstanceProperties::PropName() const {
  const TProperty* actual = ActualProperty();
  const TPropInfo* prop = actual ? actual->Prop() : nullptr;
  return prop ? prop->name : std::string();
}

void TInstanceProperties::SetPropName(const std::string& name) {
  TElement* instance = instance_.Get();
  int index = instance ? instance->ClassType().IndexOf(name) : -1;
  if (index < 0) {
    Select(nullptr);
    return;
  }
  Select(new TProperty(instance, index));
}

std::string TInstanceProperties::PropString() {
  TProperty* actual = ActualProperty();
  return actual ? actual->PropString() : std::string();
}

void TInstanceProperties::SetPropString(const std::string& text) {
  if (TProperty* actual = ActualProperty()) actual->SetPropString(text);
}

int TInstanceProperties::PropKind() const {
  const TProperty* actual = ActualProperty();
  return actual ? actual->TypeKind() : 0;
}

void TInstanceProperties::SetIsList(bool list) {
  FreeAll();
  TElementRef instance = instance_;
  if (!list || !instance) return;
  int count = PropCount();
  for (int i = 0; i < count; ++i) {
    TElement* object = instance.Get();
    if (!object) break;
    const TPropInfo& prop = object->ClassType().Properties()[static_cast<size_t>(i)];
    AddElement(new TStringElement(prop.name, PropertyText(*object, prop)));
  }
}

std::string TInstanceProperties::GetPropertyText(std::string_view name) {
  if (const TPropInfo* prop = ClassType().Find(name)) return PropertyText(*this, *prop);
  SetPropName(std::string(name));
  return PropString();
}

void TInstanceProperties::SetPropertyText(std::string_view name, const std::string& value) {
  if (const TPropInfo* prop = ClassType().Find(name)) {
    SetPropertyFromText(*this, *prop, value);
    return;
  }
  SetPropName(std::string(name));
  SetPropString(value);
}

}  // namespace tarnik::framework
