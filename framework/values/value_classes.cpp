#include "framework/values/value_classes.h"

#include "framework/class_register.h"

namespace tarnik::framework {

void RegisterValueClasses() {}

}  // namespace tarnik::framework
