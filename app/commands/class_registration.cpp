#include "app/commands/class_registration.h"

#include "app/tool/data_sources.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/layers/layer_classes.h"
#include "forest/unit/unit_classes.h"
#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "gis/gis_classes.h"
#include "islh/xml_export.h"
#include "islh/xml_loader.h"
#include "spatial/spatial_classes.h"

namespace tarnik::app {

void RegisterProgramClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  framework::RegisterFrameworkClasses();
  spatial::RegisterSpatialClasses();
  gis::RegisterGisClasses();
  apptool::RegisterAppToolClasses();
  plan::RegisterForestClasses();
  plan::RegisterHierarchyClasses();
  plan::RegisterLayerClasses();
  plan::RegisterUnitClasses();
  framework::RegisterElementClass<islh::TExportLHC_XML>();
  framework::RegisterElementClass<islh::TLHC_XMLLoader>();
}

}  // namespace tarnik::app
