// The sample unit in its exchange-file form (2000 form, written from the unit the planning
// database gives): `tarnik info --data` and `tarnik export` read it, and its numerical document
// equals the database form's except for what the two sources differ in, each difference masked
// below with its reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "app/commands/program_start.h"
#include "forest/option_flags.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "framework/models/world.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"
#include "testing/fst_unit_writer.h"
#include "testing/test_env.h"
#include "testing/xml_check.h"

namespace tarnik::cli {
namespace {

using ::tarnik::testing::ReadFile;

// What the two sources differ in, each left out of the comparison with its reason.
struct Difference {
  const char* pattern;  // a regular expression over one line of the document
  const char* reason;
};
const std::vector<Difference>& Differences() {
  static const std::vector<Difference> differences = {
      {R"([ ]*<SCHU [^\n]*\n)", "no exchange file holds the contractual protected areas"},
      {R"([ ]*<OP [^\n]*\n)", "no exchange file holds other land (OST)"},
      {R"([ ]*<MZD [^\n]*\n)",
       "no exchange file holds the soil-improving species per management set (MEL_DREV): the "
       "export builds the list from the program's table"},
      {R"( PLOCHA_DREVINY="[^"]*")", "PP.FST has no column of the species' area"},
      {R"( (CHKO_KOD|CHKO_Z_KOD|PO_KOD|EVL_KOD|PR_KOD)="[^"]*")",
       "the protected areas of stand groups and plots come from the plan-wide link tables, which "
       "the exchange files lack"},
      {R"( CISLO_TEL="[^"]*")", "the register number comes from the plan-wide tables"},
      {R"( HOSP_TVAR="[^"]*")", "PP.FST carries the management form of layers, not of groups"},
      {R"((<(BZL|JP) [^>]*) LT="[^"]*")",
       "BZL.FST and JP.FST have no forest-type column (LT is read for stand groups only)"},
  };
  return differences;
}

// The document with every listed difference masked but the one at `except`.
std::string Masked(std::string xml, size_t except = SIZE_MAX) {
  for (size_t i = 0; i < Differences().size(); ++i) {
    if (i == except) continue;
    const Difference& d = Differences()[i];
    const std::regex re(d.pattern);
    std::string replacement;
    if (std::string(d.pattern).rfind("(<(", 0) == 0) replacement = "$1 LT=\"*\"";
    xml = std::regex_replace(xml, re, replacement);
  }
  return xml;
}
using test::Result;
using test::RunTarnik;

class FstExportTest : public ::testing::Test {
 protected:
  FstExportTest() {
    ::tarnik::engine::test::BuildSqlDirectory("samples/demo/DATA", data_);
    ::tarnik::engine::test::BuildSqlDirectory("samples/demo/PHS", tmp_.File("demo/PHS"));
    app::RegisterProgramClasses();
    app::RegisterPlanSources();
    plan::UnitSession session = plan::OpenUnitSession(data_, {.add_to_world = false, .log = {}});
    // The volumes as the export states them (under bark, the program's default).
    forest::Flags().odkorneno = true;
    if (session.ok()) ::tarnik::testing::WriteUnitFstForm(*session.unit, fst_);
    forest::Flags() = forest::OptionFlags();
    plan::CloseUnitSession(session);
    framework::ResetWorld();
  }
  // The document of an export of `data` as UTF-8 text.
  std::string Export(const std::string& data, const std::string& out, Result* result = nullptr) {
    Result r =
        RunTarnik({"--quiet", "export", "--variant", "numerika", "--data", data, "--out", out});
    if (result) *result = r;
    return platform::Cp1250ToUtf8(ReadFile(out + "/ISHULXML/615203.xml"));
  }

  ::tarnik::testing::ScopedProgramDir program_;
  ::tarnik::testing::TempDir tmp_;
  std::string data_ = tmp_.File("demo/DATA");
  std::string fst_ = tmp_.File("demo/FST");
};

TEST_F(FstExportTest, InfoReadsTheExchangeForm) {
  ASSERT_TRUE(platform::FileExists(fst_ + "/PP.FST"));
  Result r = RunTarnik({"--quiet", "info", "--data", fst_});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("Druh zdroje dat: 8\nNačteno jako: -\nKód LHC: 615203\n"
                        "Název LHC: Sněžné - Žďárské vrchy\nPočet oddělení: 3\n",
                        0),
            0u)
      << r.out;
  Result db = RunTarnik({"--quiet", "info", "--data", data_});
  // The same compartments with the same counts below them.
  EXPECT_EQ(r.out.substr(r.out.find("Oddělení 11")), db.out.substr(db.out.find("Oddělení 11")));
}

TEST_F(FstExportTest, TheDocumentEqualsTheDatabaseFormsButForTheSources) {
  Result fst_result, db_result;
  const std::string from_fst = Export(fst_, tmp_.File("out_fst"), &fst_result);
  const std::string from_db = Export(data_, tmp_.File("out_db"), &db_result);
  ASSERT_EQ(fst_result.code, kExitOk) << fst_result.err;
  ASSERT_EQ(db_result.code, kExitOk) << db_result.err;
  EXPECT_EQ(::tarnik::testing::XmlWellFormednessError(from_fst), std::nullopt);
  if (const char* keep = std::getenv("TARNIK_KEEP_FST_COMPARISON")) {
    ::tarnik::testing::WriteFile(std::string(keep) + "/fst.xml", from_fst);
    ::tarnik::testing::WriteFile(std::string(keep) + "/db.xml", from_db);
    ::tarnik::testing::WriteFile(std::string(keep) + "/fst.err", fst_result.err);
    ::tarnik::testing::WriteFile(std::string(keep) + "/fst.masked", Masked(from_fst));
    ::tarnik::testing::WriteFile(std::string(keep) + "/db.masked", Masked(from_db));
  }
  EXPECT_TRUE(Masked(from_fst) == Masked(from_db));
  // Every difference listed is one: without its mask the documents differ.
  for (size_t i = 0; i < Differences().size(); ++i)
    EXPECT_NE(Masked(from_fst, i), Masked(from_db, i)) << Differences()[i].reason;
}

}  // namespace
}  // namespace tarnik::cli
