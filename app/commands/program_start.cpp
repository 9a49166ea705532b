#include "app/commands/program_start.h"

#include "app/commands/class_registration.h"
#include "app/tool/main_tool.h"
#include "data/sources/exchange/exchange_source.h"
#include "data/sources/merk/merk_detection.h"
#include "data/sources/oracle/oracle_source.h"
#include "data/sources/part_files/part_files_source.h"

namespace tarnik::app {

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
