// The planning-database source of a forest unit: the Merk 97 and Merk 98 data-entry databases
// (kinds 1 and 2; Merk 97 is the older table set). It opens the plan, PHS and code-list databases
// on first use, links the plan tables for the readers, lends the plan-wide tables to the unit's
// code-list container while open, lists the compartments of the ODDELENI table and walks the
// compartment table TB_ODD one compartment at a time. A failure to open is reported and answered
// as false; a compartment that fails is reported and passed over, and a table that cannot move
// on ends the data, so a walk always ends.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/engine/plan_databases.h"
#include "data/engine/plan_tables.h"
#include "forest/unit/plan_source.h"

namespace tarnik::plan {

struct PlanReadContext;
namespace readers {
class ColumnMapStore;
}

inline constexpr uint8_t kSourceMerk97 = 1;
inline constexpr uint8_t kSourceMerk98 = 2;

class MerkSource : public PlanSource {
 public:
  // `directory` is the located text (as the user chose it); `kind` kSourceMerk97 or 98.
  MerkSource(std::string directory, uint8_t kind);
  ~MerkSource() override;
  MerkSource(const MerkSource&) = delete;
  MerkSource& operator=(const MerkSource&) = delete;

  uint8_t Kind() const override { return kind_; }
  // "Merk97-Paradox" or "Merk98-Paradox".
  std::string ReaderName() const override;
  // The data directory and the PHS directory as the databases are connected (before opening, as
  // they will be).
  std::string ZdrojNazev() const override;
  std::string PHSNazev() const override;
  std::string AdresarTabulky_TBSepMaj() const override;
  bool HasStandardItemLists() const override { return true; }

  bool IsOpen() const override { return databases_ != nullptr; }
  void UnbindCodeLists(tciselnik& container) override;
  engine::Database* CodeListDatabase() override;
  // The open databases of a Merk 98 plan (the older table set takes no import).
  ImportTarget WritableDatabase() override;

  // The ODD values of ODDELENI in table order, under the status "Načítám  seznam oddělení z
  // merku97" (or 98) with the progress every 10 records.
  bool ListCompartments(TLesniCelek& unit, CompartmentList& out) override;
  // The header from TB_LHC, VerzeProPark1 from the PHS switches (Merk 98), AdresarStandardu :=
  // ZdrojNazev, and TB_ODD at its first row.
  bool ReadHeader(TLesniCelek& unit) override;
  // The compartment at TB_ODD's row in one read transaction; logs "Z merku 98 načteno oddělení
  // <n>" (or 97).
  TOddeleni* ReadCompartment(TLesniCelek& unit, bool show_progress) override;
  bool AtEnd() override;

 private:
  bool older_set() const { return kind_ == kSourceMerk97; }
  // The ODD values of every row of ODDELENI in table order; `step` is called with the position
  // and the record count every 10 records (and once at the start). Only while open.
  std::vector<int64_t> CompartmentNumbers(const std::function<void(long, long)>& step);
  // Opens the databases and binds the plan-wide tables into the unit's code lists; false after a
  // message.
  bool Open(TLesniCelek& unit);
  void Close();
  // Binds the plan-wide tables of the PHS database into the container's lists (Tb_HS,
  // tb_Majetky, Tb_PorKtg1, ...); tables the PHS database lacks stay unbound.
  void BindCodeLists(tciselnik& container);
  // TB_ODD, the compartment table the readers walk; nullptr when the directory lacks it.
  engine::Table* Compartments() { return tables_->Get("TB_ODD"); }
  PlanReadContext ReadContext(TLesniCelek& unit);

  std::string directory_;
  uint8_t kind_;
  std::unique_ptr<engine::PlanDatabases> databases_;
  std::unique_ptr<engine::PlanTables> tables_;
  // The readers' column positions in tables_, kept from one compartment to the next.
  std::unique_ptr<readers::ColumnMapStore> column_maps_;
  std::vector<std::pair<std::string, std::unique_ptr<engine::Table>>> lent_;
  bool exhausted_ = false;  // the compartment table could not move past a failed row
};

}  // namespace tarnik::plan
