// The LČR server databases of the Oracle sources' tests: SQLite files reached through the SQLite
// ODBC driver, named in vekta.ini of the fixture's program directory like the installation's.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/ini.h"
#include "platform/paths.h"
#include "testing/engine_test_util.h"
#include "testing/odbc_test_util.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan::test {

// The LČR plan tables (a reduced column set), empty.
inline const char* kPlanTables =
    "CREATE TABLE LHC (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, LHC_NAZ VARCHAR(40), "
    " KU_DATUM DATE, ETAT_TO INTEGER);"
    "CREATE TABLE MAJETEK (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, MAJ_KOD INTEGER);"
    "CREATE TABLE POROST (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), MAJ_KOD INTEGER, POR_TEXT VARCHAR(255), OBR BLOB);"
    "CREATE TABLE POROST_SKUP (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, "
    " ODD_ID INTEGER, DIL CHAR(1), POR CHAR(1), PSK VARCHAR(12), PSK_P FLOAT, "
    " PSK_TEXT VARCHAR(255));"
    "CREATE TABLE PS_V_KU (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), PSK VARCHAR(12), KU_KOD INTEGER);"
    "CREATE TABLE ETAZ (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), PSK VARCHAR(12), ETAZ VARCHAR(3), VEK INTEGER);"
    "CREATE TABLE DREVINA (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), PSK VARCHAR(12), ETAZ VARCHAR(3), DR_ZKR VARCHAR(3), "
    " ZAST INTEGER, OBJ_SOUSI INTEGER);"
    "CREATE TABLE DREV_ZALES (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), PSK VARCHAR(12), ETAZ VARCHAR(3), ZAL_DR VARCHAR(3), "
    " ZAL_DR_P INTEGER);"
    "CREATE TABLE SKODY (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), PSK VARCHAR(12), ETAZ VARCHAR(3), DR_ZKR VARCHAR(3), "
    " POSKOZ_D INTEGER, POSKOZ_R INTEGER);"
    "CREATE TABLE PREKRYV (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), KATEGORIE VARCHAR(4));"
    "CREATE TABLE BEZLESI (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), BZL INTEGER, BZL_ID INTEGER, BZL_P FLOAT);"
    "CREATE TABLE JINE_POZ (LHC_KOD INTEGER, LHC_KOD_ID INTEGER, ODD INTEGER, ODD_ID INTEGER, "
    " DIL CHAR(1), POR CHAR(1), JP INTEGER, JP_ID INTEGER, JP_P FLOAT);";

class LcrFixture : public ::testing::Test, public UnitFixture {
 public:
  // A server database of the given SQL, named `name` in vekta.ini; answers its file.
  std::string Server(const std::string& name, const std::string& sql) {
    const std::string dir = Dir(name);
    engine::test::RunSql(dir, sql);
    const std::string file = dir + "/tables.sqlite";
    platform::IniFile ini(platform::ProgramFile("vekta.ini"));
    ini.WriteString("DATABASE", name, testing::ScopedSqliteOdbc::ConnectionString(file));
    return file;
  }

  testing::ScopedSqliteOdbc odbc;
};

}  // namespace tarnik::plan::test
