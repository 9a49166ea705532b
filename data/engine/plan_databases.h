// Locating and opening the databases of one plan source: the plan directory (DB_TX98, or DB_TX
// for the older table set), its PHS sibling (DB_PHS98) and the program's code lists (DB_CIS98).
// Opening a current-set plan writes to it: missing plan-wide tables are created and old tables
// are brought up to the full column set, so tests always open a copy. A PlanDatabases owns its
// AliasSet; the Database handles it gives out stay valid while it lives. Open throws EngineError
// when the plan directory cannot be opened; everything after that is reported, not thrown.
#pragma once

#include <optional>
#include <string>

#include "data/engine/aliases.h"
#include "data/engine/database.h"
#include "data/engine/phs_switches.h"
#include "data/engine/schema.h"
#include "data/engine/upgrade.h"

namespace tarnik::engine {

// The text a cancelled selection dialog answers.
inline constexpr const char* kNothingChosen = "NicSeNavybralo";

// The plan data directory: `fixed` when the caller already knows the source; otherwise the
// stored directory, which the user confirms in the directory dialog unless vekta.ini says
// MANAGER=NE; the choice is stored back as "PATH=<dir>". Nothing chosen: shows "Neúspěšné
// otevření souboru s údaji." and answers nullopt (the program then ends).
std::optional<std::string> LocateDataDirectory(bool older_set,
                                               const std::optional<std::string>& fixed = {});

struct PlanOpenOptions {
  bool older_set = false;  // the older table set: aliases DB_TX, DB_PHS, DB_CIS, no upgrade
};

class PlanDatabases {
 public:
  static PlanDatabases Open(const std::string& data_directory, const PlanOpenOptions& options = {});

  AliasSet& aliases() { return aliases_; }
  Database& plan();
  // nullptr when PHS access is off (PristupPHS=NE) or the PHS directory does not exist.
  Database* phs();
  // nullptr when the program directory has no code lists.
  Database* code_lists();

  const std::string& data_directory() const { return data_directory_; }
  const std::string& phs_directory() const { return phs_directory_; }
  const std::string& code_list_directory() const { return code_list_directory_; }
  const PhsSwitches& switches() const { return switches_; }
  // What opening changed: the statements of the upgrade and of the tables created.
  const UpgradeReport& changes() const { return changes_; }
  bool older_set() const { return older_set_; }

  const char* plan_alias() const { return older_set_ ? kAliasOlderPlan : kAliasPlan; }
  const char* phs_alias() const { return older_set_ ? kAliasOlderPhs : kAliasPhs; }
  const char* code_list_alias() const {
    return older_set_ ? kAliasOlderCodeLists : kAliasCodeLists;
  }

 private:
  PlanDatabases() = default;
  void CreateMissingTables(Database& db, TableSet set, const std::vector<std::string>& names);

  AliasSet aliases_;
  std::string data_directory_, phs_directory_, code_list_directory_;
  PhsSwitches switches_;
  UpgradeReport changes_;
  bool older_set_ = false;
};

}  // namespace tarnik::engine
