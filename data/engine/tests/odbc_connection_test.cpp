// The ODBC connection against the SQLite ODBC driver: bound values of every kind, nested
// results, transactions with autocommit off, and the messages of a failed connection.
#include "data/engine/odbc_connection.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "data/engine/engine_error.h"
#include "data/engine/server_connections.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "testing/engine_test_util.h"
#include "testing/odbc_test_util.h"

namespace tarnik::engine {
namespace {

using ::tarnik::testing::ScopedSqliteOdbc;

class OdbcConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ScopedSqliteOdbc::DriverInstalled()) << ::tarnik::testing::kSqliteOdbcDriver;
    test::RunSql(tmp_.File("lhp"),
                 "CREATE TABLE POROST (LHC_KOD INTEGER, DIL CHAR(1), POR CHAR(1), "
                 "PLOCHA FLOAT, NAZEV VARCHAR(40), DATUM DATE, OBR BLOB);"
                 "INSERT INTO POROST VALUES (615203, 'A', '1', 12.5, 'Pod Žákovou horou', "
                 "'1998-03-05', NULL), (615203, 'B ', '2', NULL, 'O''Neill', NULL, x'0001');");
    file_ = tmp_.File("lhp/tables.sqlite");
  }
  ConnectionParams Params() {
    ConnectionParams p;
    p.alias = "LHP_ORAC";
    p.password = "tajne-heslo";
    return p;
  }

  ::tarnik::testing::TempDir tmp_;
  ScopedSqliteOdbc odbc_;
  std::string file_;
};

TEST_F(OdbcConnectionTest, ReadsEveryKindOfValueThroughBoundParameters) {
  odbc_.AddDsn("plan_lhp", file_);
  OdbcConnection c({{"lhp_orac", std::string("plan_lhp")}});
  EXPECT_THROW(c.Query("SELECT 1"), EngineError);
  c.Connect(Params());
  c.Connect(Params());  // already connected: nothing happens
  ASSERT_TRUE(c.IsConnected());
  auto rows = c.Query("SELECT * FROM POROST WHERE LHC_KOD = ? AND RTRIM(DIL) = RTRIM(?)",
                      {Value(615203), Value("A  ")});
  ASSERT_TRUE(rows->Next());
  EXPECT_EQ(rows->Get("LHC_KOD"), Value(615203));
  EXPECT_EQ(rows->Get("plocha"), Value(12.5));
  EXPECT_EQ(rows->AsString("NAZEV"), "Pod Žákovou horou");
  EXPECT_EQ(rows->Get("DATUM"), Value(Timestamp{1998, 3, 5}));
  EXPECT_TRUE(rows->Get("OBR").is_null());
  EXPECT_FALSE(rows->Next());
  rows.reset();

  // A second result while the first is open; texts with apostrophes are bound, not pasted.
  auto outer = c.Query("SELECT POR FROM POROST ORDER BY POR");
  ASSERT_TRUE(outer->Next());
  auto inner = c.Query("SELECT NAZEV, OBR FROM POROST WHERE NAZEV = ?", {Value("O'Neill")});
  ASSERT_TRUE(inner->Next());
  EXPECT_EQ(inner->Get("OBR"), Value(Bytes{std::string("\0\1", 2)}));
  inner.reset();
  ASSERT_TRUE(outer->Next());
  EXPECT_EQ(outer->AsString("POR"), "2");
  outer.reset();
}

TEST_F(OdbcConnectionTest, WritesOnlyWhatIsCommitted) {
  const std::string server = ScopedSqliteOdbc::ConnectionString(file_);
  OdbcConnection c({{"LHP_ORAC", server}});
  c.Connect(Params());
  c.StartTransaction();
  EXPECT_THROW(c.StartTransaction(), EngineError);
  EXPECT_EQ(c.Execute("DELETE FROM POROST WHERE LHC_KOD = ?", {Value(615203)}), 2);
  c.Rollback();
  EXPECT_FALSE(c.InTransaction());
  EXPECT_THROW(c.Commit(), EngineError);

  c.EnsureTransaction();
  c.Execute("INSERT INTO POROST (LHC_KOD, DIL, DATUM, PLOCHA) VALUES (?, ?, ?, ?)",
            {Value(1), Value("C"), Value(Timestamp{2001, 12, 24}), Value(nullptr)});
  // Another connection does not see the row before the commit.
  OdbcConnection other({{"LHP_ORAC", server}});
  other.Connect(Params());
  auto count = [&](SqlConnection& on) {
    auto r = on.Query("SELECT COUNT(*) AS N FROM POROST");
    EXPECT_TRUE(r->Next());
    return r->AsInteger("N");
  };
  EXPECT_EQ(count(other), 2);
  c.Commit();
  EXPECT_EQ(count(other), 3);
  // A statement outside a transaction is committed on its own.
  other.Execute("UPDATE POROST SET NAZEV = ? WHERE LHC_KOD = 1", {Value("nový")});
  c.Disconnect();
  c.Connect(Params());
  auto r = c.Query("SELECT NAZEV, DATUM FROM POROST WHERE LHC_KOD = 1");
  ASSERT_TRUE(r->Next());
  EXPECT_EQ(r->AsString("NAZEV"), "nový");
  EXPECT_EQ(r->Get("DATUM"), Value(Timestamp{2001, 12, 24}));
}

TEST_F(OdbcConnectionTest, AFailedConnectionNamesTheDatabaseAndNoPassword) {
  OdbcConnection c({{"LHP_ORAC", std::string("neni_takovy_dsn")}});
  try {
    c.Connect(Params());
    FAIL() << "connected";
  } catch (const EngineError& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("Databázi \"LHP_ORAC\" nelze připojit: ", 0), 0u) << text;
    EXPECT_EQ(text.find("tajne-heslo"), std::string::npos) << text;
  }
  EXPECT_FALSE(c.IsConnected());
  OdbcConnection unknown({});
  EXPECT_THROW(unknown.Connect(Params()), EngineError);
  EXPECT_EQ(OdbcConnectionString("lhp", "LHP", "a;b}"), "DSN=lhp;UID=LHP;PWD={a;b}}}");
  EXPECT_EQ(OdbcConnectionString("Driver=X;", "", ""), "Driver=X;");
}

TEST_F(OdbcConnectionTest, ServersAreNamedInVektaIniAndCredentialsComeFromItOrTheEnvironment) {
  ::tarnik::testing::ScopedProgramDir program;
  platform::IniFile ini(platform::ProgramFile("vekta.ini"));
  ini.WriteString("DATABASE", "LHP_ORAC", ScopedSqliteOdbc::ConnectionString(file_));
  ini.WriteString("DATABASE", "LHP_ORAC_PASSWORD", "ze-souboru");
  ServerSettings s = ReadServerSettings("LHP_ORAC");
  EXPECT_EQ(s.params.user, "LHP");
  EXPECT_EQ(s.params.password, "ze-souboru");
  ::setenv("TARNIK_LHP_ORAC_USER", "lesnik", 1);
  ::setenv("TARNIK_LHP_ORAC_PASSWORD", "z-prostredi", 1);
  s = ReadServerSettings("LHP_ORAC");
  ::unsetenv("TARNIK_LHP_ORAC_USER");
  ::unsetenv("TARNIK_LHP_ORAC_PASSWORD");
  EXPECT_EQ(s.params.user, "lesnik");
  EXPECT_EQ(s.params.password, "z-prostredi");
  auto c = ConnectServer("LHP_ORAC");
  EXPECT_TRUE(c->IsConnected());
  try {
    ConnectServer("LHP_NOVA");
    FAIL() << "connected";
  } catch (const EngineError& e) {
    EXPECT_STREQ(e.what(),
                 "Databáze \"LHP_NOVA\" není nastavena v souboru vekta.ini (oddíl DATABASE).");
  }
}

}  // namespace
}  // namespace tarnik::engine
