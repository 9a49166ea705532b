// Registration of the GIS classes (holders, registers, attribute tables, readers, filters,
// import sources, layer scripts) in the class register, so scripts and model files can create
// them by name. Registers the spatial classes first. Call once at start and from test fixtures;
// further calls do nothing.
#pragma once

namespace tarnik::gis {

void RegisterGisClasses();

}  // namespace tarnik::gis
