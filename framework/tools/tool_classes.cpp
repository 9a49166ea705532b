#include "framework/tools/tool_classes.h"

#include "framework/class_register.h"
#include "framework/condition/cond_creator.h"
#include "framework/stream/stream_tools.h"
#include "framework/tools/selector.h"

namespace tarnik::framework {

void RegisterToolClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterElementClass<TParameters>();
  RegisterElementClass<TTools>();
  RegisterElementClass<TToolProperties>();
  RegisterElementClass<TTool>();
  RegisterElementClass<TResultTool>();
  RegisterElementClass<TBooleanTool>();
  RegisterElementClass<TProgressMessage>();
  RegisterElementClass<TTechnology>();
  RegisterElementClass<TSeqTechnology>();
  RegisterElementClass<TSelectTechnology>();
  RegisterElementClass<TRecursor>();
  RegisterElementClass<TRecursorWithTools>();
  RegisterElementClass<TSelector>();
  RegisterElementClass<TAllSelector>();
  RegisterElementClass<TFirstSelector>();
  RegisterElementClass<TAbsFirstSelector>();
  RegisterElementClass<TLevelSelector>();
  RegisterElementClass<TExpressionCreator>();
  RegisterElementClass<TCondCreator>();
  RegisterOperatorClasses();
  RegisterStreamToolClasses();
}

}  // namespace tarnik::framework
