#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "data/engine/database.h"
#include "data/engine/sqlite_connection.h"
#include "data/engine/table.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/lcr_connection_source.h"
#include "framework/framework_classes.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class ContainerLcr : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    db_.Execute("CREATE TABLE C_054 (LHC_ID INTEGER, KOD INTEGER, JMENO VARCHAR(40))");
    db_.Execute(
        "CREATE TABLE C_MAJ (LHC_ID INTEGER, MAJ_KOD INTEGER, MAJ_DRUH INTEGER, "
        "MAJ_NAZ VARCHAR(80))");
    db_.Execute(
        "CREATE TABLE C_ORG_UR (KOD INTEGER, LHC_ID INTEGER, PORADI INTEGER, "
        "POPIS VARCHAR(40))");
    db_.Execute("CREATE TABLE C_KU (KOD INTEGER, POPIS VARCHAR(40))");
    db_.Execute("INSERT INTO C_054 VALUES (12850, 4, 'Ing. Novák'), (99, 4, 'Jiný')");
    db_.Execute("INSERT INTO C_MAJ VALUES (12850, 1, 2, 'Obec Sněžné')");
    db_.Execute("INSERT INTO C_ORG_UR VALUES (7, 12850, 1, 'Správa'), (7, 12850, 2, 'Revír')");
    db_.Execute("INSERT INTO C_KU VALUES (752061, 'Sněžné na Moravě')");
  }

  std::shared_ptr<engine::SqlConnection> Connection() {
    return std::make_shared<engine::SqliteConnection>(std::map<std::string, std::string>{
        {kLcrDatabase, platform::JoinPath(dir_.path(), engine::kDatabaseFileName)}});
  }

  testing::TempDir dir_;
  engine::Database db_ = engine::Database::Open(dir_.path());
};

TEST_F(ContainerLcr, NamesComeFromTheLcrServerOfTheDocumentSource) {
  tciselnik container;
  EXPECT_FALSE(container.HasLcrSource());
  EXPECT_EQ(container.LcrJmenoOLH("4"), "-4-");

  auto connection = Connection();
  container.SetLcrSource(std::make_unique<SqlLcrCodeSource>(connection), "12850");
  EXPECT_EQ(container.LcrJmenoOLH("4"), "Ing. Novák");  // connects on first use
  EXPECT_TRUE(connection->IsConnected());
  EXPECT_EQ(container.LcrJmenoVlastnika("1", "2"), "Obec Sněžné");
  EXPECT_EQ(container.LcrJmenoVlastnika("1", "3"), "-1-");
  EXPECT_EQ(container.LcrOrgUroven("7", 2), "Revír");
  EXPECT_EQ(container.LcrOrgUroven("7", 3), "-7-");
  EXPECT_EQ(container.LcrKatastr("752061"), "Sněžné na Moravě");

  // Another unit of the same server sees only its own rows.
  container.SetLcrSource(std::make_unique<SqlLcrCodeSource>(connection), "99");
  EXPECT_EQ(container.LcrJmenoOLH("4"), "Jiný");
  EXPECT_EQ(container.LcrOrgUroven("7", 1), "-7-");
}

TEST_F(ContainerLcr, ServerFailuresAnswerTheCodeInDashes) {
  tciselnik container;
  auto unknown_server = std::make_shared<engine::SqliteConnection>(
      std::map<std::string, std::string>{{"JINY", "/nonexistent/x.sqlite"}});
  container.SetLcrSource(std::make_unique<SqlLcrCodeSource>(unknown_server), "12850");
  EXPECT_EQ(container.LcrJmenoOLH("4"), "-4-");

  container.SetLcrSource(std::make_unique<SqlLcrCodeSource>(Connection()), "12850");
  db_.Execute("DROP TABLE C_KU");
  EXPECT_EQ(container.LcrKatastr("752061"), "-752061-");
  EXPECT_EQ(container.LcrJmenoOLH("4"), "Ing. Novák");  // the connection stays usable
}

TEST(ContainerStandLookups, StandCategoriesAndGrowthThroughTheContainer) {
  framework::RegisterFrameworkClasses();
  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  std::string unit = testing::CopySample("demo", tmp);
  engine::Database phs = engine::Database::Open(platform::JoinPath(unit, "PHS"));
  engine::Table kategpor(phs, "KATEGPOR");

  tciselnik container;
  // Without the bound table: the answers of a stand without rows.
  EXPECT_EQ(container.KategorieVcetnePrekryvu("11", "B", "2"), "10");
  EXPECT_EQ(container.ZvlStVcetnePrekryvu("11", "B", "2"), "");
  EXPECT_EQ(container.TextyZKategPor("11", "B", "2"), "");

  container.Lists().tables().Bind("Tb_PorKtg1", &kategpor);
  EXPECT_EQ(container.KategorieVcetnePrekryvu("11", "B", "2"), "21a");

  GrowthValues growth = container.RustovaTabulka("SM", 45, 110, 24, false);
  EXPECT_EQ(growth.pmp, 5);
  EXPECT_EQ(container.RustovaTabulka("SM", 45, 110, 24, true).pmp, 5);  // 5 × 0.90909 rounds to 5
  container.Lists().tables().Bind("Tb_PorKtg1", nullptr);
}

}  // namespace
}  // namespace tarnik::plan
