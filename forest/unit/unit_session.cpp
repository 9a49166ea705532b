#include "forest/unit/unit_session.h"

#include "forest/codelists/cisel_kelva.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"
#include "framework/models/world.h"

namespace tarnik::plan {

UnitSession OpenUnitSession(const std::string& directory, const UnitSessionOptions& options) {
  UnitSession session;
  auto* unit = new TLesniCelek();
  if (options.add_to_world) {
    framework::World().ObjectModel()->AddElement(unit);
  }
  session.unit = unit;
  unit->SetLogLine(options.log);
  unit->SetBezBarev(options.no_colours);
  unit->NajdiDataLHP(true, directory, options.write_manager);
  if (unit->TypZdroje() == kSourceUnknown) {
    CloseUnitSession(session);
    session.failure = kNoPlanData;
    return session;
  }
  unit->ZnovuNacti();
  // The code lists of the plan: the sets saved beside the PHS tables, then the plan-wide tables.
  const std::string phs = unit->PHSNazev();
  if (!phs.empty()) unit->CiselKelva()->NactiPhsZKlv(phs);
  if (engine::Database* tables = unit->Source().CodeListDatabase())
    unit->CiselKelva()->NaplnZPlanu(*tables);
  return session;
}

void CloseUnitSession(UnitSession& session) {
  if (!session.unit) return;
  framework::TWorld* world = framework::CurrentWorld();
  framework::TEntity* model = world ? world->ObjectModel() : nullptr;
  if (model && model->IndexOf(session.unit) >= 0) {
    model->FreeElement(session.unit);
  } else if (session.unit->GetOwnersCount() == 0) {
    delete session.unit;
  }
  session.unit = nullptr;
}

}  // namespace tarnik::plan
