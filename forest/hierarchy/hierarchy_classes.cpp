#include "forest/hierarchy/hierarchy_classes.h"

#include "forest/hierarchy/fpole.h"
#include "forest/hierarchy/own_variants.h"
#include "forest/hierarchy/plosny_prvek.h"
#include "framework/class_register.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TLHCMoje, TLHC, nullptr)
TARNIK_DEFINE_CLASS(TOddeleniMoje, TOddeleni, nullptr)
TARNIK_DEFINE_CLASS(TDilecMoje, TDilec, nullptr)
TARNIK_DEFINE_CLASS(TPorostMoje, TPorost, nullptr)
TARNIK_DEFINE_CLASS(TPorostniSkupinaMoje, TPorostniSkupina, nullptr)

void RegisterHierarchyClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  using framework::RegisterElementClass;
  RegisterElementClass<TLesniPrvek>();
  RegisterElementClass<TLesniSlozenyPrvek>();
  RegisterElementClass<TLesniPlosnyPrvek>();
  RegisterElementClass<TLHC>();
  RegisterElementClass<TOddeleni>();
  RegisterElementClass<TOddeleniMN>();
  RegisterElementClass<TDilec>();
  RegisterElementClass<TDilecMN>();
  RegisterElementClass<TPorost>();
  RegisterElementClass<TPorostMN>();
  RegisterElementClass<TPorostniSkupina>();
  RegisterElementClass<TPorostniSkupinaMN>();
  RegisterElementClass<TFPole>();
  RegisterElementClass<TRadekPole>();
  RegisterElementClass<TLHCMoje>();
  RegisterElementClass<TOddeleniMoje>();
  RegisterElementClass<TDilecMoje>();
  RegisterElementClass<TPorostMoje>();
  RegisterElementClass<TPorostniSkupinaMoje>();
}

}  // namespace tarnik::plan
