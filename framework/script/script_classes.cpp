#include "framework/script/script_classes.h"

#include "framework/class_register.h"
#include "framework/script/command_line.h"
#include "framework/script/script_var.h"

namespace tarnik::framework {

void RegisterScriptClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterElementClass<TVar>();
  RegisterElementClass<TCommandLine>();
}

}  // namespace tarnik::framework
