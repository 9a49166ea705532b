// The source of a forest unit reached through the alias choice (kind 5): the LČR plan tables of
// the "LHP_ORAC" database, the unit version chosen from its LHC table (unit_choice.h), the
// compartment list from POROST and every compartment of the unit read by plan_set_reader.h. The
// connection opens on first use. Failures are reported and answered as false; a compartment that
// fails is passed over and the walk goes on with the next one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "data/engine/sql_connection.h"
#include "forest/unit/plan_source.h"

namespace tarnik::plan {

class PlanSetReader;

inline constexpr uint8_t kSourceAlias = 5;

class PlanSetSource : public PlanSource {
 public:
  PlanSetSource();
  ~PlanSetSource() override;

  uint8_t Kind() const override { return kSourceAlias; }
  std::string ReaderName() const override { return std::string(); }
  bool IsOpen() const override { return connection_ != nullptr; }
  void UnbindCodeLists(tciselnik&) override {}
  bool ListCompartments(TLesniCelek& unit, CompartmentList& out) override;
  // Logs "Z IDC načteny polozky LHC ".
  bool ReadHeader(TLesniCelek& unit) override;
  // Logs "Z merku 98 načteno oddělení <n>".
  TOddeleni* ReadCompartment(TLesniCelek& unit, bool show_progress) override;
  bool AtEnd() override;

 private:
  bool Open(TLesniCelek& unit);

  std::unique_ptr<engine::SqlConnection> connection_;
  int64_t code_ = 0, version_ = 0;
  std::unique_ptr<PlanSetReader> reader_;
};

}  // namespace tarnik::plan
