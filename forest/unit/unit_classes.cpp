#include "forest/unit/unit_classes.h"

#include "forest/unit/lesni_celek.h"
#include "framework/class_register.h"

namespace tarnik::plan {

void RegisterUnitClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  framework::RegisterElementClass<TLesniCelek>();
}

}  // namespace tarnik::plan
