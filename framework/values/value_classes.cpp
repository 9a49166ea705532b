#include "framework/values/value_classes.h"

#include "framework/class_register.h"
#include "framework/values/dynamic_properties.h"
#include "framework/values/element_index.h"
#include "framework/values/integer_list.h"
#include "framework/values/property_list.h"
#include "framework/values/string_element.h"
#include "framework/values/string_list.h"
#include "framework/values/typed_values.h"

namespace tarnik::framework {

void RegisterValueClasses() {
  RegisterElementClass<TTypeElement>();
  RegisterElementClass<TBooleanElement>();
  RegisterElementClass<TCharElement>();
  RegisterElementClass<TByteElement>();
  RegisterElementClass<TFloatElement>();
  RegisterElementClass<TStringElement>();
  RegisterElementClass<TIntegerElement>();
  RegisterElementClass<TPointerElement>();
  RegisterElementClass<TIntegerListElement>();
  RegisterElementClass<TStringListElement>();
  RegisterElementClass<TPathElement>();
  RegisterElementClass<TPropertyList>();
  RegisterElementClass<TDynamicProperties>();
  RegisterElementClass<TElementIndex>();
}

}  // namespace tarnik::framework
