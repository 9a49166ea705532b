#include <gtest/gtest.h>

#include <fmt/format.h>
#include <filesystem>

#include <string>

#include "bench/unit_generator.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/local_sql.h"
#include "testing/test_env.h"

namespace tarnik::bench {
namespace {

using engine::Database;
using engine::Query;

class MakeUnitTest : public ::testing::Test {
 protected:
  UnitOptions Options(int compartments, uint64_t seed, const std::string& sub) {
    UnitOptions o;
    o.compartments = compartments;
    o.seed = seed;
    o.out_dir = out_.File(sub);
    o.codelist_dir = progdir_.File("CISELNIK");
    return o;
  }

  static int64_t Number(Database db, const std::string& sql) {
    Query q(db);
    q.SetSql(sql);
    q.Open();
    return q.AsInteger(q.fields().at(0).name);
  }

  // Every row of every table, in rowid order, as one text.
  static std::string Dump(Database db) {
    std::string text;
    for (const std::string& table : db.TableNames()) {
      Query q(db);
      q.SetSql("SELECT * FROM {} ORDER BY rowid", {table});
      q.Open();
      text += table + "\n";
      for (; !q.Eof(); q.Next()) {
        for (const auto& f : q.fields()) text += q.AsString(f.name) + "|";
        text += "\n";
      }
    }
    return text;
  }

  testing::ScopedProgramDir progdir_;
  testing::TempDir out_;
};

TEST_F(MakeUnitTest, LinksCountsAndIdentifiersAgree) {
  UnitCounts counts = GenerateUnit(Options(6, 7, "u"));
  Database plan = Database::Open(out_.File("u/DATA"), engine::OpenMode::kReadOnly);
  Database phs = Database::Open(out_.File("u/PHS"), engine::OpenMode::kReadOnly);

  EXPECT_EQ(Number(plan, "SELECT COUNT(*) FROM ODDELENI"), 6);
  EXPECT_EQ(Number(plan, "SELECT COUNT(*) FROM LHC"), 1);
  for (const auto& [table, rows] : counts) {
    Database db = plan.TableExists(table) ? plan : phs;
    EXPECT_EQ(Number(db, "SELECT COUNT(*) FROM \"" + table + "\""), rows) << table;
  }

  const char* links[][3] = {{"ODDELENI", "VAZBA", "LHC"},   {"DILEC", "VAZBA", "ODDELENI"},
                            {"POROST", "VAZBA", "DILEC"},   {"PS", "VAZBA", "POROST"},
                            {"ETAZ", "VAZBA", "PS"},        {"DREVINA", "VAZBA", "ETAZ"},
                            {"NAVRH", "Vazba", "ETAZ"},     {"POSKOZ", "Vazba", "DREVINA"},
                            {"BEZLESI", "VAZBA", "POROST"}, {"JINE_POZ", "VAZBA", "POROST"},
                            {"OST_POZ", "VAZBA", "POROST"}, {"PREKRYV", "VAZBA", "POROST"},
                            {"ZvlSt", "VAZBA", "POROST"},   {"POR_POZN", "VAZBA", "POROST"},
                            {"PS_POZN", "Vazba", "PS"}};
  for (const auto& l : links) {
    EXPECT_EQ(Number(plan, fmt::format("SELECT COUNT(*) FROM {0} WHERE {1} IS NULL OR {1} NOT IN "
                                       "(SELECT ID FROM {2})",
                                       l[0], l[1], l[2])),
              0)
        << l[0];
  }
  // Every table key of the ID table holds the last identifier of its table, and IDs are unique.
  Query ids(plan);
  ids.SetSql("SELECT Tabulka, ID FROM ID");
  ids.Open();
  EXPECT_EQ(ids.RecordCount(), 14);
  for (; !ids.Eof(); ids.Next()) {
    std::string table = ids.AsString("Tabulka") == "ZVL_STATUT" ? "ZvlSt" : ids.AsString("Tabulka");
    EXPECT_EQ(Number(plan, "SELECT COALESCE(MAX(ID), 0) FROM " + table), ids.AsInteger("ID"))
        << table;
    EXPECT_EQ(Number(plan, "SELECT COUNT(DISTINCT ID) - COUNT(*) FROM " + table), 0) << table;
  }
  // Species shares of a layer add up to 100; layer areas add up to their stand group's area.
  EXPECT_EQ(Number(plan,
                   "SELECT COUNT(*) FROM (SELECT SUM(ZAST) s FROM DREVINA GROUP BY VAZBA) "
                   "WHERE s <> 100"),
            0);
  EXPECT_EQ(Number(plan,
                   "SELECT COUNT(*) FROM PS WHERE ABS(PSK_P - (SELECT SUM(ETAZ_PP) FROM "
                   "ETAZ WHERE ETAZ.VAZBA = PS.ID)) > 0.011"),
            0);
  // The unit's allowable cut is the sum of the species' felling volumes in the proposals.
  EXPECT_EQ(Number(plan, "SELECT ETAT_TV FROM LHC"),
            Number(plan, "SELECT COALESCE(SUM(N_Objem), 0) FROM NAVRH WHERE N_Druh_vykonu = 11"));
  EXPECT_EQ(Number(plan, "SELECT ETAT_TO FROM LHC"),
            Number(plan, "SELECT COALESCE(SUM(N_Objem), 0) FROM NAVRH WHERE N_Druh_vykonu = 10"));
  // A felling proposal has a row for every species of its layer.
  EXPECT_EQ(Number(plan,
                   "SELECT COUNT(*) FROM NAVRH n JOIN DREVINA d ON d.VAZBA = n.Vazba "
                   "WHERE n.N_Zkratka_dreviny IS NULL AND n.N_Druh_vykonu IN (10, 11) "
                   "AND NOT EXISTS (SELECT 1 FROM NAVRH m WHERE m.Vazba = n.Vazba AND "
                   "m.N_Druh_vykonu = n.N_Druh_vykonu AND m.N_Zkratka_dreviny = d.DR_ZKR)"),
            0);
  // Every stand has its main category in the PHS, and every management set used is described.
  EXPECT_EQ(Number(phs, "SELECT COUNT(*) FROM PorKtg"), counts["POROST"]);
  EXPECT_EQ(Number(plan, "SELECT COUNT(DISTINCT HS) FROM ETAZ"),
            Number(phs, "SELECT COUNT(*) FROM TAB_HS"));
}

// What a planning program could store: no text longer than its column (a program writing the
// unit back cuts it, so a longer text would not come back the same).
TEST_F(MakeUnitTest, TextsFitTheirColumns) {
  GenerateUnit(Options(4, 3, "w"));
  for (const char* dir : {"w/DATA", "w/PHS"}) {
    Database db = Database::Open(out_.File(dir), engine::OpenMode::kReadOnly);
    for (const std::string& table : db.TableNames()) {
      for (const engine::ColumnInfo& column : db.Columns(table)) {
        if (column.shape.type != engine::FieldType::kAlpha) continue;
        EXPECT_EQ(Number(db, fmt::format("SELECT COUNT(*) FROM \"{}\" WHERE length(\"{}\") > {}",
                                         table, column.name, column.shape.size)),
                  0)
            << table << "." << column.name;
      }
    }
  }
}

TEST_F(MakeUnitTest, ScaleOneKeepsTheProportionsOfAUnit) {
  EXPECT_EQ(CompartmentsForScale(1), 200);
  EXPECT_EQ(CompartmentsForScale(10), 2000);
  EXPECT_EQ(CompartmentsForScale(0.001), 1);

  UnitCounts c = GenerateUnit(Options(40, 1, "u"));
  double per = 1.0 / 40;
  EXPECT_NEAR(c["PS"] * per, 15.0, 3.0);        // 3,000 groups per 200 compartments
  EXPECT_NEAR(c["ETAZ"] * per, 30.0, 6.0);      // 6,000 layers
  EXPECT_NEAR(c["DREVINA"] * per, 75.0, 15.0);  // 15,000 species rows
  EXPECT_GT(c["NAVRH"], 0);
  EXPECT_GT(c["POSKOZ"], 0);
  EXPECT_GE(c["BEZLESI"], 40);
}

TEST_F(MakeUnitTest, SameSeedSameUnitOtherSeedOtherUnit) {
  GenerateUnit(Options(3, 42, "a"));
  GenerateUnit(Options(3, 42, "b"));
  GenerateUnit(Options(3, 43, "c"));
  auto dump = [&](const std::string& dir) {
    return Dump(Database::Open(out_.File(dir), engine::OpenMode::kReadOnly));
  };
  EXPECT_EQ(dump("a/DATA"), dump("b/DATA"));
  EXPECT_EQ(dump("a/PHS"), dump("b/PHS"));
  EXPECT_NE(dump("a/DATA"), dump("c/DATA"));
}

TEST_F(MakeUnitTest, RefusesToWriteOverAnExistingUnitAndBadInput) {
  GenerateUnit(Options(1, 1, "u"));
  std::string before = testing::ReadFile(out_.File("u/DATA/tables.sqlite"));
  EXPECT_THROW(GenerateUnit(Options(1, 2, "u")), engine::EngineError);
  EXPECT_EQ(testing::ReadFile(out_.File("u/DATA/tables.sqlite")), before);

  EXPECT_THROW(GenerateUnit(Options(0, 1, "z")), engine::EngineError);
  UnitOptions missing = Options(1, 1, "m");
  missing.codelist_dir = out_.File("nowhere");
  EXPECT_THROW(GenerateUnit(missing), engine::EngineError);
  EXPECT_FALSE(std::filesystem::exists(out_.File("m/DATA/tables.sqlite")));
}

}  // namespace
}  // namespace tarnik::bench
