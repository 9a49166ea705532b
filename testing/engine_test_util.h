// Helpers for the engine tests: a database directory built from SQL text in a temporary folder.
#pragma once

#include <sqlite3.h>

#include <stdexcept>
#include <string>

#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::engine::test {

// Creates <dir>/tables.sqlite (the directory too) and runs the SQL script in it.
inline void RunSql(const std::string& dir, const std::string& sql) {
  platform::ForceDirectories(dir);
  sqlite3* db = nullptr;
  std::string file = dir + "/tables.sqlite";
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open");
  // Fixtures need no durability: building them without syncing keeps the tests fast.
  sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
  char* err = nullptr;
  int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
  std::string msg = err ? err : "";
  sqlite3_free(err);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("SQL failed: " + msg);
}

// Copies a source-tree directory of SQL text ("samples/demo/DATA", "share/CISELNIK") to `target`
// and builds its tables.sqlite from the SQL files in name order.
inline void BuildSqlDirectory(const std::string& source, const std::string& target) {
  std::string from = testing::SourcePath(source);
  std::string sql;
  for (const auto& f : platform::ListDirectory(from, "*.sql"))
    sql += testing::ReadFile(platform::JoinPath(from, f)) + "\n";
  sql = "BEGIN;\n" + sql + "\nCOMMIT;\n";
  platform::ForceDirectories(target);
  platform::DeleteFile(target + "/tables.sqlite");
  RunSql(target, sql);
}

// The text of a fixture of data/engine/tests/data.
inline std::string Fixture(const std::string& name) {
  return testing::ReadFile(testing::SourcePath("data/engine/tests/data/" + name));
}

}  // namespace tarnik::engine::test
