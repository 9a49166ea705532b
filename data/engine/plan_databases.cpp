#include "data/engine/plan_databases.h"

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/identifiers.h"
#include "data/engine/schema.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::engine {

std::optional<std::string> LocateDataDirectory(bool older_set,
                                               const std::optional<std::string>& fixed) {
  if (fixed) return fixed;
  DatabaseSettings settings = ReadDatabaseSettings();
  std::string stored = DirectoryOfParameter(settings.data_parameter);
  if (!settings.manager) return stored;
  auto chosen = platform::ui().ChooseDirectory(
      older_set ? "Vyhledej adresář dat merku97." : "Vyhledej adresář dat merku.", stored);
  if (!chosen || *chosen == kNothingChosen || chosen->empty()) {
    platform::ui().ShowMessage("Neúspěšné otevření souboru s údaji.", platform::Severity::kFailure);
    return std::nullopt;
  }
  StoreDataDirectory(*chosen);
  return chosen;
}

namespace {
// The file name the messages give for a table.
std::string MessageName(const std::string& table) {
  if (platform::SameTextCz(table, "CisSCHU")) return "CisSchu.DB";
  return table + ".DB";
}
std::string NotConvertedMessage(const std::string& dir) {
  return fmt::format(
      "Tabulky Paradox v adresáři \"{}\" ještě nejsou převedeny; převeďte je příkazem "
      "\"tarnik convert-paradox {}\".",
      dir, dir);
}

void RequireDatabase(const std::string& dir) {
  if (!platform::DirectoryExists(dir))
    throw EngineError(fmt::format("Adresář dat \"{}\" neexistuje.", dir));
  if (HoldsParadoxTablesOnly(dir)) throw EngineError(NotConvertedMessage(dir));
  if (!platform::FindInDirectory(dir, kDatabaseFileName))
    throw EngineError(fmt::format("V adresáři \"{}\" nejsou žádné tabulky plánu.", dir));
}
}  // namespace

void PlanDatabases::CreateMissingTables(Database& db, TableSet set,
                                        const std::vector<std::string>& names) {
  for (const auto& name : names) {
    if (db.TableExists(name)) continue;
    const SchemaTable* schema = FindSchemaTable(set, name);
    try {
      if (!schema) throw EngineError(fmt::format("Tabulka \"{}\" chybí ve schématu.", name));
      db.CreateTable(DefinitionOf(*schema, {.national_park = switches_.VerzeProNarodniPark}));
      changes_.statements.push_back(fmt::format("CREATE TABLE {}", name));
    } catch (const EngineError& e) {
      changes_.failures.push_back(fmt::format("{}: {}", name, e.what()));
      platform::ui().ShowMessage(fmt::format("nemuzu vytvorit tabulku \"{}\"", MessageName(name)),
                                 platform::Severity::kFailure);
    }
  }
}

PlanDatabases PlanDatabases::Open(const std::string& data_directory,
                                  const PlanOpenOptions& options) {
  PlanDatabases p;
  p.older_set_ = options.older_set;
  std::string dir = platform::StartsWithNoCase(data_directory, "PATH=")
                        ? DirectoryOfParameter(data_directory)
                        : platform::NormalizePath(data_directory);
  p.data_directory_ = platform::ResolvePath(platform::AbsolutePath(dir));
  // Opening never makes a database where there was none: a wrong directory or one whose Paradox
  // tables were not converted yet would otherwise look like an empty plan.
  RequireDatabase(p.data_directory_);
  p.aliases_.Bind(p.plan_alias(), p.data_directory_);
  Database& plan = p.aliases_.Get(p.plan_alias());

  DatabaseSettings settings = ReadDatabaseSettings();
  p.phs_directory_ = platform::ResolvePath(PhsDirectoryOf(p.data_directory_));
  if (settings.phs_access && platform::DirectoryExists(p.phs_directory_)) {
    if (HoldsParadoxTablesOnly(p.phs_directory_)) {
      std::string text = NotConvertedMessage(p.phs_directory_);
      p.changes_.failures.push_back(text);
      platform::ui().ShowMessage(text, platform::Severity::kFailure);
    } else {
      p.aliases_.Bind(p.phs_alias(), p.phs_directory_);
    }
  }
  p.code_list_directory_ = options.older_set ? OlderCodeListDirectory() : CodeListDirectory();
  if (platform::FileExists(platform::JoinPath(p.code_list_directory_, kDatabaseFileName)))
    p.aliases_.Bind(p.code_list_alias(), p.code_list_directory_, OpenMode::kReadOnly);
  p.switches_ = ReadPhsSwitches(p.phs_directory_, CodeListDirectory());
  if (options.older_set) return p;

  if (Database* phs = p.phs()) {
    p.CreateMissingTables(*phs, TableSet::kPhs, PhsTablesCreatedWhenMissing());
    p.changes_.Append(UpgradePhsTables(*phs));
  }
  p.CreateMissingTables(plan, TableSet::kPlan, PlanTablesCreatedWhenMissing());
  p.changes_.Append(UpgradePlanTables(plan, {.national_park = p.switches_.VerzeProNarodniPark}));
  return p;
}

Database& PlanDatabases::plan() { return aliases_.Get(plan_alias()); }

Database* PlanDatabases::phs() {
  if (!aliases_.IsBound(phs_alias())) return nullptr;
  try {
    return &aliases_.Get(phs_alias());
  } catch (const EngineError&) {
    aliases_.Unbind(phs_alias());
    return nullptr;
  }
}

Database* PlanDatabases::code_lists() {
  if (!aliases_.IsBound(code_list_alias())) return nullptr;
  try {
    return &aliases_.Get(code_list_alias());
  } catch (const EngineError&) {
    aliases_.Unbind(code_list_alias());
    return nullptr;
  }
}

}  // namespace tarnik::engine
