// Enters every element class of the program in the class register, in unit order: the framework
// (with its tools, conditions, streams and scripts), the application tool, the forest model,
// the exporter, and the map. Called once when a front end starts; further calls do nothing.
#pragma once

namespace tarnik::cli {

void RegisterProgramClasses();

}  // namespace tarnik::cli
