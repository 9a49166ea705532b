// Registration of the tool, technology, recursor, selector, condition and model-stream classes
// in the class register. Call after RegisterFrameworkClasses; further calls do nothing.
#pragma once

namespace tarnik::framework {

void RegisterToolClasses();

}  // namespace tarnik::framework
