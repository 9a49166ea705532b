#include "app/commands/numerical_import.h"

#include <exception>

#include "data/engine/aliases.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/schema.h"
#include "forest/option_flags.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"
#include "islh/xml_import.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::app {
namespace {

constexpr const char* kNothingChosen = "NicSeNavybralo";

void CreateTables(engine::Database& db, engine::TableSet set) {
  engine::Transaction tx(db);
  for (const engine::SchemaTable& table : engine::SchemaTables(set)) {
    if (!db.TableExists(table.name)) db.CreateTable(engine::DefinitionOf(table));
  }
  tx.Commit();
}

}  // namespace

void CreatePlanDatabase(const std::string& directory) {
  if (platform::FindInDirectory(directory, engine::kDatabaseFileName))
    throw engine::EngineError("V adresáři \"" + directory + "\" už databáze plánu je.");
  platform::ForceDirectories(directory);
  engine::Database plan = engine::Database::Open(directory);
  CreateTables(plan, engine::TableSet::kPlan);
  const std::string phs = engine::PhsDirectoryOf(directory);
  platform::ForceDirectories(phs);
  engine::Database plan_wide = engine::Database::Open(phs);
  CreateTables(plan_wide, engine::TableSet::kPhs);
}

ImportResult ImportNumerical(plan::TLesniCelek& unit, const ImportOptions& options) {
  ImportResult result;
  // The volume properties read the document's values under bark when the box says so.
  forest::Flags().odkorneno = options.odkorneno;
  std::optional<std::string> chosen =
      platform::ui().Select({true, kChooseImportFile, unit.adresarObecnychDatLHP(), "*.xml",
                             platform::SelectionForm::kNarrow});
  result.file = chosen && !chosen->empty() ? *chosen : std::string(kNothingChosen);
  if (!platform::FileExists(result.file)) {
    platform::ui().ShowMessage("Soubor \"" + result.file + "\" neexistuje!",
                               platform::Severity::kFailure);
    result.status = ImportResult::Status::kMissingFile;
    return result;
  }
  const plan::PlanSource::ImportTarget writable = unit.Source().WritableDatabase();
  if (!writable.plan) {
    platform::ui().ShowMessage(
        "Import z XML je možný jen do plánovací databáze (Merk 98); data celku jsou jiného druhu.",
        platform::Severity::kFailure);
    return result;
  }
  islh::XmlImportTarget target;
  target.plan = *writable.plan;
  if (writable.phs) target.phs_file = writable.phs->file_path();
  // The window writes the colour columns; without metadata every value has the default colour.
  target.no_colours = false;
  target.national_park = writable.national_park;
  try {
    islh::XmlImportResult imported = islh::ImportFromXml(unit, target, result.file);
    result.compartments = imported.compartments;
    result.elements = std::move(imported.elements);
    result.rows = std::move(imported.rows);
    switch (imported.status) {
      case islh::XmlImportResult::Status::kDone:
        result.status = ImportResult::Status::kDone;
        break;
      case islh::XmlImportResult::Status::kMissingFile:
        result.status = ImportResult::Status::kMissingFile;
        break;
      case islh::XmlImportResult::Status::kQuit:
        result.status = ImportResult::Status::kQuit;
        break;
    }
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(
        std::string(e.what()) + "\r\nImport nebyl proveden, databáze zůstaly beze změny.",
        platform::Severity::kFailure);
    result.status = ImportResult::Status::kFailed;
  }
  return result;
}

}  // namespace tarnik::app
