// Registration of the typed value, list and property-bag classes in the class register.
#pragma once

namespace tarnik::framework {

void RegisterValueClasses();

}  // namespace tarnik::framework
