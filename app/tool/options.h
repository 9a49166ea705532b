// The options of the application tool (TBaseOptions/TOptions) and their INI file: section
// "Options", one key per option property. The options element is owned by the main tool.
#pragma once

#include <string>
#include <vector>

#include "framework/entity.h"

namespace tarnik::apptool {

class TBaseOptions : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TBaseOptions)
};

class TOptions : public TBaseOptions {
 public:
  TARNIK_ELEMENT_CLASS(TOptions)
  std::string start_script;
  std::string end_script;
  std::string working_directory;
  std::string service_directory;
  std::string data_directory;
  std::string script_directory;

  // An empty value stands for the program's directory without its trailing separator.
  void SetServiceDirectory(const std::string& dir);
};

// The option property names, in the order they are read and written.
const std::vector<std::string>& OptionNames();

// Reads every option from section "Options" of `ini_path`, the current value as default; a
// missing file leaves every option as it is.
void ReadOptions(TOptions& options, const std::string& ini_path);
// Writes every option to section "Options"; false when the file cannot be written.
bool WriteOptions(TOptions& options, const std::string& ini_path);

}  // namespace tarnik::apptool
