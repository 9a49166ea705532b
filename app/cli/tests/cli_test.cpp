#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using test::Result;
using test::RunTarnik;

TEST(Cli, VersionHelpAndUsageErrors) {
  Result v = RunTarnik({"--version"});
  EXPECT_EQ(v.code, kExitOk);
  EXPECT_EQ(v.out, "tarnik 9.1.0.0\n");
  Result h = RunTarnik({"--help"});
  EXPECT_EQ(h.code, kExitOk);
  EXPECT_NE(h.out.find("info"), std::string::npos);
  EXPECT_NE(h.out.find("Použití"), std::string::npos);
  Result bad = RunTarnik({"--bogus"});
  EXPECT_EQ(bad.code, kExitUsage);
  EXPECT_NE(bad.err.find("Nadbytečné parametry"), std::string::npos);
  EXPECT_EQ(RunTarnik({"neznamy-prikaz"}).code, kExitUsage);
  EXPECT_EQ(RunTarnik({"--program-dir"}).code, kExitUsage);
}

TEST(Cli, ProgramDirectoryOptionIsCheckedAndUsed) {
  tarnik::testing::TempDir tmp;
  std::string saved = platform::ProgramDir();
  Result missing = RunTarnik({"--program-dir", tmp.File("none"), "info"});
  EXPECT_EQ(missing.code, kExitFailure);
  EXPECT_NE(missing.err.find("neexistuje"), std::string::npos);

  // Without code lists `info` reports them missing and fails.
  Result empty = RunTarnik({"--program-dir", tmp.path(), "info"});
  EXPECT_EQ(empty.code, kExitFailure);
  EXPECT_NE(empty.out.find("Číselníky: nenalezeny"), std::string::npos);

  tarnik::testing::WriteFile(tmp.File("ciselnik/tables.sqlite"), "");
  tarnik::testing::WriteFile(tmp.File("XmlExpNU.dtd"), "");
  Result ok = RunTarnik({"--program-dir", tmp.path(), "info"});
  EXPECT_EQ(ok.code, kExitOk);
  EXPECT_NE(ok.out.find("DTD: XmlExpNU.dtd"), std::string::npos);
  EXPECT_NE(ok.out.find("Adresář programu: " + tmp.path()), std::string::npos);
  platform::SetProgramDir(saved);
}

}  // namespace
}  // namespace tarnik::cli
