// The output directory of an export: the directory the user chooses, with the subdirectory
// ISHULXML appended unless it is already that directory, created with its missing parents.
#pragma once

#include <optional>
#include <string>

namespace tarnik::app {

// The directory rule alone: a trailing "/" is dropped, then "/ISHULXML" is appended unless the
// last nine characters, upper-cased, are "/ISHULXML" already.
std::string IshulxmlDirectory(const std::string& chosen);

struct OutputDirectory {
  enum class Status { kReady, kCancelled, kFailed };
  Status status = Status::kCancelled;
  std::string path;  // the directory, also when it could not be created
};

// Asks for the directory (starting at `start`), applies the rule and creates the directory. A
// cancelled dialog stops silently; a directory that still does not exist afterwards shows
// "Nelze vytořit adresář "<D>".".
OutputDirectory ChooseOutputDirectory(const std::string& start);

}  // namespace tarnik::app
