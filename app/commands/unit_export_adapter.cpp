#include "app/commands/unit_export_adapter.h"

#include <exception>

#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"

namespace tarnik::app {

TLesniCelekExportUnit::~TLesniCelekExportUnit() { ReleaseLists(); }

bool TLesniCelekExportUnit::CanReadCompartments() {
  // The source is opened while the unit loads its first compartment.
  return unit_.Source().IsOpen();
}

plan::TLHC* TLesniCelekExportUnit::LHC() { return unit_.LHC(); }
plan::TCiselKelva* TLesniCelekExportUnit::CiselKelva() { return unit_.CiselKelva(); }

void TLesniCelekExportUnit::ZnovuNacti() {
  ReleaseLists();
  unit_.ZnovuNacti();
  HoldLists();
}

bool TLesniCelekExportUnit::JeKonec() {
  const bool end = unit_.JeKonec();
  if (end) ReleaseLists();
  return end;
}

void TLesniCelekExportUnit::NactiDalsiOddeleni(bool show_progress) {
  ReleaseLists();
  unit_.NactiDalsiOddeleni(show_progress);
  HoldLists();
}

framework::TElement* TLesniCelekExportUnit::AsElement() { return &unit_; }
std::string TLesniCelekExportUnit::adresarObecnychDatLHP() { return unit_.adresarObecnychDatLHP(); }

void TLesniCelekExportUnit::HoldLists() {
  engine::Database* phs = unit_.Source().CodeListDatabase();
  // A transaction somebody else opened is theirs to end.
  if (!phs || phs->InTransaction()) return;
  try {
    phs->StartTransaction();
    lists_ = *phs;
  } catch (const std::exception&) {
    // Without it every look-up locks on its own, as outside an export.
  }
}

void TLesniCelekExportUnit::ReleaseLists() {
  if (!lists_) return;
  try {
    // Commit, not roll back: a write some look-up made meanwhile stays as it would have.
    if (lists_->InTransaction()) lists_->Commit();
  } catch (const std::exception&) {
    try {
      lists_->Rollback();
    } catch (const std::exception&) {
    }
  }
  lists_.reset();
}

}  // namespace tarnik::app
