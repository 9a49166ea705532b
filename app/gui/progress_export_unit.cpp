#include "app/gui/progress_export_unit.h"

#include "forest/hierarchy/oddeleni.h"

namespace tarnik::gui {

void ProgressExportUnit::Report() {
  plan::TOddeleni* odd = inner_.AktualniOddeleni();
  if (step_) step_(position_, count_, odd ? odd->GetPropertyText("ODD") : std::string());
}

void ProgressExportUnit::ZnovuNacti() {
  inner_.ZnovuNacti();
  position_ = 1;
  Report();
}

void ProgressExportUnit::NactiDalsiOddeleni(bool show_progress) {
  inner_.NactiDalsiOddeleni(show_progress);
  ++position_;
  Report();
}

}  // namespace tarnik::gui
