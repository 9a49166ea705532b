// Process settings for where the program finds its data: the program directory (the executable's
// own, holding the DTDs, INI files, code lists and scripts), the working directory and the home
// directory (which stands for the Windows "C:\"). Set once at start or by test fixtures.
#pragma once

#include <string>

namespace tarnik::platform {

const std::string& ProgramDir();
void SetProgramDir(const std::string& dir);
// The directory of the running executable (from /proc/self/exe).
std::string ExecutableDir();

const std::string& WorkingDir();
void SetWorkingDir(const std::string& dir);

// $HOME, or "/" when unset.
const std::string& HomeDir();
void SetHomeDir(const std::string& dir);

// A file of the program directory, its name matched case-insensitively; the joined path when
// no such file exists yet.
std::string ProgramFile(const std::string& name);
// A relative path taken against the working directory; absolute paths unchanged.
std::string AbsolutePath(const std::string& path);

}  // namespace tarnik::platform
