// Registration of the forest unit's element class in the class register. Call once at program
// start after RegisterLayerClasses; further calls do nothing.
#pragma once

namespace tarnik::plan {

void RegisterUnitClasses();

}  // namespace tarnik::plan
