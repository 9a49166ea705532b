// The application tool: TOldMainTool and TMainTool, the world's main tool. StartApplicationTool
// creates the world, makes a new TMainTool its main tool (the world owns it) and performs the
// run steps: cursor files, options from OptionsIniFile(), the help file, the element index
// child and the start script. Single-threaded; one application tool per process.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/tool/options.h"
#include "framework/script/command_line.h"
#include "framework/tools/technology.h"

namespace tarnik::apptool {

// The framework message that ends the program (the tool writes its options and SOURCE.KLV).
inline constexpr int32_t kQuitMessage = 30;
inline constexpr const char* kSourceFile = "SOURCE.KLV";
inline constexpr const char* kInterpreterName = "Hlavní interpret jazyka KSL";

class TOldMainTool : public framework::TTechnology {
 public:
  TARNIK_ELEMENT_CLASS(TOldMainTool)
};

class TMainTool : public TOldMainTool {
 public:
  TARNIK_ELEMENT_CLASS(TMainTool)

  // The options and the interpreter, children created on first use.
  TOptions* Options();
  framework::TCommandLine* CommandLine();
  // Sets the interpreter's file name and runs the script.
  void ExecuteScript(const std::string& file_name);
  bool UseProtocol() const { return use_protocol_; }
  void SetUseProtocol(bool on) { use_protocol_ = on; }

  // The command-line parameters looked at for ".INI" and ".KSL".
  const std::vector<std::string>& Parameters() const { return parameters_; }
  void SetParameters(std::vector<std::string> params) { parameters_ = std::move(params); }

  std::string OptionsIniFile();
  void ReadOptions();
  bool WriteOptions();
  // The run steps; repeated whenever the map panel is initialised.
  void Run();
  // Writes the options and saves the object model's "SOURCE" to SOURCE.KLV in the program's
  // directory (what the quit message does); false when the file could not be written.
  bool Quit();

  // Text messages kept while UseProtocol is set (the memo window's lines).
  const std::vector<std::string>& Protocol() const { return protocol_; }
  void SetProtocolListener(std::function<void(const std::string&)> listener) {
    protocol_listener_ = std::move(listener);
  }
  // The last element of a selection notification.
  framework::TElement* Selected() const { return selected_.Get(); }

  void HandleMessage(framework::TKelvaMessage& message, bool& handled) override;

 private:
  void LoadCursors();
  framework::TElementRef options_;
  framework::TElementRef command_line_;
  framework::TElementRef selected_;
  bool use_protocol_ = false;
  std::vector<std::string> parameters_;
  std::vector<std::string> protocol_;
  std::function<void(const std::string&)> protocol_listener_;
};

// Creates (or reuses) the world, installs its message queue, makes a new TMainTool its main tool
// with the given command-line parameters, sets WorkingDirectory and DataDirectory to the
// current directory and runs the tool. Answers the tool (owned by the world).
TMainTool* StartApplicationTool(const std::vector<std::string>& params);

}  // namespace tarnik::apptool
