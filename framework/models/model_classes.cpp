#include "framework/models/model_classes.h"

#include "framework/class_register.h"

namespace tarnik::framework {

void RegisterModelClasses() {}

}  // namespace tarnik::framework
