#include "gis/gis_classes.h"

#include "framework/class_register.h"
#include "gis/area_readers.h"
#include "gis/block_reader.h"
#include "gis/dbf_table.h"
#include "gis/import_source.h"
#include "gis/karmo_filter.h"
#include "gis/karmo_props.h"
#include "gis/karmo_registers.h"
#include "gis/layer_script.h"
#include "gis/map_panel.h"
#include "gis/model_by_script.h"
#include "gis/object_readers.h"
#include "spatial/spatial_classes.h"

namespace tarnik::gis {

void RegisterGisClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  spatial::RegisterSpatialClasses();
  using framework::RegisterElementClass;
  // Holders, registers and attribute tables.
  RegisterElementClass<TKarmoProps>();
  RegisterElementClass<TKarmoPointProps>();
  RegisterElementClass<TKarmoTextProps>();
  RegisterElementClass<TKarmoLineProps>();
  RegisterElementClass<TKarmoAreaProps>();
  RegisterElementClass<TKarmoBlockRegister>();
  RegisterElementClass<TKarmoObjectRegister>();
  RegisterElementClass<TKarmoObjectOwner>();
  RegisterElementClass<TKarmoDBFTable>();
  // Readers.
  RegisterElementClass<TFiltrDruhuObjektu>();
  RegisterElementClass<TKarmoManipulator>();
  RegisterElementClass<TKarmoLReader>();
  RegisterElementClass<TKarmoLObjectReader>();
  RegisterElementClass<TKarmoCoordReader>();
  RegisterElementClass<TKarmoLinReader>();
  RegisterElementClass<TKarmoAreaBoundaryReader>();
  RegisterElementClass<TKarmoAreaReader>();
  RegisterElementClass<TKarmoPointReader>();
  RegisterElementClass<TKarmoTextReader>();
  RegisterElementClass<TKarmoLBlokInfoReader>();
  RegisterElementClass<TKarmoLBlokReader>();
  // Import sources and layer scripts.
  RegisterElementClass<TImportSource>();
  RegisterElementClass<TImportSourceNode>();
  RegisterElementClass<TKarmoLImportSource>();
  RegisterElementClass<TKarmoLImportBlocks>();
  RegisterElementClass<TKarmoLImportRasters>();
  RegisterElementClass<TKarmoLImportLibraries>();
  RegisterElementClass<TModelScript>();
  RegisterElementClass<TLayerScript>();
  RegisterElementClass<TModelScriptCreator>();
  RegisterElementClass<TInterpretLayer>();
  RegisterElementClass<TModelByScriptCreator>();
  // The forest hierarchy of the map and its panel.
  RegisterMapPanelClasses();
}

}  // namespace tarnik::gis
