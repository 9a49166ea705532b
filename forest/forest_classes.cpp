#include "forest/forest_classes.h"

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/database_class.h"
#include "forest/codelists/kelva_codes.h"
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
  // Code lists.
  RegisterElementClass<tciselnik>();
  RegisterElementClass<TDatabaseClass>();
  RegisterElementClass<TDatabaseMel_DrevClass>();
  RegisterElementClass<TKodPopis>();
  RegisterElementClass<TKodPopisMN>();
  RegisterElementClass<TOrgUr>();
  RegisterElementClass<TOrgUrMN>();
  RegisterElementClass<TCisSCHU>();
  RegisterElementClass<TCisSCHUMN>();
  RegisterElementClass<TTypRozhodnuti>();
  RegisterElementClass<TTypRozhodnutiMN>();
  RegisterElementClass<TOLH>();
  RegisterElementClass<TOLHMN>();
  RegisterElementClass<TCisHs>();
  RegisterElementClass<TCisHsMN>();
  RegisterElementClass<TMZDHospSoub>();
  RegisterElementClass<TMZDHospSoubMN>();
  RegisterElementClass<TMajPoPorostech>();
  RegisterElementClass<TMajPoPorostechMN>();
  RegisterElementClass<Tmajetky>();
  RegisterElementClass<TmajetkyMN>();
  RegisterElementClass<THospSoubPhs>();
  RegisterElementClass<THospSoubPhsMN>();
  RegisterElementClass<TLesTypPhs>();
  RegisterElementClass<TLesTypPhsMN>();
  RegisterElementClass<TDrKtgPhs>();
  RegisterElementClass<TDrKtgPhsMN>();
  RegisterElementClass<TSpecPodHSPhs>();
  RegisterElementClass<TSpecPodHSPhsMN>();
  RegisterElementClass<TProbirkaPhs>();
  RegisterElementClass<TProbirkaPhsMN>();
  RegisterElementClass<TCiselKelva>();
}

}  // namespace tarnik::plan
