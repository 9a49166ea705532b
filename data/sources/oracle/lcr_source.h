// The LČR Oracle source of a forest unit (kind 9): the unit version chosen from T_LHC of the
// "LCR_ORAC" database (unit_choice.h), its compartment list from T_ODD, the header and every
// compartment of T_ODD in the database's order read by lcr_reader.h. The connection opens on
// first use and lends itself to the unit's LČR code lists while open. Failures are reported and
// answered as false; a compartment that fails is passed over and the walk goes on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "data/engine/sql_connection.h"
#include "forest/unit/plan_source.h"

namespace tarnik::plan {

inline constexpr uint8_t kSourceLcrOracle = 9;

class LcrOracleSource : public PlanSource {
 public:
  LcrOracleSource();
  ~LcrOracleSource() override;

  uint8_t Kind() const override { return kSourceLcrOracle; }
  std::string ReaderName() const override { return std::string(); }
  bool IsOpen() const override { return connection_ != nullptr; }
  void UnbindCodeLists(tciselnik& code_lists) override;
  bool ListCompartments(TLesniCelek& unit, CompartmentList& out) override;
  bool ReadHeader(TLesniCelek& unit) override;
  // Logs "Z merku 98 načteno oddělení <n>".
  TOddeleni* ReadCompartment(TLesniCelek& unit, bool show_progress) override;
  bool AtEnd() override { return !odd_; }

 private:
  bool Open(TLesniCelek& unit);
  void Advance();

  std::shared_ptr<engine::SqlConnection> connection_;
  int64_t code_ = 0, version_ = 0;
  std::unique_ptr<engine::SqlResult> odd_;  // on the row to read next; nil at the end
};

}  // namespace tarnik::plan
