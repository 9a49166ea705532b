#include "data/engine/identifiers.h"

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

TEST(IdentifiersTest, MissingKeyStartsAtOneAndCountsOn) {
  testing::TempDir tmp;
  std::string dir = tmp.File("plan");
  test::RunSql(dir,
               "CREATE TABLE ID (Tabulka VARCHAR(8), ID DOUBLE, PRIMARY KEY (Tabulka));"
               "INSERT INTO ID VALUES ('PS', 41);");
  Database db = Database::Open(dir);
  EXPECT_EQ(NewIdentifier(db, "ODDELENI"), 1);
  EXPECT_EQ(NewIdentifier(db, "ODDELENI"), 2);
  EXPECT_EQ(NewIdentifier(db, "PS"), 42);
  // A key longer than the column is stored and found cut to its width.
  EXPECT_EQ(NewIdentifier(db, "ZVL_STATUT"), 1);
  EXPECT_EQ(NewIdentifier(db, "ZVL_STATUT"), 2);
  EXPECT_FALSE(db.InTransaction());
}

TEST(IdentifiersTest, MissingIdTableFails) {
  testing::TempDir tmp;
  std::string dir = tmp.File("plan");
  test::RunSql(dir, "CREATE TABLE X (A INTEGER);");
  Database db = Database::Open(dir);
  EXPECT_THROW(NewIdentifier(db, "PS"), EngineError);
  EXPECT_FALSE(db.InTransaction());
}

TEST(IdentifiersTest, ColourCodesRoundTripAndUnknownColourIsMinusOne) {
  for (int code : {-1, 0, 1, 2, 5}) EXPECT_EQ(CodeOfColour(ColourOfCode(code)), code);
  EXPECT_EQ(ColourOfCode(2), 0xFFFFu);
  EXPECT_EQ(CodeOfColour(0x123456u), -1);
  EXPECT_EQ(ColourOfCode(7), ColourOfCode(-1));
}

TEST(IdentifiersTest, ParadoxOnlyDirectory) {
  testing::TempDir tmp;
  EXPECT_FALSE(HoldsParadoxTablesOnly(tmp.path()));
  testing::WriteFile(tmp.File("ps.db"), "x");
  EXPECT_TRUE(HoldsParadoxTablesOnly(tmp.path()));
  testing::WriteFile(tmp.File("tables.sqlite"), "");
  EXPECT_FALSE(HoldsParadoxTablesOnly(tmp.path()));
}

}  // namespace
}  // namespace tarnik::engine
