#include "app/gui/lho_record.h"

#include <exception>

#include "forest/hierarchy/lhc.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"
#include "islh/import_database.h"
#include "islh/plan_transfer.h"
#include "platform/ui.h"

namespace tarnik::gui {

bool WriteLhoRecord(plan::TLesniCelek& unit, bool outline) {
  plan::TLHC* lhc = unit.LHC();
  lhc->SetLHO(outline ? "A" : "N");
  const plan::PlanSource::ImportTarget target = unit.Source().WritableDatabase();
  if (!target.plan) {
    platform::ui().ShowMessage("Příznak LHO nelze zapsat: data celku nejsou plánovací databáze.",
                               platform::Severity::kFailure);
    return false;
  }
  try {
    islh::ImportDatabase db(*target.plan, target.phs ? target.phs->file_path() : std::string());
    islh::PlanTransfer transfer(
        db, {.no_colours = unit.BezBarev(), .national_park = target.national_park, .log = {}});
    db.Begin();
    transfer.WriteUnit(*lhc);
    db.Commit();
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(std::string("Příznak LHO nelze zapsat: ") + e.what(),
                               platform::Severity::kFailure);
    return false;
  }
  return true;
}

}  // namespace tarnik::gui
