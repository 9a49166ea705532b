// The command-line parameters the application tool looks at: the first parameter with the
// extension ".INI" names the options file, the first with ".KSL" the start script (extensions
// compared without regard to case). Pure functions over the parameter list.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnik::apptool {

// The first parameter whose extension, upper-cased, equals `extension` (given with its dot,
// upper-case); nullopt when none has it.
std::optional<std::string> FirstParameterWithExtension(const std::vector<std::string>& params,
                                                       const std::string& extension);

// The options file: the first ".INI" parameter when that file exists; otherwise the working
// directory followed by the program's file name with the extension ".INI".
std::string OptionsIniFile(const std::vector<std::string>& params,
                           const std::string& working_directory, const std::string& program_name);

// The start script: the first ".KSL" parameter when that file exists; otherwise `start_script`
// (the options' StartScript, possibly empty).
std::string StartScriptFile(const std::vector<std::string>& params,
                            const std::string& start_script);

// The file name of the running executable ("tarnik").
std::string ProgramFileName();

}  // namespace tarnik::apptool
