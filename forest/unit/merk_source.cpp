#include "forest/unit/merk_source.h"

#include <exception>

#include "data/codelists/code_list_container.h"
#include "data/engine/table.h"
#include "data/readers/row_access.h"

namespace tarnik::plan {
namespace {

struct LentTable {
  const char* list;   // the container's list property
  const char* table;  // the plan-wide table
};

const std::vector<LentTable>& LentTables() {
  static const std::vector<LentTable> tables = {
      {"Tb_PorPO", "PorPO"},       {"Tb_PorPP", "PorPP"},       {"Tb_PorPR", "PorPR"},
      {"Tb_PorNPP", "PorNPP"},     {"Tb_PorNPR", "PorNPR"},     {"Tb_PorEVL", "PorEVL"},
      {"Tb_PorSCHU", "PorSCHU"},   {"Tb_PorNP", "PorNP"},       {"Tb_PorCHKO", "PorCHKO"},
      {"Tb_PorZvl", "PorZvl"},     {"Tb_PorKtg", "PorKtg"},     {"Tb_PorKtg1", "KATEGPOR"},
      {"tb_PLT_LT", "PLT_LT"},     {"Tb_PorZvlSt", "ZvlStPOR"}, {"Tb_HS", "TAB_HS"},
      {"tb_Majetky", "MAJETKY"},   {"tb_Katastry", "KATASTRY"}, {"tb_OLH", "OLH"},
      {"Tb_OrgUr1", "ORGUR1"},     {"Tb_OrgUr2", "ORGUR2"},     {"Tb_OrgUr3", "ORGUR3"},
      {"TB_Mel_Drev", "MEL_DREV"},
  };
  return tables;
}

}  // namespace

MerkSource::MerkSource(const std::string& directory, bool older_set) : older_set_(older_set) {
  databases_ = std::make_unique<engine::PlanDatabases>(
      engine::PlanDatabases::Open(directory, {.older_set = older_set}));
  tables_ = std::make_unique<engine::PlanTables>(databases_->plan(), older_set);
  column_maps_ = std::make_unique<readers::ColumnMapStore>();
}

MerkSource::~MerkSource() {
  lent_.clear();
  column_maps_.reset();
  tables_.reset();
}

std::vector<int64_t> MerkSource::CompartmentNumbers(const std::function<void(long, long)>& step) {
  std::vector<int64_t> numbers;
  engine::Database& plan = databases_->plan();
  if (!plan.TableExists("ODDELENI")) return numbers;
  // A table of its own, so that walking it moves no detail tables of the readers.
  engine::Table table(plan, "ODDELENI");
  const long count = static_cast<long>(table.RecordCount());
  if (step) step(0, count);
  long position = 0;
  for (table.First(); !table.Eof(); table.Next()) {
    numbers.push_back(table.AsInteger("ODD"));
    if (++position % 10 == 0 && step) step(position, count);
  }
  return numbers;
}

void MerkSource::BindCodeLists(tciselnik& container) {
  engine::Database* phs = databases_->phs();
  if (!phs) return;
  for (const LentTable& lent : LentTables()) {
    if (!phs->TableExists(lent.table)) continue;
    try {
      auto table = std::make_unique<engine::Table>(*phs, lent.table);
      container.Lists().tables().Bind(lent.list, table.get());
      lent_.emplace_back(lent.list, std::move(table));
    } catch (const std::exception&) {
      // A table that does not open stays unbound; the lookups answer as for a missing list.
    }
  }
}

void MerkSource::UnbindCodeLists(tciselnik& container) {
  for (const auto& [list, table] : lent_) container.Lists().tables().Bind(list, nullptr);
}

}  // namespace tarnik::plan
