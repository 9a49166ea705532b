// The unit as the window's exports see it: the export unit it wraps, with every compartment
// loaded reported to a step function (the compartment's number among all, their count and its
// ODD) so the window can move its progress bar and show the current compartment. The wrapped
// unit must outlive this one.
#pragma once

#include <functional>
#include <string>

#include "islh/export_unit.h"

namespace tarnik::gui {

using CompartmentStep = std::function<void(long position, long count, const std::string& odd)>;

class ProgressExportUnit : public islh::TExportUnit {
 public:
  // `count` is the number of compartments the walk goes through.
  ProgressExportUnit(islh::TExportUnit& inner, long count, CompartmentStep step)
      : inner_(inner), count_(count), step_(std::move(step)) {}

  bool CanReadCompartments() override { return inner_.CanReadCompartments(); }
  plan::TLHC* LHC() override { return inner_.LHC(); }
  plan::TCiselKelva* CiselKelva() override { return inner_.CiselKelva(); }
  void ZnovuNacti() override;
  bool JeKonec() override { return inner_.JeKonec(); }
  void NactiDalsiOddeleni(bool show_progress) override;
  plan::TOddeleni* AktualniOddeleni() override { return inner_.AktualniOddeleni(); }
  framework::TElement* AsElement() override { return inner_.AsElement(); }
  std::string adresarObecnychDatLHP() override { return inner_.adresarObecnychDatLHP(); }

  long position() const { return position_; }

 private:
  void Report();

  islh::TExportUnit& inner_;
  long count_;
  CompartmentStep step_;
  long position_ = 0;
};

}  // namespace tarnik::gui
