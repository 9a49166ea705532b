// The planning-database source of a forest unit (the Merk 97 and Merk 98 data-entry databases):
// the opened plan, PHS and code-list databases with the plan tables linked for the readers, the
// plan-wide tables lent to the unit's code-list container, and the compartment numbers of the
// ODDELENI table. The Merk 97 database is the older table set. Opening throws EngineError when
// the plan directory cannot be opened; everything after that is reported, not thrown.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/engine/plan_databases.h"
#include "data/engine/plan_tables.h"

namespace tarnik::plan {

class tciselnik;
namespace readers {
class ColumnMapStore;
}

class MerkSource {
 public:
  MerkSource(const std::string& directory, bool older_set);
  ~MerkSource();
  MerkSource(const MerkSource&) = delete;
  MerkSource& operator=(const MerkSource&) = delete;

  bool older_set() const { return older_set_; }
  engine::PlanDatabases& databases() { return *databases_; }
  engine::PlanTables& tables() { return *tables_; }
  readers::ColumnMapStore* column_maps() { return column_maps_.get(); }
  // TB_ODD, the compartment table the readers walk; nullptr when the directory lacks it.
  engine::Table* Compartments() { return tables_->Get("TB_ODD"); }
  // The data directory and the PHS directory as the databases are connected.
  const std::string& DataDirectory() const { return databases_->data_directory(); }
  const std::string& PhsDirectory() const { return databases_->phs_directory(); }
  bool NationalPark() const { return databases_->switches().VerzeProNarodniPark; }

  // The ODD values of every row of ODDELENI in table order; `step` is called with the position
  // and the record count every 10 records (and once at the start).
  std::vector<int64_t> CompartmentNumbers(const std::function<void(long, long)>& step);

  // Binds the plan-wide tables of the PHS database into the container's lists (Tb_HS,
  // tb_Majetky, Tb_PorKtg1, ...); tables the PHS database lacks stay unbound. The container must
  // not outlive this source while bound: Unbind drops the bindings again.
  void BindCodeLists(tciselnik& container);
  void UnbindCodeLists(tciselnik& container);

 private:
  bool older_set_;
  std::unique_ptr<engine::PlanDatabases> databases_;
  std::unique_ptr<engine::PlanTables> tables_;
  // The readers' column positions in tables_, kept from one compartment to the next.
  std::unique_ptr<readers::ColumnMapStore> column_maps_;
  std::vector<std::pair<std::string, std::unique_ptr<engine::Table>>> lent_;
};

}  // namespace tarnik::plan
