// The maintenance of the LČR plan database ("LHP_ORAC"): copying a whole unit version into
// another database ("LHP_NOVA") with a commit every 100 rows of each table, renumbering and
// deleting a unit version table by table, and the selections of parts of a unit version
// (compartments, stands, stand groups, non-forest and other plots) copied or deleted inside one
// transaction that ends by commit or rollback. Every value travels as a bound parameter;
// designations compare without trailing blanks on both sides. Progress and log texts go to the
// given outlet; a row that cannot be inserted is logged and the copy goes on. Database failures
// other than a row's insert propagate as EngineError.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/engine/sql_connection.h"
#include "data/sources/oracle/unit_choice.h"

namespace tarnik::plan::lcr {

using Log = std::function<void(const std::string&)>;

enum class CopyMode { kWholeUnit, kParts };

// The tables of a unit version in the order a whole-unit copy writes them (after LHC).
const std::vector<std::string>& CopiedTables();
// The order of renumbering (LHC last) and of deleting (without LHC, which follows on its own).
const std::vector<std::string>& RenumberedTables();
const std::vector<std::string>& DeletedTables();

// A condition of bound values ("LHC_KOD = ? and ...").
struct Condition {
  std::string sql;
  std::vector<engine::Value> params;
  Condition And(const std::string& column, engine::Value value) const;
  Condition AndDesignation(const std::string& column, const std::string& value) const;
};
Condition UnitCondition(int64_t code, int64_t version);

// The unit list of a database, ordered by code and version.
std::vector<LcrUnitVersion> ListUnits(engine::SqlConnection& db);
bool UnitExists(engine::SqlConnection& db, int64_t code, int64_t version);

// What a copy did.
struct CopyCount {
  int64_t copied = 0;
  int64_t lost = 0;  // rows that could not be inserted
  CopyCount& operator+=(const CopyCount& o) {
    copied += o.copied;
    lost += o.lost;
    return *this;
  }
};

// Inserts the current row of `row` into `table` of `target` under the new code and version (and
// ODD_ID when given); a column of a type that cannot travel gets NULL after the message
// "Bacha,Bacha fieldName "<name>"=<type>". In the parts mode a failed insert with an ODD_ID other
// than -1 is tried once more with ODD_ID -1. Answers whether the row was inserted.
bool VlozRadek(engine::SqlConnection& target, const engine::SqlResult& row,
               const std::string& table, int64_t code, int64_t version,
               std::optional<int64_t> odd_id, CopyMode mode, const Log& log);

// Copies the rows of `table` that `where` selects in `source` into `target`. The whole-unit mode
// commits `target` after every 100 rows and at the end; the parts mode leaves everything in the
// open transaction.
CopyCount KopirujTabulku(engine::SqlConnection& source, engine::SqlConnection& target,
                         const std::string& table, const Condition& where, int64_t code,
                         int64_t version, std::optional<int64_t> odd_id, CopyMode mode,
                         const Log& log);

// The whole unit version `from` of `source` into `target` as `to` (which must not exist there).
// Logs "Hotovo - zkopírováno LHC", or how many rows were lost.
CopyCount KopirujLHC(engine::SqlConnection& source, engine::SqlConnection& target,
                     const LcrUnitVersion& from, const LcrUnitVersion& to, const Log& log);
// Renumbers `from` to `to` in one database, committing table by table.
void PrecislujLHC(engine::SqlConnection& db, const LcrUnitVersion& from, const LcrUnitVersion& to,
                  const Log& log);
// Deletes the unit version, committing table by table (it cannot be undone).
void ZrusLHC(engine::SqlConnection& db, const LcrUnitVersion& unit, const Log& log);

// A selected part of a unit version: its level (1 compartment, 2 stand, 3 stand group, 4
// non-forest plot, 5 other plot; 0 nothing) and the designations the level needs.
struct Selection {
  int level = 0;
  int64_t odd = 0, odd_id = 0;
  std::string dil, por, psk;
  int64_t plot = 0, plot_id = 0;  // BZL/BZL_ID or JP/JP_ID
};
// The selection's condition within a unit version; nullopt for level 0.
std::optional<Condition> SelectionCondition(int64_t code, int64_t version, const Selection& s,
                                            std::optional<int64_t> odd_id = std::nullopt);

// The question "Výběr ODD_ID": the ODD_ID values the destination holds for the compartment
// number (at least one, in order); answers the ODD_ID to use (the dialog is prefilled with the
// first).
using OddIdChoice = std::function<int64_t(int64_t odd, const std::vector<int64_t>& odd_ids)>;

// The selections of one unit version with a destination in the same database, inside one
// transaction started when the selections open.
class Selections {
 public:
  // `db` outlives the selections; without `choose_odd_id` the first ODD_ID is taken.
  Selections(engine::SqlConnection& db, LcrUnitVersion unit, const Log& log,
             OddIdChoice choose_odd_id = nullptr);
  // Chooses the destination; false (with the message) when it does not exist.
  bool SetDestination(const LcrUnitVersion& destination);
  // Copies the selection into the destination; answers the final message ("Hotovo - ...",
  // "Nelze kopírovat, ... už existuje.", ...). The rows take the destination's ODD_ID when given;
  // otherwise, when the compartment number differs from the last one copied and the destination
  // holds that compartment, the "Výběr ODD_ID" question chooses one of its ODD_IDs, kept for the
  // compartment; a compartment the destination lacks keeps each row's own.
  std::string Kopiruj(const Selection& s, std::optional<int64_t> odd_id = std::nullopt);
  // Deletes the selection (forest land only with `forest_land_only`); `delete_empty_stand`
  // answers whether a stand left without groups and plots is deleted too.
  std::string Smaz(const Selection& s, bool forest_land_only,
                   const std::function<bool(const std::string&)>& delete_empty_stand);
  // Ends the transaction: `keep` commits, otherwise rolls back, when something was copied or
  // deleted; else commits silently. Answers the log text.
  std::string UkonciTransakci(bool keep);

 private:
  void EmptyStandCheck(const Selection& stand,
                       const std::function<bool(const std::string&)>& delete_empty_stand);
  std::optional<int64_t> DestinationOddId(int64_t odd);

  engine::SqlConnection& db_;
  LcrUnitVersion unit_;
  std::optional<LcrUnitVersion> destination_;
  bool deleted_ = false;
  Log log_;
  OddIdChoice choose_odd_id_;
  std::optional<int64_t> last_odd_;       // the compartment number handled last
  std::optional<int64_t> chosen_odd_id_;  // the destination ODD_ID chosen for it
};

}  // namespace tarnik::plan::lcr
