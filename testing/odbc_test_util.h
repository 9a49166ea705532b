// The SQLite ODBC driver registered for a test: a temporary odbcinst.ini naming the driver
// "SQLite3" and an odbc.ini of DSNs, found through ODBCSYSINI and ODBCINI for the scope (both are
// restored afterwards). unixODBC remembers the directory of odbcinst.ini once it has read it, so
// the files lie in one directory for the whole test program. Connection strings
// "Driver=SQLite3;Database=<file>" work as well.
#pragma once

#include <dlfcn.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::testing {

inline constexpr const char* kSqliteOdbcDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

class ScopedSqliteOdbc {
 public:
  ScopedSqliteOdbc()
      : dir_(Directory()), previous_sys_(Get("ODBCSYSINI")), previous_ini_(Get("ODBCINI")) {
    // The driver and the driver manager's configuration library stay loaded when the driver
    // manager lets them go, so that the leak checker can name the allocations they keep for the
    // process (suppressed in test_env.cpp).
    static void* driver = ::dlopen(kSqliteOdbcDriver, RTLD_NOW | RTLD_NODELETE);
    static void* odbcinst = ::dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_NODELETE);
    (void)driver;
    (void)odbcinst;
    WriteFile(dir_.File("odbcinst.ini"), std::string("[SQLite3]\nDescription=SQLite3\nDriver=") +
                                             kSqliteOdbcDriver + "\nThreading=2\n");
    WriteFile(dir_.File("odbc.ini"), "");
    ::setenv("ODBCSYSINI", dir_.path().c_str(), 1);
    ::setenv("ODBCINI", dir_.File("odbc.ini").c_str(), 1);
  }
  ~ScopedSqliteOdbc() {
    Restore("ODBCSYSINI", previous_sys_);
    Restore("ODBCINI", previous_ini_);
  }
  ScopedSqliteOdbc(const ScopedSqliteOdbc&) = delete;
  ScopedSqliteOdbc& operator=(const ScopedSqliteOdbc&) = delete;

  static bool DriverInstalled() { return platform::FileExists(kSqliteOdbcDriver); }

  // Adds a DSN for an SQLite file.
  void AddDsn(const std::string& name, const std::string& file) {
    dsns_ += "[" + name + "]\nDriver=SQLite3\nDatabase=" + file + "\nTimeout=5000\n";
    WriteFile(dir_.File("odbc.ini"), dsns_);
  }
  // A connection string for an SQLite file.
  static std::string ConnectionString(const std::string& file) {
    return "Driver=SQLite3;Database=" + file + ";Timeout=5000";
  }

 private:
  static TempDir& Directory() {
    static TempDir dir;
    return dir;
  }
  static std::optional<std::string> Get(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
  }
  static void Restore(const char* name, const std::optional<std::string>& value) {
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }

  TempDir& dir_;
  std::optional<std::string> previous_sys_, previous_ini_;
  std::string dsns_;
};

}  // namespace tarnik::testing
