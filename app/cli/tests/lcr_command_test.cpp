// `tarnik lcr ...` and `tarnik export --data LCR-Oracle` over SQLite files reached through the
// SQLite ODBC driver, the databases named in vekta.ini of the program directory.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "data/engine/server_connections.h"
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
  int64_t Count(const std::string& sql) {
    auto db = engine::ConnectServer("LHP_ORAC");
    auto rows = db->Query(sql);
    EXPECT_TRUE(rows->Next());
    return rows->AsInteger(rows->ColumnName(0));
  }
  static size_t Occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
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

TEST_F(LcrCommandTest, LoginIsRetriedAsTheOptionSaysAndNeverShowsThePassword) {
  platform::IniFile ini(program_.File("vekta.ini"));
  ini.WriteString("DATABASE", "LHP_ORAC", "DSN=neni_takovy");
  ::setenv("TARNIK_LHP_ORAC_PASSWORD", "tajne-heslo", 1);
  Result r = RunTarnik({"lcr", "list", "--login-retries", "2"});
  Result once = RunTarnik({"lcr", "list"});
  ::unsetenv("TARNIK_LHP_ORAC_PASSWORD");
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(Occurrences(r.err, "Databázi \"LHP_ORAC\" nelze připojit: "), 3u) << r.err;
  EXPECT_EQ(Occurrences(r.err, "Databázi nelze připojit. Zkuste to znovu."), 3u) << r.err;
  EXPECT_NE(r.err.find("Databáze LHC nebude otevřena."), std::string::npos) << r.err;
  EXPECT_EQ(Occurrences(once.err, "Zkuste to znovu."), 1u) << once.err;
  for (const Result* run : {&r, &once}) {
    EXPECT_EQ(run->err.find("tajne-heslo"), std::string::npos) << run->err;
    EXPECT_EQ(run->out.find("tajne-heslo"), std::string::npos) << run->out;
  }
  EXPECT_NE(RunTarnik({"lcr", "list", "--login-retries", "-1"}).code, kExitOk);
}

// The LČR plan tables with the columns that identify their rows.
std::string PlanTables() {
  std::string sql =
      "CREATE TABLE LHC (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, LHC_NAZ VARCHAR(40), "
      " KU_DATUM DATE, ETAT_TO INTEGER);";
  for (const char* t : {"POROST", "POROST_SKUP", "PS_V_KU", "ETAZ", "DREVINA", "DREV_ZALES",
                        "SKODY", "PREKRYV", "BEZLESI", "JINE_POZ"})
    sql += std::string("CREATE TABLE ") + t +
           " (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, DIL CHAR(1), "
           " POR CHAR(1), PSK VARCHAR(12), BZL INTEGER, BZL_ID INTEGER, JP INTEGER, "
           " JP_ID INTEGER);";
  return sql;
}

// Unit 1/0 with stand 11A1 and its group; unit 2/0 holds compartment 11 as ODD_ID 5 and 7.
class LcrSelectCommandTest : public LcrCommandTest {
 protected:
  LcrSelectCommandTest() {
    Server("LHP_ORAC",
           PlanTables() +
               "INSERT INTO LHC VALUES (1, 0, 'zdroj', NULL, 0), (2, 0, 'cíl', NULL, 0);"
               "INSERT INTO POROST (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR) VALUES "
               " (1, 0, 11, 0, 'A', '1'), (2, 0, 11, 7, 'C', '1'), (2, 0, 11, 5, 'D', '1');"
               "INSERT INTO POROST_SKUP (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR, PSK) "
               " VALUES (1, 0, 11, 0, 'A', '1', 'O''1');");
  }
  Result Select(std::vector<std::string> extra) {
    std::vector<std::string> args = {"--quiet", "lcr",   "select",  "--lhc", "1/0",
                                     "--to",    "2/0",   "--level", "por",   "--odd",
                                     "11",      "--dil", "A",       "--por", "1"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunTarnik(args);
  }
  int64_t Destination(const std::string& table) {
    return Count("select count(*) from " + table + " where LHC_KOD = 2 and DIL = 'A'");
  }
};

TEST_F(LcrSelectCommandTest, UnansweredOrDeclinedQuestionsLeaveTheDestinationAsItWas) {
  // "Výběr ODD_ID" without an answer stops the command before anything is written.
  Result r = Select({});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("Výběr ODD_ID: oddělení 11 má v cílovém LHC ODD_ID 5, 7."),
            std::string::npos)
      << r.err;
  EXPECT_EQ(Destination("POROST"), 0);
  // Answered, but the end of the transaction is left unanswered: nothing is written either.
  r = Select({"--target-odd-id", "7"});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("Hotovo - Kopírování porostu proběhlo."), std::string::npos) << r.err;
  EXPECT_EQ(Destination("POROST"), 0);
  // Declined at the end.
  r = Select({"--target-odd-id", "7", "--transaction", "rollback"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.err.find("Změny z poslední transakce byly opět smazány."), std::string::npos)
      << r.err;
  EXPECT_EQ(Destination("POROST"), 0);
  EXPECT_EQ(Destination("POROST_SKUP"), 0);
  EXPECT_EQ(Count("select count(*) from POROST where LHC_KOD = 2"), 2);
}

TEST_F(LcrSelectCommandTest, KeptChangesTakeTheChosenOddIdAndTheApostrophe) {
  Result r = Select({"--target-odd-id", "7", "--transaction", "commit"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.err.find("provedeno definitvní zapsání změn z poslední transakce."),
            std::string::npos)
      << r.err;
  EXPECT_EQ(Count("select count(*) from POROST where LHC_KOD = 2 and DIL = 'A' and ODD_ID = 7"), 1);
  EXPECT_EQ(Count("select count(*) from POROST_SKUP where LHC_KOD = 2 and PSK = 'O''1' and "
                  "ODD_ID = 7"),
            1);
  // --yes takes the first ODD_ID offered and commits.
  r = RunTarnik({"--quiet", "--yes", "lcr", "select", "--lhc", "1/0", "--to", "2/0", "--level",
                 "psk", "--odd", "11", "--dil", "A", "--por", "1", "--psk", "O'1"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.err.find("Hotovo - Kopírování porostní skupiny proběhlo."), std::string::npos)
      << r.err;
  EXPECT_EQ(Count("select count(*) from POROST_SKUP where LHC_KOD = 2 and PSK = 'O''1' and "
                  "ODD_ID = 5"),
            1);
}

}  // namespace
}  // namespace tarnik::cli
