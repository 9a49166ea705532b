// Fuzz target of the ISLH import: any bytes are read as a document into a fresh forest unit
// and transferred into an in-memory planning database, never crashing, leaking or failing the
// database. Each input runs in its own transaction, rolled back afterwards, so the inputs do not
// see each other's rows.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/engine/database.h"
#include "data/engine/schema.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/layers/layer_classes.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_classes.h"
#include "framework/framework_classes.h"
#include "fuzz/quiet_ui.h"
#include "islh/import_database.h"
#include "islh/plan_transfer.h"
#include "islh/xml_loader.h"

namespace {

tarnik::engine::Database& PlanInMemory() {
  static tarnik::engine::Database plan = [] {
    tarnik::engine::Database db = tarnik::engine::Database::OpenInMemory("fuzz");
    for (const auto& table : tarnik::engine::SchemaTables(tarnik::engine::TableSet::kPlan))
      db.CreateTable(tarnik::engine::DefinitionOf(table));
    return db;
  }();
  return plan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnik;
  fuzzing::InstallQuietUi();
  static const bool registered = [] {
    framework::RegisterFrameworkClasses();
    plan::RegisterForestClasses();
    plan::RegisterHierarchyClasses();
    plan::RegisterLayerClasses();
    plan::RegisterUnitClasses();
    return true;
  }();
  (void)registered;

  plan::TLesniCelek unit;
  islh::ImportDatabase db(PlanInMemory(), "");
  db.Begin();
  islh::PlanTransfer transfer(db, {});
  islh::TLHC_XMLLoader loader;
  loader.SetUnit(&unit);
  loader.SetSink(&transfer);
  loader.LoadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  if (plan::TOddeleni* last = unit.LHC()->Oddeleni()) transfer.WriteCompartment(*last);
  transfer.WriteCodeLists(*unit.CiselKelva());
  db.Rollback();
  return 0;
}
