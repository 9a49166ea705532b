// `tarnik lcr ...` and `tarnik export --data LCR-Oracle` over SQLite files reached through the
// SQLite ODBC driver, the databases named in vekta.ini of the program directory.
#include <gtest/gtest.h>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "platform/encoding.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "testing/engine_test_util.h"
#include "testing/odbc_test_util.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using test::Result;
using test::RunTarnik;

class LcrCommandTest : public ::testing::Test {
 protected:
  void Server(const std::string& name, const std::string& sql) {
    engine::test::RunSql(tmp_.File(name), sql);
    platform::IniFile ini(program_.File("vekta.ini"));
    ini.WriteString(
        "DATABASE", name,
        ::tarnik::testing::ScopedSqliteOdbc::ConnectionString(tmp_.File(name + "/tables.sqlite")));
  }
  ::tarnik::testing::ScopedProgramDir program_;
  ::tarnik::testing::TempDir tmp_;
  ::tarnik::testing::ScopedSqliteOdbc odbc_;
};

const char* kUnits =
    "CREATE TABLE LHC (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, LHC_NAZ VARCHAR(40));"
    "INSERT INTO LHC VALUES (615203, 0, 'Sněžné'), (615203, 1, 'Sněžné 2');";

TEST_F(LcrCommandTest, ListsCopiesAndRefusesAPairThatExists) {
  std::string tables = kUnits;
  for (const char* t : {"MAJETEK", "POROST", "BEZLESI", "JINE_POZ", "PREKRYV", "POROST_SKUP",
                        "PS_V_KU", "ETAZ", "DREV_ZALES", "DREVINA", "SKODY"})
    tables += std::string("CREATE TABLE ") + t + " (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, X INT);";
  Server("LHP_ORAC", tables + "INSERT INTO POROST VALUES (615203, 0, 1);");
  Server("LHP_NOVA", tables);
  Result r = RunTarnik({"lcr", "list"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "615203\t0\tSněžné\n615203\t1\tSněžné 2\n");
  r = RunTarnik({"--quiet", "lcr", "copy", "--lhc", "615203/0", "--to", "615203/9"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.err.find("Hotovo - zkopírováno LHC"), std::string::npos) << r.err;
  r = RunTarnik({"--quiet", "lcr", "copy", "--lhc", "615203/1", "--to", "615203/9"});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(
      r.err.find(
          "Nelze zkopírovat. LHC_KOD \"615203\", LHC_KOD_ID \"9\" již existuje. Zadej znovu."),
      std::string::npos)
      << r.err;
  // Deleting without --yes leaves the question unanswered: nothing is deleted.
  r = RunTarnik({"--quiet", "lcr", "delete", "--lhc", "615203/1"});
  EXPECT_NE(r.code, kExitOk);
  EXPECT_NE(RunTarnik({"lcr", "list"}).out.find("615203\t1\t"), std::string::npos);
  r = RunTarnik({"--quiet", "--yes", "lcr", "delete", "--lhc", "615203/1"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(RunTarnik({"lcr", "list"}).out, "615203\t0\tSněžné\n");
}

TEST_F(LcrCommandTest, AServerNotNamedInVektaIniIsReportedByName) {
  Result r = RunTarnik({"--quiet", "lcr", "list"});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("Databáze \"LHP_ORAC\" není nastavena v souboru vekta.ini"),
            std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace tarnik::cli
