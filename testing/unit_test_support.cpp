#include "testing/unit_test_support.h"

#include <fmt/format.h>

#include "data/engine/database.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/layers/layer_classes.h"
#include "forest/unit/unit_classes.h"
#include "framework/framework_classes.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace tarnik::plan::test {

UnitFixture::UnitFixture() {
  framework::RegisterFrameworkClasses();
  RegisterForestClasses();
  RegisterHierarchyClasses();
  RegisterLayerClasses();
  RegisterUnitClasses();
}

UnitFixture::~UnitFixture() = default;

std::string UnitFixture::Dir(const std::string& name) const {
  const std::string dir = tmp.File(name);
  platform::ForceDirectories(dir);
  return dir;
}

std::string UnitFixture::Setting(const std::string& key) const {
  return platform::IniFile(platform::ProgramFile("vekta.ini")).ReadString("DATABASE", key, "");
}

void WriteMerkDatabase(const std::string& dir, int lhc_kod, bool current_set) {
  platform::ForceDirectories(dir);
  engine::Database db = engine::Database::Open(dir);
  db.Execute(current_set ? "CREATE TABLE LHC (ID DOUBLE, LHC_KOD DOUBLE, LHC_PN_PRO INTEGER)"
                         : "CREATE TABLE LHC (ID DOUBLE, LHC_KOD DOUBLE)");
  db.Execute(current_set ? "INSERT INTO LHC VALUES (1, ?, 12)" : "INSERT INTO LHC VALUES (1, ?)",
             {engine::Value(static_cast<int64_t>(lhc_kod))});
  db.Execute("CREATE TABLE OST_POZ (ID DOUBLE, VAZBA DOUBLE, OST DOUBLE)");
}

}  // namespace tarnik::plan::test
