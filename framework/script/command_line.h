// TCommandLine: the command script interpreter as a tool. It owns its statement engine and its
// variable entity "VAR:" (a child, created on first use); variables persist across runs. Execute
// runs Line, or the script ActualDirectory + FileName, in one loop or, in SmartMode, one line per
// framework message 22 posted to itself. A CALL runs a sub-interpreter for the duration of the
// call, nested at most kMaxCallDepth deep. Single-threaded.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/script/script_engine.h"
#include "framework/script/script_host.h"
#include "framework/script/script_var.h"
#include "framework/tools/tool.h"

namespace tarnik::framework {

// Framework message that runs the next line of a SmartMode script.
inline constexpr int32_t kScriptStepMessage = 22;
// Deepest nesting of CALL.
inline constexpr int kMaxCallDepth = 16;

class TCommandLine : public TTool, private script::TScriptHost {
 public:
  TARNIK_ELEMENT_CLASS(TCommandLine)
  TCommandLine();
  ~TCommandLine() override;

  const std::string& Line() const { return engine_.Line(); }
  void SetLine(const std::string& line) { engine_.SetLine(line); }
  // Appends the text as the last line of the script.
  void SetNextLine(const std::string& line) { engine_.AppendLine(line); }
  const std::string& ActualDirectory() const { return engine_.ActualDirectory(); }
  void SetActualDirectory(const std::string& dir) { engine_.SetActualDirectory(dir); }
  const std::string& FileName() const { return engine_.FileName(); }
  // Clears Line and the loaded lines.
  void SetFileName(const std::string& name) { engine_.SetFileName(name); }
  TEntity* Vars();
  TVar* ActualVar() const { return dynamic_cast<TVar*>(engine_.ActualVar()); }
  bool ByDDE() const { return engine_.ByDDE(); }
  void SetByDDE(bool on) { engine_.SetByDDE(on); }
  bool SmartMode() const { return smart_mode_; }
  void SetSmartMode(bool on) { smart_mode_ = on; }

  TElement* ActiveElement() { return engine_.ActiveElement(); }
  void SetActiveElement(TElement* element) { engine_.SetActiveElement(element); }
  // The output list of the last statement (queries, and errors in ByDDE mode).
  const std::vector<std::string>& Output() const { return engine_.Output(); }
  // Receives every query result and ByDDE error line as it is produced, also those of CALL.
  void SetOutputListener(std::function<void(const std::string&)> listener) {
    engine_.SetOutputListener(std::move(listener));
  }
  script::TScriptEngine& Engine() { return engine_; }

  // Input also becomes the active element.
  void SetInput(TElement* element) override;
  void Execute() override;
  // 0 is FileName, 1 ActualDirectory.
  std::string GetParameterName(int index) override;
  void HandleMessage(TKelvaMessage& message, bool& handled) override;

 private:
  TElement* ScriptWorld() override;
  TElement* ScriptSelf() override { return this; }
  TElement* ScriptMainTool() override;
  TEntity& ScriptVars() override { return *Vars(); }
  void ScriptCall(script::TScriptEngine& engine, script::TScriptCall& call) override;
  void CallScript(script::TScriptCall& call);
  void CallTool(script::TScriptCall& call);
  void RunLoaded();
  void FinishSmartRun();

  script::TScriptEngine engine_;
  TElementRef vars_;
  bool smart_mode_ = false;
  bool executing_ = false;
};

}  // namespace tarnik::framework
