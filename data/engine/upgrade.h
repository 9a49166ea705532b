// Brings the tables of an opened current-set plan directory and of its PHS directory up to the
// full column set of the schema: each rule adds its columns when the trigger column is missing
// (only the columns still missing, all of a rule or none), the use texts of the non-forest land
// are widened to 70 characters, and the messages the rules name are shown through the Ui. A rule
// that fails is reported and leaves its table as it was; nothing else stops. A directory that is
// already current runs no statement.
#pragma once

#include <string>
#include <vector>

#include "data/engine/database.h"

namespace tarnik::engine {

struct UpgradeReport {
  std::vector<std::string> statements;  // every statement run, in order
  std::vector<std::string> failures;    // "<table>: <engine message>" of each failed rule
  bool empty() const { return statements.empty() && failures.empty(); }
  void Append(const UpgradeReport& other);
};

struct UpgradeOptions {
  bool national_park = false;  // the national-park columns too (phs.ini VerzeProNarodniPark)
};

// The plan tables of DB_TX98.
UpgradeReport UpgradePlanTables(Database& plan, const UpgradeOptions& options = {});
// The plan-wide tables of DB_PHS98.
UpgradeReport UpgradePhsTables(Database& phs);

// Widens a text column to `width` characters through an auxiliary column "<column>_pom" in six
// steps (add the auxiliary column, copy, drop, add again wider, copy back, drop the auxiliary
// column). The steps run in one transaction and stop at the first failing one, which rolls all
// of them back: the column and its texts are never lost. Nothing runs when the column is missing
// or already wide enough.
UpgradeReport WidenTextColumn(Database& db, const std::string& table, const std::string& column,
                              int width);

// The steps the writers run before they write: LHO of the unit row (message "Nejde přidat LHO
// do tabulky LHC" on failure; answers whether the column exists afterwards) and the TBH columns of
// the stand layers.
bool EnsureLhoColumn(Database& plan, UpgradeReport* report = nullptr);
void EnsureTbhColumns(Database& plan, UpgradeReport* report = nullptr);

}  // namespace tarnik::engine
