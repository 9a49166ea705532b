#include "framework/models/model_classes.h"

#include "framework/class_register.h"
#include "framework/models/element_model.h"
#include "framework/models/register_models.h"
#include "framework/models/wcs.h"
#include "framework/models/world.h"

namespace tarnik::framework {

void RegisterModelClasses() {
  RegisterElementClass<TPropertyModel>();
  RegisterElementClass<TElementModel>();
  RegisterElementClass<TToolModel>();
  RegisterElementClass<TSystemRegister>();
  RegisterElementClass<TRegisterClassModel>();
  RegisterElementClass<TRegisterClassModels>();
  RegisterElementClass<TRegisterPropertyModel>();
  RegisterElementClass<TObjectModel>();
  RegisterElementClass<TWorld>();
  // Coordinate systems.
  RegisterElementClass<TWCS>();
  RegisterElementClass<TGeographic_WCS>();
  RegisterElementClass<TJTSK>();
  RegisterElementClass<TWCSLibrary>();
}

}  // namespace tarnik::framework
