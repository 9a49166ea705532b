// The import of an ISLH document into the planning database of a forest unit, all or nothing:
// the unit's compartments are dropped from the model, the source is emptied after the question
// "Vymazat všechna data ze zdroje ?" (not asked when the database holds no compartment or only
// compartment 0), the loader rebuilds the unit and hands each compartment to the transfer, the
// last compartment and the code lists the document brought follow, and one transaction over the
// plan and its PHS database commits it all at the end. A failure that stops the import (a
// thrown error, a database failure, the answer "ukončit", a killed process) leaves both
// databases as they were; rows and values reported as passed over do not stop it.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "data/engine/database.h"

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::islh {

struct XmlImportTarget {
  std::optional<engine::Database> plan;  // the plan's connection (shared); required
  std::string phs_file;                  // the PHS database's file; "" when the plan has none
  bool no_colours = false;               // colour columns left as they are
  bool national_park = false;
};

struct XmlImportResult {
  enum class Status {
    kDone,         // committed
    kMissingFile,  // "Soubor "<path>" neexistuje!" was shown; nothing changed
    kQuit,         // "ukončit": nothing changed, the program is to end
  };
  Status status = Status::kDone;
  std::map<std::string, long> elements;  // elements read, by name
  std::map<std::string, long> rows;      // rows written, by table
  long compartments = 0;                 // compartments written
};

inline constexpr const char* kEmptySourceCaption = "Dotaz na úplné vymazání zdroje";
inline constexpr const char* kEmptySourceQuestion = "Vymazat všechna data ze zdroje ?";

// Imports `file` into the unit's model and the target. Failures that stop the import throw after
// the transaction was rolled back; a question the front end cannot answer (QuestionUnanswered)
// comes before anything is written.
XmlImportResult ImportFromXml(plan::TLesniCelek& unit, const XmlImportTarget& target,
                              const std::string& file);

}  // namespace tarnik::islh
