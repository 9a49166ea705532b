#include "fuzz/db_mutator.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>
#include <string>
#include <vector>

#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::fuzzing {
namespace {

using ::tarnik::testing::TempDir;

// A parent and a child table linked by VAZBA, with keys and an index, as the plan tables are.
constexpr const char* kSchema =
    "CREATE TABLE ODDELENI (ID DOUBLE, VAZBA DOUBLE, ODD SMALLINT, PRIMARY KEY (ID));"
    "CREATE TABLE DILEC (ID DOUBLE, VAZBA DOUBLE, DIL VARCHAR(1), PLOCHA DOUBLE, "
    "  PRIMARY KEY (ID));"
    "CREATE INDEX DILEC_VAZBA ON DILEC (VAZBA);"
    "INSERT INTO ODDELENI VALUES (1, 0, 11), (2, 0, 12);"
    "INSERT INTO DILEC VALUES (3, 1, 'a', 1.5), (4, 1, 'b', 2.25), (5, 2, 'a', 0.5);";

void Exec(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

// Every table's declared columns and rows as text, to compare two files.
std::string Dump(const std::string& file) {
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) return "unopenable";
  std::string out;
  auto rows = [](void* text, int n, char** values, char**) {
    for (int i = 0; i < n; ++i) {
      *static_cast<std::string*>(text) += values[i] ? values[i] : "NULL";
      *static_cast<std::string*>(text) += '|';
    }
    *static_cast<std::string*>(text) += '\n';
    return 0;
  };
  sqlite3_exec(db, "SELECT type, name, sql FROM sqlite_master ORDER BY name", rows, &out, nullptr);
  for (const char* table : {"ODDELENI", "DILEC"}) {
    const std::string sql = std::string("SELECT typeof(ID), * FROM ") + table + " ORDER BY rowid";
    sqlite3_exec(db, sql.c_str(), rows, &out, nullptr);
  }
  sqlite3_close(db);
  return out;
}

int64_t Scalar(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_stmt* st = nullptr;
  int64_t value = -1;
  if (sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
      sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
      sqlite3_step(st) == SQLITE_ROW)
    value = sqlite3_column_int64(st, 0);
  sqlite3_finalize(st);
  sqlite3_close(db);
  return value;
}

std::string Fresh(const TempDir& dir, const std::string& name) {
  const std::string file = dir.File(name);
  platform::DeleteFile(file);
  Exec(file, kSchema);
  return file;
}

TEST(DbMutatorTest, TheSameSeedDamagesTheSameWay) {
  TempDir dir;
  for (uint64_t seed : {1u, 2u, 77u}) {
    const std::string a = Fresh(dir, "a.sqlite"), b = Fresh(dir, "b.sqlite");
    Rng rng_a(seed), rng_b(seed);
    const std::vector<std::string> done_a = MutateDatabase(a, rng_a, 6);
    const std::vector<std::string> done_b = MutateDatabase(b, rng_b, 6);
    EXPECT_EQ(done_a, done_b) << "seed " << seed;
    EXPECT_EQ(Dump(a), Dump(b)) << "seed " << seed;
    EXPECT_FALSE(done_a.empty()) << "seed " << seed;
    EXPECT_NE(Dump(a), Dump(Fresh(dir, "c.sqlite"))) << "seed " << seed;
  }
}

TEST(DbMutatorTest, EveryKindOfDamageIsApplied) {
  TempDir dir;
  const std::vector<std::string> kinds = {"= NULL",
                                          "= int ",
                                          "= real ",
                                          "= text '",
                                          "= text of ",
                                          "= blob of ",
                                          "every row = ",
                                          "*= ",
                                          "= ODDELENI",
                                          "= nowhere ",
                                          "its own ID",
                                          "cycle of VAZBA",
                                          "parent's VAZBA",
                                          "(key dropped)",
                                          " deleted",
                                          " duplicated",
                                          "every row deleted",
                                          " dropped",
                                          " declared '",
                                          "every value extreme"};
  std::set<std::string> seen;
  for (uint64_t seed = 1; seed <= 400 && seen.size() < kinds.size(); ++seed) {
    const std::string file = Fresh(dir, "m.sqlite");
    Rng rng(seed);
    for (const std::string& line : MutateDatabase(file, rng, 3)) {
      for (const std::string& kind : kinds) {
        if (line.find(kind) != std::string::npos) seen.insert(kind);
      }
    }
    EXPECT_NE(Dump(file), "unopenable") << "seed " << seed;
  }
  for (const std::string& kind : kinds) EXPECT_TRUE(seen.count(kind)) << kind;
}

TEST(DbMutatorTest, ADuplicateKeyDropsTheKeyButKeepsTheOtherIndexes) {
  TempDir dir;
  for (uint64_t seed = 1; seed <= 2000; ++seed) {
    const std::string file = Fresh(dir, "k.sqlite");
    Rng rng(seed);
    const std::vector<std::string> done = MutateDatabase(file, rng, 1);
    if (done.empty() || done[0].rfind("DILEC row", 0) != 0 ||
        done[0].find("duplicated (key dropped)") == std::string::npos)
      continue;
    EXPECT_EQ(Scalar(file, "SELECT COUNT(*) FROM sqlite_master WHERE name = 'DILEC_VAZBA'"), 1);
    EXPECT_EQ(Scalar(file, "SELECT COUNT(*) FROM pragma_table_info('DILEC') WHERE pk > 0"), 0);
    EXPECT_EQ(Scalar(file, "SELECT COUNT(*) FROM DILEC"), 4);
    EXPECT_EQ(Scalar(file, "SELECT COUNT(DISTINCT ID) FROM DILEC"), 3);
    return;
  }
  FAIL() << "no seed duplicated a DILEC row";
}

TEST(DbMutatorTest, DamagedFilesAreWhatTheLogSays) {
  TempDir dir;
  std::set<std::string> seen;
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    const std::string file = Fresh(dir, "d.sqlite");
    const std::string before = ::tarnik::testing::ReadFile(file);
    Rng rng(seed);
    const std::string done = DamageFile(file, rng);
    const std::string after = ::tarnik::testing::ReadFile(file);
    seen.insert(done.find("overwritten") != std::string::npos ? "overwritten"
                                                              : done.substr(0, done.find(' ')));
    if (done == "removed") {
      EXPECT_FALSE(platform::FileExists(file));
    } else if (done == "emptied") {
      EXPECT_TRUE(platform::FileExists(file));
      EXPECT_TRUE(after.empty());
    } else if (done.rfind("cut to ", 0) == 0) {
      EXPECT_LT(after.size(), before.size());
      EXPECT_EQ(after, before.substr(0, after.size()));
    } else {
      ASSERT_NE(done.find("bytes overwritten"), std::string::npos) << done;
      EXPECT_EQ(after.size(), before.size());
    }
  }
  EXPECT_EQ(seen, (std::set<std::string>{"cut", "emptied", "overwritten", "removed"}));
}

TEST(RngTest, BelowStaysInRangeAndCoversIt) {
  Rng rng(5);
  std::set<uint64_t> seen;
  for (int i = 0; i < 1000; ++i) {
    const uint64_t v = rng.Below(7);
    ASSERT_LT(v, 7u);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_EQ(rng.Below(0), 0u);
  EXPECT_EQ(Rng(9).Next(), Rng(9).Next());
  EXPECT_NE(Rng(9).Next(), Rng(10).Next());
}

}  // namespace
}  // namespace tarnik::fuzzing
