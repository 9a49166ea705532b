// The plan tables of one opened plan directory, linked the way the plan readers walk them:
// TB_ODD (ODDELENI) > TB_DL (DILEC) > TB_Porost (POROST) > TB_SK (PS) > TB_ETAZ (ETAZ) > TB_DR
// (DREVINA) > Tb_Poskoz (POSKOZ) as master-detail on VAZBA, the remarks, overlays, statuses and
// plots on their masters, and the four proposal views of NAVRH (TB_ZAL, TB_TEZOB, TB_NAVRH,
// TB_Pror) limited by an index range to the current layer and their kinds, re-applied whenever
// the current layer changes. A table the directory lacks is answered as nullptr. PlanTables owns
// its tables; Close (also run by the destructor) posts pending edits and closes them in order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/table.h"

namespace tarnik::engine {

// The kinds of each proposal view, both ends inclusive.
struct ProposalView {
  const char* name;
  int first_kind;
  int last_kind;
};
const std::vector<ProposalView>& ProposalViews();

class PlanTables {
 public:
  // Opens the plan tables of `plan`; for the older set the other plots and the other land hang on
  // the compartment instead of the stand.
  explicit PlanTables(Database plan, bool older_set = false);
  ~PlanTables();
  PlanTables(const PlanTables&) = delete;
  PlanTables& operator=(const PlanTables&) = delete;

  // A table by its container name ("TB_ODD", "Tb_Poskoz", "TB_TEZOB", ...); nullptr when the
  // directory lacks it or after Close.
  Table* Get(std::string_view name);
  Database& database() { return plan_; }

  // Limits the proposal views to the current layer (an empty range without one).
  void ApplyProposalRanges();
  // Deletes every row of a proposal view within its range, from the last row backwards.
  void EmptyProposalView(Table& view);
  // A new identifier for a table key from ID (the ID table is flushed at once).
  int64_t NewIdentifier(const std::string& table_key);
  // Stores the row being appended to `table` (its VAZBA already set by the master link or the
  // caller) with a new identifier for `table_key` and answers the identifier. When the table
  // shows no rows afterwards the user is told "Po přidání ID nejsou v tabulce "<name>" žádné
  // řádky.". POSKOZ rows get no identifier: use Post for them.
  int64_t PostWithNewIdentifier(Table& table, const std::string& table_key);

  void Close();

 private:
  Table* Open(const std::string& name, const std::string& table);
  void Link(const std::string& detail, const std::string& master, const std::string& field);

  Database plan_;
  std::vector<std::pair<std::string, std::unique_ptr<Table>>> tables_;
  // Every proposal of the current layer, read once for the four views.
  std::unique_ptr<Table> layer_proposals_;
  // The layer and snapshot the views' ranges were last set for.
  Value applied_layer_;
  std::optional<Database::Snapshot> applied_snapshot_;
};

}  // namespace tarnik::engine
