// Enters every element class of the program in the class register, in unit order: the framework
// (with its tools, conditions, streams and scripts), the application tool, the forest model,
// the exporter and the map. Called by the program's start (program_start.h); further calls do nothing.
#pragma once

namespace tarnik::app {

void RegisterProgramClasses();

}  // namespace tarnik::app
