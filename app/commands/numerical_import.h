// The import command "XML import numerika" (ImportNumerical) and the empty planning database an
// import may be made into. The command chooses the document, refuses a unit whose data are not a
// planning database of the current table set, and runs the all-or-nothing import into the unit's
// plan and its PHS database. Messages go through the UI seam; a failure that stops the import is
// shown (the databases stay as they were) and answered as kFailed.
#pragma once

#include <map>
#include <string>

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::app {

struct ImportResult {
  enum class Status {
    kDone,
    kMissingFile,  // no such file (a cancelled dialog answers "NicSeNavybralo")
    kQuit,         // "ukončit": nothing was written, the program ends
    kFailed,       // the import stopped; nothing was written (the message was shown)
  };
  Status status = Status::kFailed;
  std::string file;
  long compartments = 0;
  std::map<std::string, long> elements;  // read, by element name
  std::map<std::string, long> rows;      // written, by table
};

inline constexpr const char* kChooseImportFile = " Najdi XML soubor ze kterého budeš načítat.";

// The window's option that matters for an import: whether the document's volumes are under bark
// (Ch_Odkor, ticked after the first show), as the export writes them.
struct ImportOptions {
  bool odkorneno = true;
};

ImportResult ImportNumerical(plan::TLesniCelek& unit, const ImportOptions& options = {});

// Creates the tables of the current table set in `directory` (its tables.sqlite) and, when
// missing, the plan-wide tables in its PHS sibling, with the identifier table empty. Throws
// engine::EngineError; a directory that holds tables already is refused.
void CreatePlanDatabase(const std::string& directory);

}  // namespace tarnik::app
