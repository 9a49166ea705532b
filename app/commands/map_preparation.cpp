#include "app/commands/map_preparation.h"

#include <exception>

#include "app/tool/main_tool.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "framework/entity.h"
#include "framework/models/world.h"
#include "gis/map_panel.h"
#include "islh/export_unit.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/ui.h"

namespace tarnik::app {
namespace {

bool HasChildren(framework::TElement* element) {
  auto* entity = dynamic_cast<framework::TEntity*>(element);
  return entity && entity->GetCount() > 0;
}

// Scripts of the panel run through the application tool's interpreter.
void InstallScriptRunner() {
  gis::TKelvaPanel::SetScriptRunner([](const std::string& path) {
    auto* tool = framework::ClassCast<apptool::TMainTool>(framework::World().MainTool());
    if (tool) tool->ExecuteScript(path);
  });
}

void ReadAndAttach(gis::VAzedevoDevov& panel) {
  panel.ReadForest();
  panel.AttachHierarchy();
}

}  // namespace

std::string KarmoExportDirectory() {
  platform::IniFile ini(platform::ProgramFile("vekta.ini"));
  return ini.ReadString("DATABASE", "KARMOExport", "C:");
}

std::unique_ptr<gis::VAzedevoDevov> PrepareMapPanel(islh::TExportUnit& unit,
                                                    const std::string& map_directory) {
  InstallScriptRunner();
  auto panel = std::make_unique<gis::VAzedevoDevov>();
  panel->Init();
  panel->ResetFinder();
  panel->SetLHCDir(map_directory.empty() ? KarmoExportDirectory() : map_directory);
  if (plan::TLHC* lhc = unit.LHC()) panel->SetLHC(lhc->GetPropertyText("LHC_KOD"));
  if (plan::TOddeleni* compartment = unit.AktualniOddeleni()) {
    panel->SetODDELENI(compartment->GetPropertyText("ODD"));
  }
  if (!HasChildren(panel->Hierarchy())) {
    try {
      ReadAndAttach(*panel);
    } catch (const std::exception&) {
      panel->SetHierarchy(nullptr);
      ReadAndAttach(*panel);
    }
  }
  if (HasChildren(panel->Hierarchy())) {
    panel->SetScriptName(platform::ProgramFile("Model_Uprava.Ksl"));
  } else {
    platform::ui().ShowMessage(kNoMap, platform::Severity::kPassedOver);
  }
  return panel;
}

}  // namespace tarnik::app
