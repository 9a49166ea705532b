// What the statement engine needs from the interpreter element that runs it: the world, the
// interpreter itself, the variable entity, and the calls that involve tools (DOIT, CREATETOOL,
// CALL, CLOSE and tool calls by class name). The host outlives every engine call it serves.
#pragma once

#include <string>
#include <vector>

#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::framework::script {

class TScriptEngine;

// One function call being evaluated. The host reads the arguments and the current object and
// leaves the result in `object` (and, for result tools, in `literal`).
struct TScriptCall {
  std::string function;           // upper-cased name
  std::vector<std::string> args;  // trimmed arguments
  size_t open_position = 0;       // 1-based position of "(" in the side being evaluated
  TElementRef object;             // the current object; the call's result afterwards
  TElement* input = nullptr;      // the current object, or the active element when that is nil
  bool has_literal = false;
  std::string literal;
};

class TScriptHost {
 public:
  virtual ~TScriptHost() = default;
  virtual TElement* ScriptWorld() = 0;     // nil when there is no world
  virtual TElement* ScriptSelf() = 0;      // the interpreter element (SELF)
  virtual TElement* ScriptMainTool() = 0;  // nil when there is none
  virtual TEntity& ScriptVars() = 0;       // "VAR:", created on first use
  // The calls the engine does not serve itself. Throws EKelvaError with the Czech texts.
  virtual void ScriptCall(TScriptEngine& engine, TScriptCall& call) = 0;
};

}  // namespace tarnik::framework::script
