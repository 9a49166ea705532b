// The loaded forest unit as the export sees it. While one compartment is written, the unit's
// plan-wide code lists (the PHS sibling database) are read in one read transaction: the many
// look-ups of a compartment need no lock each, and a compartment is written from one state of
// the lists. It ends before the next compartment is read, at the end of the unit and with the
// adapter.
#pragma once

#include <optional>
#include <string>

#include "data/engine/database.h"
#include "islh/export_unit.h"

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::app {

class TLesniCelekExportUnit : public islh::TExportUnit {
 public:
  explicit TLesniCelekExportUnit(plan::TLesniCelek& unit) : unit_(unit) {}
  ~TLesniCelekExportUnit() override;
  TLesniCelekExportUnit(const TLesniCelekExportUnit&) = delete;
  TLesniCelekExportUnit& operator=(const TLesniCelekExportUnit&) = delete;

  bool CanReadCompartments() override;
  plan::TLHC* LHC() override;
  plan::TCiselKelva* CiselKelva() override;
  void ZnovuNacti() override;
  bool JeKonec() override;
  void NactiDalsiOddeleni(bool show_progress) override;
  framework::TElement* AsElement() override;
  std::string adresarObecnychDatLHP() override;

  // Whether the read transaction over the plan-wide lists is open (for tests).
  bool HoldsListSnapshot() const { return lists_.has_value(); }

 private:
  void HoldLists();
  void ReleaseLists();

  plan::TLesniCelek& unit_;
  std::optional<engine::Database> lists_;  // shares the connection, so it cannot dangle
};

}  // namespace tarnik::app
