// The map panel of the main window ("helePan") as the first show prepares it, without Qt: the
// panel's initialisation (the application tool's run steps and the model scripts "SysReg.Ksl"
// and "Model.Ksl"), the confirmed map directory, the position of the unit's first stand group,
// the forest hierarchy found in the world's "DATA" and the map script "Model_Uprava.Ksl" run
// when there is a hierarchy. The panel holds the hierarchy by handle only (the world owns it).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/handles.h"

namespace tarnik::plan {
class TLesniCelek;
}
namespace tarnik::apptool {
class TMainTool;
}
namespace tarnik::gis {
class VAzedevoDevov;
}

namespace tarnik::gui {

inline constexpr const char* kNoMapExport = "Mapa nebude exportována.";
inline constexpr const char* kNoDataObject = "Není nalezen objekt DATA";
inline constexpr const char* kChooseMapDirectory = "Vyhledej data karmo.";
inline constexpr const char* kMapEditScript = "Model_Uprava.Ksl";

struct MapPanelState {
  bool busy = true;  // until the first preparation
  bool initialised = false;
  std::string lhc_dir;  // LHCDir: the confirmed map directory, "NicSeNavybralo" when cancelled
  std::string lhc, oddeleni, dilec, porost, skupina;  // the position shown first
  framework::TElementRef hierarchy;
  std::string script_name;  // the map script run last
};

// Reads the map of the panel's LHCDir into the world's object model ("DATA" with its
// "HIERARCHY"); may throw. The map hierarchy registers the reader; without one nothing is read.
using ForestReader = std::function<void(MapPanelState& panel)>;

// The reader of the program's map hierarchy: a new map panel in `holder` (replacing the one there)
// reads the forest of the panel's LHCDir from its position and attaches its hierarchy; the map
// exports then write from it. `holder` must outlive the reader.
ForestReader MapHierarchyReader(std::unique_ptr<gis::VAzedevoDevov>& holder);

// The panel's initialisation: the tool's run steps again, then the model scripts from the
// program's directory ("Nelze nalézt soubor <path>" for a missing one; the start goes on).
void InitialiseMapPanel(MapPanelState& panel, apptool::TMainTool* tool);

// "HIERARCHY" inside the world's "DATA" into the panel's hierarchy; "Není nalezen objekt DATA"
// and no change when "DATA" is missing. True when "DATA" was found.
bool AttachHierarchy(MapPanelState& panel);

// Whether the panel holds a hierarchy with at least one child.
bool HasHierarchy(const MapPanelState& panel);

// PrepareMapPanel of the first show: initialisation, the map directory confirmed (start from
// "KARMOExport" of vekta.ini), the position, the forest read when the panel has no hierarchy
// yet, then either the directory written back and "Model_Uprava.Ksl" run, or "Mapa nebude
// exportována.". A reader that fails twice is reported and means no map.
void PrepareMapPanel(MapPanelState& panel, plan::TLesniCelek& unit, apptool::TMainTool* tool,
                     const ForestReader& read_forest);

}  // namespace tarnik::gui
