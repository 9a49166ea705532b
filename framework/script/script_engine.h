// The statement engine of the command script language: script lines, the output list, the
// active element, path evaluation, the statements and the built-in calls that need no tool.
// Everything that involves tools or the world goes through the TScriptHost given at
// construction, which must outlive the engine. Element references are TElementRefs, so
// elements freed by a script never leave a dangling pointer behind. Single-threaded.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/element.h"
#include "framework/script/script_host.h"

namespace tarnik::framework::script {

// An evaluated side of a statement.
struct TOperand {
  TElementRef object;
  bool nil_object = false;  // the scan ran into nil
  std::string name;         // pending property or child name
  std::string literal;
  bool is_literal = false;
  bool is_variable = false;
  bool is_list = false;
  bool declared = false;  // the side declared a variable
  TElementRef var;        // the TVar when is_variable
};

class TScriptEngine {
 public:
  explicit TScriptEngine(TScriptHost& host);
  ~TScriptEngine();
  TScriptEngine(const TScriptEngine&) = delete;
  TScriptEngine& operator=(const TScriptEngine&) = delete;

  // Properties of the interpreter.
  const std::string& Line() const { return line_; }
  void SetLine(const std::string& line) { line_ = line; }
  void AppendLine(const std::string& line) { lines_.push_back(line); }
  const std::string& FileName() const { return file_name_; }
  // Clears Line and the loaded lines.
  void SetFileName(const std::string& name);
  const std::string& ActualDirectory() const { return actual_directory_; }
  // Stored with a trailing separator added when missing; empty stays empty.
  void SetActualDirectory(const std::string& dir);
  bool ByDDE() const { return by_dde_; }
  void SetByDDE(bool on) { by_dde_ = on; }

  // The active element (the world when nothing else was set or the active one is gone).
  TElement* ActiveElement();
  void SetActiveElement(TElement* element) { active_ = element; }
  TElement* ActualVar() const { return actual_var_.Get(); }

  const std::vector<std::string>& Lines() const { return lines_; }
  const std::vector<std::string>& Output() const { return output_; }
  int LineNumber() const { return line_number_; }
  void SetLineNumber(int n) { line_number_ = n; }
  bool Skipping() const { return skip_; }

  // Every error line (ByDDE) and every query result line as it is produced; sub-interpreters of
  // CALL forward theirs here.
  void SetOutputListener(std::function<void(const std::string&)> listener) {
    listener_ = std::move(listener);
  }
  // Appends a line to the output list and passes it to the listener.
  void Emit(const std::string& line);

  // Nesting depth of CALL (0 for the main interpreter).
  int CallDepth() const { return call_depth_; }
  void SetCallDepth(int depth) { call_depth_ = depth; }

  // A request to stop the run after the current statement (set when CALL nesting overflows,
  // passed up the chain of calls); cleared by ClearAbort.
  void RequestAbort() { abort_ = true; }
  bool AbortRequested() const { return abort_; }
  void ClearAbort() { abort_ = false; }

  // Loads the lines of ActualDirectory + FileName; false (after reporting code 1) when missing.
  bool LoadScript();
  // Executes one statement; exceptions propagate.
  void ExecuteStatement(const std::string& line);
  // Executes one statement, reporting an exception with code 2; false after an exception.
  bool ExecuteGuarded(const std::string& line);
  // Runs the loaded lines in one loop (pending events processed after each non-empty line);
  // the run is abandoned at the first exception.
  void RunLines();
  // One SmartMode step: skips empty lines, executes the line at the current number and
  // advances; an exception moves the number to the end. False when the script was at its end.
  bool Step();

  // Reports an error: an "ERROR n: ..." output line in ByDDE mode, a modal message otherwise.
  void ReportError(int code, const std::string& message);

  // Evaluates a path into an operand (the scan starts at the active element).
  TOperand Evaluate(const std::string& text);
  // The text value of an evaluated path, as a query would output its first line.
  std::string EvaluateToText(const std::string& text);

  // Elements made by CREATE that nobody holds: freed with the engine when still unheld.
  void KeepCreated(TElement* element);

 private:
  void EvaluateInto(const std::string& text, TOperand& op);
  void EndToken(const std::string& token, TOperand& op);
  void StepToken(const std::string& token, TOperand& op);
  size_t Declare(const std::string& text, const std::string& token, size_t colon, TOperand& op);
  size_t CallFunction(const std::string& text, const std::string& token, size_t open, TOperand& op);
  void BuiltinFree(TScriptCall& call);
  void BuiltinFreeAll(TScriptCall& call);
  bool IsProtected(TElement* element);
  TElement* FindVar(const std::string& name);

  std::vector<std::string> ValueLines(const TOperand& op);
  void OutputValue(const TOperand& op);
  void ExecuteActiveElement(const std::string& line, const std::string& right, bool has_right);
  void AssignTo(TElement* target, const std::string& name, bool is_list, TElement* object,
                const std::vector<std::string>& text_lines);

  TScriptHost& host_;
  std::string line_;
  std::string file_name_;
  std::string actual_directory_;
  bool by_dde_ = false;
  bool skip_ = false;
  int line_number_ = 0;
  int call_depth_ = 0;
  std::vector<std::string> lines_;
  std::vector<std::string> output_;
  TElementRef active_;
  bool active_set_ = false;
  TElementRef actual_var_;
  std::vector<TElementRef> created_;
  std::function<void(const std::string&)> listener_;
  bool abort_ = false;
};

// "T" put in front of a class name whose first letter, upper-cased, is not "T".
std::string CompleteClassName(const std::string& name);

// Lines of a script file decoded to UTF-8 (UTF-8 files as they are, others as Windows-1250);
// nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadScriptLines(const std::string& path);

}  // namespace tarnik::framework::script
