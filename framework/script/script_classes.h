// Registration of the script interpreter's classes (TVar, TCommandLine) in the class register.
// Call after RegisterFrameworkClasses; further calls do nothing.
#pragma once

namespace tarnik::framework {

void RegisterScriptClasses();

}  // namespace tarnik::framework
