#include "forest/forest_classes.h"

#include "forest/forest_element.h"
#include "forest/forest_set.h"
#include "forest/forest_string_list.h"
#include "forest/property_metadata.h"
#include "framework/class_register.h"

namespace tarnik::plan {

void RegisterForestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  using framework::RegisterElementClass;
  // Generic forest element, sets and column metadata.
  RegisterElementClass<TObecnyLesniPrvek>();
  RegisterElementClass<TLesniMnozina>();
  RegisterElementClass<TVlastnosti>();
  RegisterElementClass<TVlastnostiMN>();
  RegisterElementClass<TVlastnostiSloupcu>();
  RegisterElementClass<TVlastnostiSloupcuMN>();
  RegisterElementClass<TLesniStringListElement>();
}

}  // namespace tarnik::plan
