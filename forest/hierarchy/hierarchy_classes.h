// Registration of the stand hierarchy's element classes in the class register. Call once at
// program start after RegisterForestClasses (tests call RegisterFrameworkClasses and
// RegisterForestClasses first); further calls do nothing.
#pragma once

namespace tarnik::plan {

void RegisterHierarchyClasses();

}  // namespace tarnik::plan
