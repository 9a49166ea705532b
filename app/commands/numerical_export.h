// The export commands of the main window: the two numerical ones ("XML Export numerika", "XML
// Export numerika pro LČR") and the three with the map ("XML Export včetně mapy pro státní
// správu.", "XML Export včetně mapy a ost. pozemků", the same "pro LČR"): the LČR mark of the LHC
// record, the bark question, for the map the cleaning of the map's names, the output directory,
// the refusal of other land for an outline unit, the copy of the DTD under the unit's code, the
// export flags and the exporter's run. Messages go through the UI seam; a file that cannot be
// written ends the command with its exception. The map panel (may be nil) outlives the call.
#pragma once

#include <map>
#include <string>

#include "app/commands/export_options.h"

namespace tarnik::islh {
class TExportUnit;
}

namespace tarnik::gis {
class VAzedevoDevov;
}

namespace tarnik::app {

// The DTD of the numerical exports in the program directory: the national-park form for a unit
// with VerzeProPark1.
std::string NumericalDtdName(bool national_park);
// The DTD of a variant in the program directory (the national-park form with VerzeProPark1).
std::string VariantDtdName(NumericalVariant variant, bool national_park);

// Shown when an outline unit is to be exported with other land: nothing is exported.
inline constexpr const char* kOutlineWithOtherLand = "Ostatní pozemky na osnovách nemají být.";

struct ExportResult {
  enum class Status {
    kDone,       // the document was written
    kDeclined,   // the bark question was answered "Ne"
    kCancelled,  // the directory dialog was cancelled
    kFailed,     // nothing was written: no compartment list, or the directory or the DTD copy
                 // failed (the message was shown)
  };
  Status status = Status::kFailed;
  std::string directory;                // the ISHULXML directory
  std::string xml_file;                 // <code>.xml
  std::string dtd_file;                 // <code>.dtd
  std::string error_file;               // error.txt
  std::map<std::string, long> written;  // elements written, by element name
};

// Shown when the unit's compartment list cannot be read: nothing is exported.
inline constexpr const char* kNoCompartmentList =
    "Seznam oddělení lesního celku nelze načíst, export nebyl proveden.";

// SnizEtat on, the LHC record's VypMzdDleZezuly1 from the MZD box, SestavitMZD when the code
// lists bring no MZD list.
void SetExportFlags(islh::TExportUnit& unit, const ExportOptions& options);

// The button handler and ExportNumerical() behind it: refuses a unit whose compartment list
// cannot be read, marks the LHC record for LČR by the variant, asks the bark question, then
// chooses the output directory, copies the DTD, sets the export flags, runs the exporter and
// shows "Export proveden.". The document, its DTD and error.txt replace the old files only once
// all three are complete; a failure (thrown) leaves the old files as they were.
// The map variants write the outlines and symbols from `panel` (placeholders without one).
ExportResult ExportNumerical(islh::TExportUnit& unit, NumericalVariant variant,
                             const ExportOptions& options, gis::VAzedevoDevov* panel = nullptr);

// "Hledam mezery.", the blanks removed from the map hierarchy's names, "Mezery vyhledány
// případně odstraněny." on the status line.
void CleanMapNames(gis::VAzedevoDevov& panel);

}  // namespace tarnik::app
