#include "framework/framework_classes.h"

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/message.h"
#include "framework/models/model_classes.h"
#include "framework/script/script_classes.h"
#include "framework/tools/tool_classes.h"
#include "framework/values/value_classes.h"

namespace tarnik::framework {

void RegisterFrameworkClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  // Element tree.
  RegisterElementClass<TElement>();
  RegisterElementClass<TNameElement>();
  RegisterElementClass<TOwnerElement>();
  RegisterElementClass<TEntity>();
  RegisterElementClass<TNameEntity>();
  RegisterElementClass<TOwnerEntity>();
  RegisterElementClass<TEnvelopeEntity>();
  RegisterElementClass<TKelvaMessage>();
  RegisterValueClasses();
  // Class register, models and the world.
  RegisterElementClass<TKelvaClass>();
  RegisterElementClass<TKelvaClassProperty>();
  RegisterModelClasses();
  // Tools, conditions, the model stream and the script interpreter.
  RegisterToolClasses();
  RegisterScriptClasses();
}

}  // namespace tarnik::framework
