#include "app/commands/unit_export_adapter.h"

#include "forest/unit/lesni_celek.h"

namespace tarnik::app {

plan::TLHC* TLesniCelekExportUnit::LHC() { return unit_.LHC(); }
plan::TCiselKelva* TLesniCelekExportUnit::CiselKelva() { return unit_.CiselKelva(); }
void TLesniCelekExportUnit::ZnovuNacti() { unit_.ZnovuNacti(); }
bool TLesniCelekExportUnit::JeKonec() { return unit_.JeKonec(); }
void TLesniCelekExportUnit::NactiDalsiOddeleni(bool show_progress) {
  unit_.NactiDalsiOddeleni(show_progress);
}
framework::TElement* TLesniCelekExportUnit::AsElement() { return &unit_; }
std::string TLesniCelekExportUnit::adresarObecnychDatLHP() { return unit_.adresarObecnychDatLHP(); }

}  // namespace tarnik::app
