#include "data/sources/merk/merk_source.h"

#include <fmt/format.h>

#include <exception>

#include "data/engine/table.h"
#include "data/sources/merk/plan_readers.h"
#include "data/sources/merk/row_access.h"
#include "forest/codelists/code_list_container.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"

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

MerkSource::MerkSource(std::string directory, uint8_t kind)
    : directory_(std::move(directory)), kind_(kind) {}

MerkSource::~MerkSource() { Close(); }

std::string MerkSource::ReaderName() const {
  return older_set() ? "Merk97-Paradox" : "Merk98-Paradox";
}

std::string MerkSource::ZdrojNazev() const {
  if (databases_) return databases_->data_directory();
  return platform::ResolvePath(platform::AbsolutePath(platform::NormalizePath(directory_)));
}

std::string MerkSource::PHSNazev() const {
  if (databases_) return databases_->phs_directory();
  return platform::ResolvePath(engine::PhsDirectoryOf(ZdrojNazev()));
}

std::string MerkSource::AdresarTabulky_TBSepMaj() const {
  return platform::JoinPath(ZdrojNazev(), "TBSepMaj.DB");
}

bool MerkSource::Open(TLesniCelek& unit) {
  if (databases_) return true;
  try {
    databases_ = std::make_unique<engine::PlanDatabases>(engine::PlanDatabases::Open(
        platform::NormalizePath(directory_), {.older_set = older_set()}));
    tables_ = std::make_unique<engine::PlanTables>(databases_->plan(), older_set());
    column_maps_ = std::make_unique<readers::ColumnMapStore>();
    BindCodeLists(*unit.Ciselnik());
  } catch (const std::exception& e) {
    Close();
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
  return databases_ != nullptr;
}

void MerkSource::Close() {
  lent_.clear();
  column_maps_.reset();
  tables_.reset();
  databases_.reset();
}

engine::Database* MerkSource::CodeListDatabase() {
  return databases_ ? databases_->phs() : nullptr;
}

PlanSource::ImportTarget MerkSource::WritableDatabase() {
  if (!databases_ || older_set()) return {};
  return {&databases_->plan(), databases_->phs(), databases_->switches().VerzeProNarodniPark};
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

bool MerkSource::ListCompartments(TLesniCelek& unit, CompartmentList& out) {
  if (!Open(unit)) return false;
  platform::ui().SetStatus(older_set() ? "Načítám  seznam oddělení z merku97"
                                       : "Načítám  seznam oddělení z merku98");
  try {
    for (int64_t number : CompartmentNumbers(
             [](long position, long max) { platform::ui().Progress(position, max); }))
      out.Add(std::to_string(number));
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
  platform::ui().Progress(0, 0);
  return true;
}

PlanReadContext MerkSource::ReadContext(TLesniCelek& unit) {
  PlanReadContext ctx;
  ctx.tables = tables_.get();
  ctx.ciselnik = unit.CiselKelva();
  ctx.older_set = older_set();
  ctx.no_colours = unit.BezBarev();
  ctx.national_park = kind_ == kSourceMerk98 && databases_->switches().VerzeProNarodniPark;
  ctx.progress = unit.LogLine();
  ctx.code_lists = unit.Ciselnik();
  ctx.column_maps = column_maps_.get();
  return ctx;
}

bool MerkSource::ReadHeader(TLesniCelek& unit) {
  if (!Open(unit)) return false;
  try {
    PlanReadContext ctx = ReadContext(unit);
    NactiHlavickuLHC(*unit.LHC(), ctx);
    unit.LHC()->SetPropertyBoolean("VerzeProPark1", ctx.national_park);
    unit.SetAdresarStandardu(ZdrojNazev());
    engine::Table* odd = Compartments();
    if (!odd) return false;
    exhausted_ = false;
    odd->First();
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

TOddeleni* MerkSource::ReadCompartment(TLesniCelek& unit, bool /*show_progress*/) {
  if (!databases_) return nullptr;
  engine::Table* odd = Compartments();
  if (!odd || odd->Eof()) return nullptr;
  const int64_t row = odd->RecNo();
  TOddeleni* compartment = nullptr;
  try {
    // One read transaction per compartment: the database is locked and checked once instead of
    // for every row the readers visit.
    engine::Transaction read(tables_->database());
    PlanReadContext ctx = ReadContext(unit);
    compartment = NactiOddeleni(ctx);
    read.Commit();
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kPassedOver);
  }
  if (!compartment) {
    try {
      if (!odd->Eof() && odd->RecNo() == row) odd->Next();
    } catch (const std::exception& e) {
      platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    }
    if (!odd->Eof() && odd->RecNo() == row) exhausted_ = true;
    return nullptr;
  }
  unit.Log(
      fmt::format("Z merku {} načteno oddělení {}", older_set() ? "97" : "98", compartment->ODD()));
  return compartment;
}

bool MerkSource::AtEnd() {
  if (!databases_ || exhausted_) return true;
  engine::Table* odd = Compartments();
  return !odd || odd->Eof();
}

}  // namespace tarnik::plan
