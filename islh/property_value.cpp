#include "islh/property_value.h"

#include "framework/element.h"

namespace tarnik::islh {
namespace {

UnknownPropertyHook& Hook() {
  static UnknownPropertyHook hook;
  return hook;
}

}  // namespace

engine::Value PropertyValue(framework::TElement& element, std::string_view name) {
  const framework::TPropInfo* prop = element.ClassType().Find(name);
  if (prop) {
    if (prop->get_ord) return engine::Value(prop->get_ord(element));
    if (prop->get_float) return engine::Value(prop->get_float(element));
    if (prop->get_str) return engine::Value(prop->get_str(element));
  }
  if (Hook()) Hook()(element.ClassName(), std::string(name));
  return engine::Value();
}

bool SetFloatProperty(framework::TElement& element, std::string_view name, double value) {
  const framework::TPropInfo* prop = element.ClassType().Find(name);
  if (!prop || !prop->set_float) {
    if (Hook()) Hook()(element.ClassName(), std::string(name));
    return false;
  }
  prop->set_float(element, value);
  return true;
}

UnknownPropertyHook SetUnknownPropertyHook(UnknownPropertyHook hook) {
  UnknownPropertyHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

}  // namespace tarnik::islh
