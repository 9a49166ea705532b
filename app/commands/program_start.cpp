#include "app/commands/program_start.h"

#include "app/tool/data_sources.h"
#include "app/tool/main_tool.h"
#include "data/sources/exchange/exchange_source.h"
#include "data/sources/merk/merk_detection.h"
#include "data/sources/oracle/oracle_source.h"
#include "data/sources/part_files/part_files_source.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/layers/layer_classes.h"
#include "forest/unit/unit_classes.h"
#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "islh/xml_export.h"

namespace tarnik::app {

void RegisterProgramClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  framework::RegisterFrameworkClasses();
  apptool::RegisterAppToolClasses();
  plan::RegisterForestClasses();
  plan::RegisterHierarchyClasses();
  plan::RegisterLayerClasses();
  plan::RegisterUnitClasses();
  framework::RegisterElementClass<islh::TExportLHC_XML>();
}

void RegisterPlanSources() {
  plan::RegisterOracleSources();
  plan::RegisterPartFilesSource();
  plan::RegisterExchangeSource();
  plan::RegisterMerkSource();
}

apptool::TMainTool* StartProgram(const std::vector<std::string>& params) {
  RegisterProgramClasses();
  RegisterPlanSources();
  return apptool::StartApplicationTool(params);
}

}  // namespace tarnik::app
