#include "app/gui/map_preparation.h"

#include <exception>
#include <optional>

#include "app/tool/main_tool.h"
#include "data/engine/aliases.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/unit/lesni_celek.h"
#include "framework/entity.h"
#include "framework/models/world.h"
#include "gis/map_panel.h"
#include "gis/map_tools.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::gui {
namespace {

constexpr const char* kNothingChosen = "NicSeNavybralo";

void RunProgramScript(apptool::TMainTool* tool, const std::string& name) {
  const std::string path = platform::ProgramFile(name);
  if (!platform::FileExists(path)) {
    platform::ui().ShowMessage("Nelze nalézt soubor " + path, platform::Severity::kPassedOver);
    return;
  }
  if (tool) tool->ExecuteScript(path);
}

std::string Key(framework::TElement* element, const char* property) {
  return element ? element->GetPropertyText(property) : std::string();
}

void SetPosition(MapPanelState& panel, plan::TLesniCelek& unit) {
  plan::TLHC* lhc = unit.LHC();
  panel.lhc = std::to_string(lhc->LHC_KOD());
  auto* odd = dynamic_cast<plan::TOddeleni*>(lhc->OddeleniMN()->AktualniPrvekVzdyN());
  panel.oddeleni = Key(odd, "ODD");
  auto* dil = odd ? dynamic_cast<plan::TDilec*>(odd->DilecMN()->AktualniPrvekVzdyN()) : nullptr;
  panel.dilec = Key(dil, "DIL");
  auto* por = dil ? dynamic_cast<plan::TPorost*>(dil->PorostMN()->AktualniPrvekVzdyN()) : nullptr;
  panel.porost = Key(por, "POR");
  framework::TElement* psk = por ? por->PorostniSkupinaMN()->AktualniPrvekVzdyN() : nullptr;
  panel.skupina = platform::RemoveBlanks(Key(psk, "PSK"));
}

void ReadAndAttach(MapPanelState& panel, const ForestReader& read_forest) {
  if (read_forest) read_forest(panel);
  AttachHierarchy(panel);
}

}  // namespace

void InitialiseMapPanel(MapPanelState& panel, apptool::TMainTool* tool) {
  if (tool) tool->Run();
  RunProgramScript(tool, "SysReg.Ksl");
  RunProgramScript(tool, "Model.Ksl");
  panel.initialised = true;
  panel.busy = false;
}

bool AttachHierarchy(MapPanelState& panel) {
  // DATA is looked up as the map code looks it up: in the object model, else in the world.
  if (!dynamic_cast<framework::TEntity*>(gis::FindWorldObject("DATA"))) {
    platform::ui().ShowMessage(kNoDataObject, platform::Severity::kPassedOver);
    return false;
  }
  panel.hierarchy = gis::FindDataChild("HIERARCHY");
  return true;
}

bool HasHierarchy(const MapPanelState& panel) {
  auto* hierarchy = panel.hierarchy.As<framework::TEntity>();
  return hierarchy && hierarchy->GetCount() > 0;
}

ForestReader MapHierarchyReader(std::unique_ptr<gis::VAzedevoDevov>& holder) {
  return [&holder](MapPanelState& state) {
    holder.reset();
    auto panel = std::make_unique<gis::VAzedevoDevov>();
    panel->SetLHCDir(state.lhc_dir);
    panel->SetLHC(state.lhc);
    panel->SetODDELENI(state.oddeleni);
    panel->ReadForest();
    panel->AttachHierarchy();
    holder = std::move(panel);
  };
}

void PrepareMapPanel(MapPanelState& panel, plan::TLesniCelek& unit, apptool::TMainTool* tool,
                     const ForestReader& read_forest) {
  InitialiseMapPanel(panel, tool);
  platform::IniFile ini(platform::ProgramFile(engine::kSettingsFile));
  const std::string start = ini.ReadString(engine::kSettingsSection, "KARMOExport", "C:");
  std::optional<std::string> chosen = platform::ui().Select(
      {false, kChooseMapDirectory, start, "*.*", platform::SelectionForm::kNarrow});
  panel.lhc_dir = chosen ? *chosen : std::string(kNothingChosen);
  SetPosition(panel, unit);

  if (!HasHierarchy(panel)) {
    try {
      ReadAndAttach(panel, read_forest);
    } catch (const std::exception&) {
      panel.hierarchy = nullptr;
      // The second attempt's failure would end the program; it only means no map.
      try {
        ReadAndAttach(panel, read_forest);
      } catch (const std::exception& e) {
        panel.hierarchy = nullptr;
        platform::ui().ShowMessage(e.what(), platform::Severity::kPassedOver);
      }
    }
  }
  if (HasHierarchy(panel)) {
    ini.WriteString(engine::kSettingsSection, "KARMOExport", panel.lhc_dir);
    panel.script_name = platform::ProgramFile(kMapEditScript);
    RunProgramScript(tool, kMapEditScript);
  } else {
    platform::ui().ShowMessage(kNoMapExport, platform::Severity::kInformation);
  }
}

}  // namespace tarnik::gui
