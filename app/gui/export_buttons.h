// The main window's export and import buttons as commands, without Qt: each button names its
// export variant ("numerika", "numerika-lcr", "mapa", "mapa-ost", "mapa-ost-lcr") and runs the
// command of that variant, the same command code the command line runs. The unit stays owned by
// the caller; messages go through the UI seam.
#pragma once

#include <functional>
#include <string>

#include "app/commands/export_options.h"
#include "app/commands/numerical_export.h"

namespace tarnik::plan {
class TLesniCelek;
}
namespace tarnik::islh {
class TExportUnit;
}
namespace tarnik::gis {
class VAzedevoDevov;
}

namespace tarnik::gui {

enum class ExportButton { kButExpNumer, kButton4, kBtXMLExport, kButXMLExpiOst, kButton3 };

// The variant name of a button's export.
const char* VariantOf(ExportButton button);

// Whether the variant is one of the numerical exports (no map).
bool IsNumericalVariant(const std::string& variant);

// Shown when the program has no command for a variant.
std::string MissingVariantText(const std::string& variant);

// Runs the export command of `variant` on `unit`, the map variants with the map of `panel`
// (placeholders without one). A variant the program has no command for is reported as a failure
// and answers kFailed.
app::ExportResult RunExportVariant(const std::string& variant, islh::TExportUnit& unit,
                                   const app::ExportOptions& options,
                                   gis::VAzedevoDevov* panel = nullptr);

}  // namespace tarnik::gui
