// Registration of the spatial classes in the class register and of their old-format stream
// data. Call once at program start (and from test fixtures); further calls do nothing.
#pragma once

namespace tarnik::spatial {

void RegisterSpatialClasses();

}  // namespace tarnik::spatial
