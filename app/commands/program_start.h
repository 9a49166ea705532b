// The start of the program, shared by every front end (the command line, the window): every
// element class entered in the class register, every plan source registered with the forest unit,
// and the application tool started. Front ends call StartProgram once before their first command
// and hand the tool to the commands; the world owns the tool. Registering twice does nothing.
#pragma once

#include <string>
#include <vector>

#include "app/commands/class_registration.h"

namespace tarnik::apptool {
class TMainTool;
}

namespace tarnik::app {

// Registers the recogniser of every plan source with the forest unit. The unit runs them in its
// order of detection steps whatever the order here; adding a source is one line.
void RegisterPlanSources();

// Registers the classes and the plan sources, then starts the application tool with the
// command-line parameters it looks at (an options file ".INI", a start script ".KSL"). Answers
// the tool; failures of the start script are the tool's messages.
apptool::TMainTool* StartProgram(const std::vector<std::string>& params);

}  // namespace tarnik::app
