// Registration of the framework's element classes in the class register. Call once at program
// start (and from test fixtures); further calls do nothing.
#pragma once

namespace tarnik::framework {

void RegisterFrameworkClasses();

}  // namespace tarnik::framework
