// The map panel as the main window prepares it at its first show, headless: the panel is
// initialised (its model scripts run through the application tool), its directory is the given
// one or else key "KARMOExport" of section "DATABASE" of vekta.ini in the program directory, the
// forest map is read and its hierarchy attached, and "Model_Uprava.Ksl" runs once the hierarchy
// holds something; otherwise "Mapa nebude exportována." is shown and the map exports write
// placeholders. The caller owns the panel; the hierarchy lives in the world.
#pragma once

#include <memory>
#include <string>

namespace tarnik::gis {
class VAzedevoDevov;
}

namespace tarnik::islh {
class TExportUnit;
}

namespace tarnik::app {

inline constexpr const char* kNoMap = "Mapa nebude exportována.";

// The map directory of vekta.ini ("C:" when the key is missing).
std::string KarmoExportDirectory();

// `map_directory` empty: the directory of vekta.ini.
std::unique_ptr<gis::VAzedevoDevov> PrepareMapPanel(islh::TExportUnit& unit,
                                                    const std::string& map_directory);

}  // namespace tarnik::app
