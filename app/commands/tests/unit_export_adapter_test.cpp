#include "app/commands/unit_export_adapter.h"
#include "app/commands/tests/program_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "data/engine/database.h"
#include "data/engine/plan_databases.h"
#include "data/sources/merk/merk_source.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"

namespace tarnik::app {
namespace {

class UnitExportAdapterTest : public ::testing::Test, public test::ProgramUnitFixture {
 protected:
  UnitExportAdapterTest() {
    engine::test::BuildSqlDirectory("samples/demo/DATA", tmp.File("demo/DATA"));
    engine::test::BuildSqlDirectory("samples/demo/PHS", tmp.File("demo/PHS"));
    unit_.NajdiDataLHP(false, tmp.File("demo/DATA"), false);
  }
  engine::Database* Phs() { return unit_.Source().CodeListDatabase(); }
  // Another program's write to the owner list, not waiting for any lock.
  int WriteOwnerName(const std::string& name) {
    sqlite3* db = nullptr;
    const std::string file = tmp.File("demo/PHS/tables.sqlite");
    int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
      const std::string sql = "UPDATE MAJETKY SET MAJ_NAZ = '" + name + "' WHERE MAJ_KOD = 1";
      rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    return rc;
  }
  std::string FirstOwnerName() {
    plan::TOddeleni* odd = unit_.LHC()->Oddeleni();
    plan::TDilec* dilec = odd ? odd->Dilec() : nullptr;
    plan::TPorost* stand = dilec ? dilec->Porost() : nullptr;
    return stand ? stand->GetPropertyText("MAJ_NAZ") : "?";
  }

  plan::TLesniCelek unit_;
};

TEST_F(UnitExportAdapterTest, EachCompartmentIsWrittenFromOneStateOfThePlanWideLists) {
  ASSERT_EQ(unit_.TypZdroje(), plan::kSourceMerk98);
  {
    TLesniCelekExportUnit adapter(unit_);
    adapter.ZnovuNacti();
    ASSERT_NE(Phs(), nullptr);
    EXPECT_TRUE(adapter.HoldsListSnapshot());
    EXPECT_TRUE(Phs()->InTransaction());
    const std::string before = FirstOwnerName();
    EXPECT_EQ(before, "Česká republika - Lesy České republiky, s.p.");
    // While the compartment is written the lists do not change under it: a writer must wait.
    EXPECT_EQ(WriteOwnerName("Jiný"), SQLITE_BUSY);
    EXPECT_EQ(FirstOwnerName(), before);

    int compartments = 1;
    while (!adapter.JeKonec()) {
      adapter.NactiDalsiOddeleni(false);
      ++compartments;
      EXPECT_TRUE(adapter.HoldsListSnapshot());
    }
    EXPECT_EQ(compartments, 3);
    // The end of the unit ends the transaction: no lock is left for other programs.
    EXPECT_FALSE(adapter.HoldsListSnapshot());
    EXPECT_FALSE(Phs()->InTransaction());
    EXPECT_EQ(WriteOwnerName("Obec Sněžné"), SQLITE_OK);

    // Read again, the first compartment sees the new name.
    adapter.ZnovuNacti();
    EXPECT_EQ(FirstOwnerName(), "Obec Sněžné");
    EXPECT_TRUE(Phs()->InTransaction());
  }
  // Leaving the export in the middle ends the transaction too.
  ASSERT_NE(Phs(), nullptr);
  EXPECT_FALSE(Phs()->InTransaction());
  EXPECT_EQ(WriteOwnerName("Obec Samotín"), SQLITE_OK);
}

TEST_F(UnitExportAdapterTest, ATransactionTheCallerOpenedIsLeftToTheCaller) {
  unit_.ZnovuNacti();
  ASSERT_NE(Phs(), nullptr);
  Phs()->StartTransaction();
  {
    TLesniCelekExportUnit adapter(unit_);
    while (!adapter.JeKonec()) adapter.NactiDalsiOddeleni(false);
    EXPECT_FALSE(adapter.HoldsListSnapshot());
  }
  EXPECT_TRUE(Phs()->InTransaction());
  Phs()->Rollback();
}

}  // namespace
}  // namespace tarnik::app
