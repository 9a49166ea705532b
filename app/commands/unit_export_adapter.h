// The loaded forest unit as the export sees it.
#pragma once

#include <string>

#include "islh/export_unit.h"

namespace tarnik::plan {
class TLesniCelek;
}

namespace tarnik::app {

class TLesniCelekExportUnit : public islh::TExportUnit {
 public:
  explicit TLesniCelekExportUnit(plan::TLesniCelek& unit) : unit_(unit) {}

  plan::TLHC* LHC() override;
  plan::TCiselKelva* CiselKelva() override;
  void ZnovuNacti() override;
  bool JeKonec() override;
  void NactiDalsiOddeleni(bool show_progress) override;
  framework::TElement* AsElement() override;
  std::string adresarObecnychDatLHP() override;

 private:
  plan::TLesniCelek& unit_;
};

}  // namespace tarnik::app
