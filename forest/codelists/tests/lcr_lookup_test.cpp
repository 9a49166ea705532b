#include "forest/codelists/lcr_lookup.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <stdexcept>

#include "data/engine/database.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

// Answers the queries from an SQLite database standing in for the Oracle code lists.
class SqliteSource : public LcrCodeSource {
 public:
  explicit SqliteSource(engine::Database db) : db_(std::move(db)) {}
  std::optional<std::string> FirstValue(const std::string& sql,
                                        const std::vector<engine::Value>& params,
                                        const std::string& column) override {
    ++queries;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_.handle(), sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
      throw std::runtime_error("prepare");
    for (size_t i = 0; i < params.size(); ++i) {
      const auto& p = params[i];
      if (p.is_integer())
        sqlite3_bind_int64(stmt, static_cast<int>(i + 1), p.integer());
      else
        sqlite3_bind_text(stmt, static_cast<int>(i + 1), p.text().c_str(), -1, SQLITE_TRANSIENT);
    }
    std::optional<std::string> answer;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
      for (int c = 0; c < sqlite3_column_count(stmt); ++c)
        if (column == sqlite3_column_name(stmt, c))
          answer = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
    }
    sqlite3_finalize(stmt);
    return answer;
  }
  int queries = 0;

 private:
  engine::Database db_;
};

class LcrLookups : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute("CREATE TABLE C_054 (LHC_ID INTEGER, KOD INTEGER, JMENO VARCHAR(40))");
    db_.Execute(
        "CREATE TABLE C_MAJ (LHC_ID INTEGER, MAJ_KOD INTEGER, MAJ_DRUH INTEGER, "
        "MAJ_NAZ VARCHAR(80))");
    db_.Execute(
        "CREATE TABLE C_ORG_UR (KOD INTEGER, LHC_ID INTEGER, PORADI INTEGER, "
        "POPIS VARCHAR(40))");
    db_.Execute("CREATE TABLE C_KU (KOD INTEGER, POPIS VARCHAR(40))");
    db_.Execute("INSERT INTO C_054 VALUES (12850, 4, 'Ing. Novák'), (99, 4, 'Jiný')");
    db_.Execute("INSERT INTO C_MAJ VALUES (12850, 1, 2, 'Obec Sněžné'), (12850, 1, 3, 'Jiný')");
    db_.Execute("INSERT INTO C_ORG_UR VALUES (7, 12850, 1, 'Správa'), (7, 12850, 2, 'Revír')");
    db_.Execute("INSERT INTO C_KU VALUES (752061, 'Sněžné na Moravě')");
  }

  testing::TempDir dir_;
  engine::Database db_ = engine::Database::Open(dir_.path());
  SqliteSource source_{db_};
};

TEST_F(LcrLookups, NamesComeFromTheFirstMatchingRow) {
  EXPECT_EQ(LcrManagerName(&source_, "12850", "4"), "Ing. Novák");
  EXPECT_EQ(LcrOwnerName(&source_, "12850", "1", "3"), "Jiný");
  EXPECT_EQ(LcrOrgLevelName(&source_, "12850", "7", 2), "Revír");
  EXPECT_EQ(LcrCadastreName(&source_, "752061"), "Sněžné na Moravě");
}

TEST_F(LcrLookups, MissingRowsAndFailuresAnswerTheCodeInDashes) {
  EXPECT_EQ(LcrManagerName(&source_, "12850", "5"), "-5-");
  EXPECT_EQ(LcrOwnerName(&source_, "1", "1", "2"), "-1-");
  EXPECT_EQ(LcrCadastreName(nullptr, "752061"), "-752061-");
  // A code that is no number is bound as a text, so it cannot alter the statement.
  EXPECT_EQ(LcrCadastreName(&source_, "1) or (1=1"), "-1) or (1=1-");
  EXPECT_EQ(LcrCadastreQuery("1) or (1=1").sql, "select * from C_KU where (KOD=?)");
}

}  // namespace
}  // namespace tarnik::plan
