#include "data/engine/plan_tables.h"

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/identifiers.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::engine {

namespace {
// The proposal views keep the composite index of NAVRH; the range's last field is the ID.
constexpr const char* kProposalIndex = "Vazba;N_Druh_vykonu;ID";
constexpr int kLastProposalId = 900000;

// The order in which Close posts and closes the tables.
const std::vector<std::string>& CloseOrder() {
  static const std::vector<std::string> order = {
      "TB_SK",       "TB_ETAZ",  "TB_DR",  "TB_ZAL",  "TB_TEZOB",  "TB_NAVRH",    "TB_Pror",
      "Tb_Poskoz",   "TB_LHC",   "TB_ODD", "TB_DL",   "TB_Porost", "TB_POR_POZN", "TB_PS_POZN",
      "TB_PREKRYV1", "Tb_ZvlSt", "Tb_BZL", "Tb_jine", "Tb_OST",    "TB_ID"};
  return order;
}
}  // namespace

const std::vector<ProposalView>& ProposalViews() {
  static const std::vector<ProposalView> views = {
      {"TB_ZAL", 0, 7}, {"TB_TEZOB", 10, 10}, {"TB_NAVRH", 11, 11}, {"TB_Pror", 12, 12}};
  return views;
}

PlanTables::PlanTables(Database plan, bool older_set) : plan_(std::move(plan)) {
  Open("TB_LHC", "LHC");
  Open("TB_ODD", "ODDELENI");
  Open("TB_DL", "DILEC");
  Open("TB_Porost", "POROST");
  Open("TB_SK", "PS");
  Open("TB_ETAZ", "ETAZ");
  Open("TB_DR", "DREVINA");
  Open("Tb_Poskoz", "POSKOZ");
  Open("TB_POR_POZN", "POR_POZN");
  Open("TB_PS_POZN", "PS_POZN");
  Open("TB_PREKRYV1", "PREKRYV");
  Open("Tb_ZvlSt", "ZvlSt");
  Open("Tb_BZL", "BEZLESI");
  Open("Tb_jine", "JINE_POZ");
  Open("Tb_OST", "OST_POZ");
  Open("TB_ID", "ID");
  for (const auto& v : ProposalViews()) {
    if (Table* t = Open(v.name, "NAVRH")) t->SetIndexFieldNames(kProposalIndex);
  }
  if (plan_.TableExists("NAVRH")) {
    layer_proposals_ = std::make_unique<Table>(plan_, "NAVRH", /*load_rows=*/false);
    layer_proposals_->SetIndexFieldNames(kProposalIndex);
  }
  Link("TB_DL", "TB_ODD", "VAZBA");
  Link("TB_Porost", "TB_DL", "VAZBA");
  Link("TB_SK", "TB_Porost", "VAZBA");
  Link("TB_POR_POZN", "TB_Porost", "VAZBA");
  Link("TB_PREKRYV1", "TB_Porost", "VAZBA");
  Link("Tb_ZvlSt", "TB_Porost", "VAZBA");
  Link("Tb_BZL", "TB_Porost", "VAZBA");
  Link("Tb_jine", older_set ? "TB_ODD" : "TB_Porost", "VAZBA");
  Link("Tb_OST", older_set ? "TB_ODD" : "TB_Porost", "VAZBA");
  Link("TB_PS_POZN", "TB_SK", "Vazba");
  Link("TB_ETAZ", "TB_SK", "VAZBA");
  Link("TB_DR", "TB_ETAZ", "VAZBA");
  Link("Tb_Poskoz", "TB_DR", "Vazba");
  if (Table* etaz = Get("TB_ETAZ")) {
    // The layer's proposals follow the layer table (read for a whole compartment at once) and
    // feed the four views.
    if (layer_proposals_) layer_proposals_->SetMaster(etaz, "Vazba");
    etaz->SetAfterScroll([this](Table&) { ApplyProposalRanges(); });
  }
  ApplyProposalRanges();
  // Rows are read only now, masters first and the proposal views last, so that no detail table
  // is ever read whole.
  for (auto& [name, table] : tables_) table->Resume();
}

PlanTables::~PlanTables() {
  try {
    Close();
  } catch (...) {
  }
}

Table* PlanTables::Open(const std::string& name, const std::string& table) {
  if (!plan_.TableExists(table)) return nullptr;
  tables_.emplace_back(name, std::make_unique<Table>(plan_, table, /*load_rows=*/false));
  return tables_.back().second.get();
}

Table* PlanTables::Get(std::string_view name) {
  // Callers mostly spell the names as they are registered; the Czech case rules decide the rest.
  for (auto& [n, t] : tables_) {
    if (n == name) return t.get();
  }
  for (auto& [n, t] : tables_) {
    if (platform::SameTextCz(n, name)) return t.get();
  }
  return nullptr;
}

void PlanTables::Link(const std::string& detail, const std::string& master,
                      const std::string& field) {
  Table* d = Get(detail);
  Table* m = Get(master);
  if (!d || !m) return;
  d->SetIndexFieldNames(field);
  d->SetMaster(m, field);
}

void PlanTables::ApplyProposalRanges() {
  Table* etaz = Get("TB_ETAZ");
  bool has_layer = etaz && !etaz->IsEmpty() && etaz->state() != TableState::kInsert;
  Value layer = has_layer ? etaz->GetValue("ID") : Value();
  // The layer table stands on the same layer again (its detail walk or a First after its master
  // moved) and nothing was written since: the views keep their rows and go back to the first.
  std::optional<Database::Snapshot> snapshot = plan_.CurrentSnapshot();
  if (!layer.is_null() && snapshot && applied_snapshot_ == snapshot && applied_layer_ == layer) {
    for (const auto& v : ProposalViews()) {
      if (Table* t = Get(v.name); t && !t->suspended()) t->First();
    }
    return;
  }
  applied_layer_ = layer;
  applied_snapshot_ = snapshot;
  // The proposals of the layer, read when the layer table moved, serve the four views.
  if (!layer.is_null() && layer_proposals_) layer_proposals_->Resume();
  for (const auto& v : ProposalViews()) {
    Table* t = Get(v.name);
    if (!t) continue;
    if (layer.is_null()) {
      t->SetRange({Value(1)}, {Value(0)});  // low above high: no rows
    } else if (layer_proposals_) {
      t->SetRangeFrom({layer, Value(v.first_kind), Value(0)},
                      {layer, Value(v.last_kind), Value(kLastProposalId)}, *layer_proposals_);
    } else {
      t->SetRange({layer, Value(v.first_kind), Value(0)},
                  {layer, Value(v.last_kind), Value(kLastProposalId)});
    }
  }
}

void PlanTables::EmptyProposalView(Table& view) {
  view.Cancel();
  while (!view.IsEmpty()) {
    view.Last();
    view.Delete();
  }
}

int64_t PlanTables::NewIdentifier(const std::string& table_key) {
  int64_t id = engine::NewIdentifier(plan_, table_key);
  if (Table* ids = Get("TB_ID")) ids->Refresh();
  return id;
}

int64_t PlanTables::PostWithNewIdentifier(Table& table, const std::string& table_key) {
  if (table.state() != TableState::kInsert)
    throw EngineError(fmt::format("Tabulka \"{}\" nepřidává řádek.", table.name()));
  int64_t id = NewIdentifier(table_key);
  table.SetInteger("ID", id);
  table.Post();
  if (table.IsEmpty())
    platform::ui().ShowMessage(
        fmt::format("Po přidání ID nejsou v tabulce \"{}\" žádné řádky.", table.name()),
        platform::Severity::kFailure);
  return id;
}

void PlanTables::Close() {
  if (tables_.empty()) return;
  if (Table* etaz = Get("TB_ETAZ")) etaz->SetAfterScroll(nullptr);
  for (const auto& name : CloseOrder()) {
    if (Table* t = Get(name)) t->Flush();
  }
  for (const auto& name : CloseOrder()) {
    for (auto& entry : tables_) {
      if (entry.first == name) entry.second.reset();
    }
  }
  tables_.clear();
  layer_proposals_.reset();
}

}  // namespace tarnik::engine
