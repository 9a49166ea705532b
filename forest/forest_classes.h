// Registration of the forest model's element classes in the class register, in unit order.
// Call once at program start after RegisterFrameworkClasses (tests call both); further calls do
// nothing.
#pragma once

namespace tarnik::plan {

void RegisterForestClasses();

}  // namespace tarnik::plan
