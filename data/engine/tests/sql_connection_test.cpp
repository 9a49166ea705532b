#include "data/engine/sqlite_connection.h"

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

TEST(SqlConnectionTest, ParametersOfTheOracleConnection) {
  ConnectionParams p;
  p.password = "tajne";
  EXPECT_EQ(p.ToParameters(), (std::vector<std::string>{"SQLPASSTHRU MODE=SHARED NOAUTOCOMMIT",
                                                        "USER NAME=LHP", "PASSWORD=tajne"}));
}

TEST(SqlConnectionTest, SqliteServerRunsBoundStatementsInTransactions) {
  testing::TempDir tmp;
  test::RunSql(tmp.File("lhp"),
               "CREATE TABLE T_ODD (LHC_ID INTEGER, ODD INTEGER, NAZEV VARCHAR(40));"
               "INSERT INTO T_ODD VALUES (12850, 11, 'Pod Žákovou horou'), (12850, 12, NULL),"
               " (999, 1, 'jiný');");
  SqliteConnection c({{"lhp", tmp.File("lhp/tables.sqlite")}});
  EXPECT_FALSE(c.IsConnected());
  EXPECT_THROW(c.Query("SELECT 1"), EngineError);
  ConnectionParams params;
  params.alias = "LHP";
  c.Connect(params);
  c.Connect(params);  // already connected: nothing happens
  ASSERT_TRUE(c.IsConnected());

  auto rows = c.Query("SELECT ODD, NAZEV FROM T_ODD WHERE LHC_ID = ? ORDER BY ODD", {Value(12850)});
  ASSERT_TRUE(rows->Next());
  EXPECT_EQ(rows->AsInteger("odd"), 11);
  EXPECT_EQ(rows->AsString("NAZEV"), "Pod Žákovou horou");
  EXPECT_EQ(rows->ColumnIndex("NENI"), -1);
  EXPECT_TRUE(rows->Get("NENI").is_null());
  ASSERT_TRUE(rows->Next());
  EXPECT_EQ(rows->AsString("NAZEV"), "");
  EXPECT_FALSE(rows->Next());
  rows.reset();

  c.EnsureTransaction();
  EXPECT_TRUE(c.InTransaction());
  EXPECT_EQ(c.Execute("DELETE FROM T_ODD WHERE LHC_ID = ?", {Value(12850)}), 2);
  c.Rollback();
  EXPECT_FALSE(c.InTransaction());
  auto count = c.Query("SELECT COUNT(*) AS N FROM T_ODD");
  ASSERT_TRUE(count->Next());
  EXPECT_EQ(count->AsInteger("N"), 3);
  count.reset();
  c.StartTransaction();
  EXPECT_THROW(c.StartTransaction(), EngineError);
  c.Execute("UPDATE T_ODD SET NAZEV = ? WHERE ODD = 1", {Value("O'Neill")});
  c.Commit();
  c.Disconnect();
  EXPECT_FALSE(c.IsConnected());

  SqliteConnection unknown({});
  EXPECT_THROW(unknown.Connect(params), EngineError);
}

}  // namespace
}  // namespace tarnik::engine
