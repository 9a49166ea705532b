// `tarnik import`: the export of the sample unit and of a generated unit read back into an empty
// planning database exports again to the same bytes; the question, its answers and the exit
// codes of the command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "bench/unit_generator.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using ::tarnik::testing::ReadFile;
using test::Result;
using test::RunTarnik;

class ImportCommandTest : public ::testing::Test {
 protected:
  ImportCommandTest() {
    engine::test::BuildSqlDirectory("samples/demo/DATA", tmp_.File("demo/DATA"));
    engine::test::BuildSqlDirectory("samples/demo/PHS", tmp_.File("demo/PHS"));
  }
  // Exports the unit in `data` into `out` and answers the document's path.
  std::string Export(const std::string& data, const std::string& out) {
    Result r =
        RunTarnik({"--quiet", "export", "--variant", "numerika", "--data", data, "--out", out});
    EXPECT_NE(r.code, kExitFailure) << r.err;
    return out + "/ISHULXML/" + platform::ListDirectory(out + "/ISHULXML", "*.xml").at(0);
  }
  Result Import(const std::string& xml, const std::string& data, std::vector<std::string> extra) {
    std::vector<std::string> args = {"--quiet", "import", xml, "--data", data};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunTarnik(args);
  }
  // Export, import into a new database, export again: the same bytes.
  void ExpectRoundTrip(const std::string& data) {
    const std::string first = Export(data, tmp_.File("first"));
    Result r = Import(first, tmp_.File("new/DATA"), {"--create", "--json"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("\"passed_over\":0,"), std::string::npos) << r.out;
    const std::string second = Export(tmp_.File("new/DATA"), tmp_.File("second"));
    EXPECT_TRUE(ReadFile(first) == ReadFile(second)) << first << " and " << second << " differ";
  }

  ::tarnik::testing::ScopedProgramDir program_;
  ::tarnik::testing::TempDir tmp_;
};

TEST_F(ImportCommandTest, TheSampleComesBackByteForByte) {
  ExpectRoundTrip(tmp_.File("demo/DATA"));
}

TEST_F(ImportCommandTest, AGeneratedUnitOfScaleOneComesBackByteForByte) {
  bench::UnitOptions options;
  options.compartments = bench::CompartmentsForScale(1);
  options.out_dir = tmp_.File("generated");
  options.codelist_dir = program_.File("CISELNIK");
  bench::GenerateUnit(options);
  ExpectRoundTrip(tmp_.File("generated/DATA"));
}

TEST_F(ImportCommandTest, CompartmentsInTheDatabaseNeedAnAnswer) {
  const std::string xml = Export(tmp_.File("demo/DATA"), tmp_.File("out"));
  const std::string plan = tmp_.File("demo/DATA/tables.sqlite");
  const std::string before = ReadFile(plan);

  Result r = Import(xml, tmp_.File("demo/DATA"), {});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("Vymazat všechna data ze zdroje ?\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--append"), std::string::npos);
  EXPECT_TRUE(ReadFile(plan) == before);

  EXPECT_EQ(Import(xml, tmp_.File("demo/DATA"), {"--yes", "--append"}).code, kExitUsage);

  r = Import(xml, tmp_.File("demo/DATA"), {"--append"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.out.find("oddělení: 3\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("-> Ne"), std::string::npos);
  r = Import(xml, tmp_.File("demo/DATA"), {"--yes", "--json"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("{\"file\":\"" + xml + "\",\"compartments\":3,\"elements\":{", 0), 0u)
      << r.out;
  EXPECT_NE(r.out.find("\"rows\":{"), std::string::npos);
  EXPECT_NE(
      r.out.find("{\"severity\":\"information\",\"text\":\"Vymazat všechna data ze zdroje ?\"}"),
      std::string::npos)
      << r.out;
}

TEST_F(ImportCommandTest, DataPassedOverAndFailures) {
  const std::string xml = tmp_.File("other.xml");
  ::tarnik::testing::WriteFile(
      xml,
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DATAISLH><LHC LHC_KOD=\"1\" NOVY=\"x\">"
      "<ODD ODD=\"1\"><HOS/></ODD></LHC></DATAISLH>");
  Result r = Import(xml, tmp_.File("fresh/DATA"), {"--create"});
  EXPECT_EQ(r.code, kExitPassedOver) << r.err;
  EXPECT_NE(r.err.find("Element <HOS> program nezná"), std::string::npos);
  EXPECT_NE(r.err.find("Příkaz byl dokončen, ale část dat byla vynechána: 2 hlášení."),
            std::string::npos)
      << r.err;

  r = Import(tmp_.File("missing.xml"), tmp_.File("fresh/DATA"), {});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("Soubor \"" + tmp_.File("missing.xml") + "\" neexistuje!"),
            std::string::npos);
  // Without --create a directory without a database is no plan.
  r = Import(xml, tmp_.File("nowhere"), {});
  EXPECT_EQ(r.code, kExitFailure);
}

}  // namespace
}  // namespace tarnik::cli
