#include "forest/layers/layer_classes.h"

#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_edits.h"
#include "forest/layers/multi_value.h"
#include "forest/layers/owner_transformation.h"
#include "forest/layers/parcel_part.h"
#include "forest/layers/statuses.h"
#include "forest/layers/tree_species.h"
#include "forest/layers/work_records.h"
#include "framework/class_register.h"

namespace tarnik::plan {

void RegisterLayerClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  InstallLayerRecompute();
  using framework::RegisterElementClass;
  RegisterElementClass<TEtaz>();
  RegisterElementClass<TEtazMN>();
  RegisterElementClass<TDrevina>();
  RegisterElementClass<TDrevinaMN>();
  RegisterElementClass<TZalesneni>();
  RegisterElementClass<TZalesneniMN>();
  RegisterElementClass<TPoskozeni>();
  RegisterElementClass<TPoskozeniMN>();
  RegisterElementClass<TKategorie1>();
  RegisterElementClass<TKategorie1MN>();
  RegisterElementClass<TZvlSt>();
  RegisterElementClass<TZvlStMN>();
  RegisterElementClass<TOrg_Uroven>();
  RegisterElementClass<TOrg_UrovenMN>();
  RegisterElementClass<TNasobny_LongInt>();
  RegisterElementClass<TNasobny_LongIntMN>();
  RegisterElementClass<TNasobny_Vlastnik>();
  RegisterElementClass<TNasobny_VlastnikMN>();
  RegisterElementClass<TLesniPlosnyNeporostniPrvek>();
  RegisterElementClass<TBezlesi>();
  RegisterElementClass<TBezlesiMN>();
  RegisterElementClass<TJinyPozemek>();
  RegisterElementClass<TJinyPozemekMN>();
  RegisterElementClass<TOstatni>();
  RegisterElementClass<TOstatniMN>();
  RegisterElementClass<TCastParcely>();
  RegisterElementClass<TCastParcelyMN>();
  RegisterElementClass<TTransforDleMajitele>();
  RegisterElementClass<TTransforDleMajiteleMN>();
  RegisterElementClass<TRadekLHEvidence>();
  RegisterElementClass<TRadekLHEvidenceMN>();
}

}  // namespace tarnik::plan
