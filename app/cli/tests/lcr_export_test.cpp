// `tarnik export` of the sample unit stored in the LČR server tables (SQLite files through the
// SQLite ODBC driver): through the LČR Oracle source ("LCR-Oracle") and through the LČR plan
// tables ("ALIAS"), each document pinned by a golden file and equal to the document of the
// planning database except for what these sources do not read. TARNIK_UPDATE_GOLDEN=1 rewrites
// the golden files from the current output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/cli/cli_app.h"
#include "app/cli/tests/lcr_sample_tables.h"
#include "app/cli/tests/run_tarnik.h"
#include "app/commands/program_start.h"
#include "data/engine/server_connections.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "platform/encoding.h"
#include "platform/ini.h"
#include "platform/quiet_ui.h"
#include "testing/engine_test_util.h"
#include "testing/odbc_test_util.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using ::tarnik::testing::ReadFile;
using ::tarnik::testing::WriteFile;
using test::Result;
using test::RunTarnik;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos; pos += to.size())
    text.replace(pos, from.size(), to);
  return text;
}

// The document as UTF-8 with LF, compared with (or, with TARNIK_UPDATE_GOLDEN=1, written to) its
// golden file.
void ExpectGolden(const std::string& text, const std::string& golden_name) {
  const std::string path = ::tarnik::testing::SourcePath("app/cli/tests/data/" + golden_name);
  if (const char* update = std::getenv("TARNIK_UPDATE_GOLDEN"); update && *update == '1')
    WriteFile(path, text);
  EXPECT_EQ(text, ReadFile(path)) << golden_name << " differs";
}

// What a source leaves out: elements dropped with everything inside them (all of a name, or those
// whose line holds a text), attributes whose values are blanked (per element; "*" for every
// element), and rewrites of a line's text.
struct Mask {
  std::set<std::string> elements;
  std::vector<std::pair<std::string, std::string>> attributes;  // element, attribute
  std::vector<std::pair<std::string, std::string>> dropped;     // element, text of its line
  std::vector<std::pair<std::string, std::string>> rewrites;    // regular expression, format
};

std::string Masked(const std::string& document, const Mask& mask) {
  std::string out;
  std::string skip_until;  // the closing line of a dropped element
  size_t start = 0;
  while (start < document.size()) {
    size_t end = document.find('\n', start);
    if (end == std::string::npos) end = document.size();
    std::string line = document.substr(start, end - start);
    start = end + 1;
    if (!skip_until.empty()) {
      if (line == skip_until) skip_until.clear();
      continue;
    }
    const size_t lt = line.find('<');
    if (lt != std::string::npos && lt + 1 < line.size() && line[lt + 1] != '/' &&
        line[lt + 1] != '?' && line[lt + 1] != '!') {
      const size_t name_end = line.find_first_of(" />", lt + 1);
      const std::string name = line.substr(lt + 1, name_end - lt - 1);
      bool drop = mask.elements.count(name) > 0;
      for (const auto& [element, text] : mask.dropped)
        drop = drop || (element == name && line.find(text) != std::string::npos);
      if (drop) {
        if (!line.ends_with("/>")) skip_until = line.substr(0, lt) + "</" + name + ">";
        continue;
      }
      for (const auto& [element, attribute] : mask.attributes)
        if (element == "*" || element == name)
          line = std::regex_replace(line, std::regex(" " + attribute + "=\"[^\"]*\""),
                                    " " + attribute + "=\"#\"");
      for (const auto& [pattern, format] : mask.rewrites)
        line = std::regex_replace(line, std::regex(pattern), format);
    }
    out += line + "\n";
  }
  return out;
}

class LcrExportTest : public ::testing::Test {
 protected:
  LcrExportTest() {
    ::tarnik::engine::test::BuildSqlDirectory("samples/demo/DATA", data_);
    ::tarnik::engine::test::BuildSqlDirectory("samples/demo/PHS", tmp_.File("demo/PHS"));
  }
  // A server database named in vekta.ini, connected.
  std::unique_ptr<engine::SqlConnection> Server(const std::string& name) {
    platform::ForceDirectories(tmp_.File(name));
    platform::IniFile ini(program_.File("vekta.ini"));
    ini.WriteString(
        "DATABASE", name,
        ::tarnik::testing::ScopedSqliteOdbc::ConnectionString(tmp_.File(name + "/tables.sqlite")));
    return engine::ConnectServer(name);
  }
  // The sample unit read from its planning database, handed to `write`.
  template <class F>
  void FromSample(F&& write) {
    app::RegisterProgramClasses();
    app::RegisterPlanSources();
    platform::QuietUi quiet;
    platform::ScopedUi scoped(&quiet);
    plan::UnitSessionOptions options;
    options.add_to_world = false;
    plan::UnitSession session = plan::OpenUnitSession(data_, options);
    ASSERT_TRUE(session.ok()) << session.failure;
    write(*session.unit);
    plan::CloseUnitSession(session);
    framework::ResetWorld();
  }
  // The numerical document exported from `data` (with --lhc when given), as UTF-8 with LF.
  std::string Export(const std::string& data, const std::string& lhc, const std::string& out) {
    std::vector<std::string> args = {"--quiet", "export", "--variant", "numerika",
                                     "--data",  data,     "--out",     tmp_.File(out)};
    if (!lhc.empty()) args.insert(args.end(), {"--lhc", lhc});
    Result r = RunTarnik(args);
    EXPECT_EQ(r.code, kExitOk) << r.err;
    return Replace(platform::Cp1250ToUtf8(ReadFile(tmp_.File(out + "/ISHULXML/615203.xml"))),
                   "\r\n", "\n");
  }

  ::tarnik::testing::ScopedProgramDir program_;
  ::tarnik::testing::TempDir tmp_;
  ::tarnik::testing::ScopedSqliteOdbc odbc_;
  std::string data_ = tmp_.File("demo/DATA");
};

TEST_F(LcrExportTest, OracleTablesOfTheSampleUnitExportItsPlanningForm) {
  const std::string planning = Export(data_, "", "planning");
  {
    auto db = Server("LCR_ORAC");
    FromSample([&](plan::TLesniCelek& unit) { test::WriteLcrOracleTables(*db, unit, 4, {}); });
  }
  // The LČR code lists of the unit from its plan-wide tables.
  ::tarnik::engine::test::RunSql(
      tmp_.File("LCR_ORAC"),
      "ATTACH DATABASE '" + tmp_.File("demo/PHS/tables.sqlite") +
          "' AS phs;"
          "INSERT INTO C_054 SELECT 4, KOD, POPIS FROM phs.OLH;"
          "INSERT INTO C_MAJ SELECT 4, MAJ_KOD, MAJ_DRUH, MAJ_NAZ FROM phs.MAJETKY;"
          "INSERT INTO C_ORG_UR SELECT KOD, 4, 1, POPIS FROM phs.ORGUR1;"
          "INSERT INTO C_ORG_UR SELECT KOD, 4, 2, POPIS FROM phs.ORGUR2;"
          "INSERT INTO C_ORG_UR SELECT KOD, 4, 3, POPIS FROM phs.ORGUR3;"
          "INSERT INTO C_KU SELECT Kod, POPIS FROM phs.KATASTRY;"
          // The stands' owner kind is not read: the owner is looked up with kind 0.
          "INSERT INTO C_MAJ VALUES (4, 104, 0, 'Obec Samotín, lesy ''Na Skále''');");
  const std::string lcr = Export("LCR-Oracle", "615203/4", "lcr");
  ExpectGolden(lcr, "export_lcr_oracle.xml");
  EXPECT_NE(lcr.find(" MAJ_NAZ=\"Obec Samotín, lesy &apos;Na Skále&apos;\" "), std::string::npos);

  // Not read from the Oracle tables: other land (OP); parcel parts (CPP, CPB, CPJ, the owners'
  // numbers CISLO_TEL, and plot 3 of 13A2, which a cadastral boundary splits into two rows of the
  // plan, one plot with its parts in the LČR tables); the special-area columns; the owner kind
  // MAJ_DRUH and so the owner's name looked up by it; the LHC's columns but its code and name; the
  // plan-wide code lists and what comes from them (management sets with POC_OBNOVY, the MZD list,
  // SCHU, OU1, OU2, OLH); the layer's MZD share, the species' areas PLOCHA_DREVINY, the group's
  // HOSP_TVAR and DAN, the other plots' JP_PUPFL and the plots' LT, which the tables do not carry;
  // statuses after the first; the group designation, which is rebuilt from the layers.
  Mask mask = Mask{{"OP", "CPP", "CPB", "CPJ", "HS", "MZD", "SCHU", "OU1", "OU2", "OLH"},
                   {{"POR", "MAJ_DRUH"},
                    {"POR", "MAJ_NAZ"},
                    {"PSK", "PSK"},
                    {"PSK", "HOSP_TVAR"},
                    {"PSK", "DAN"},
                    {"ETZ", "POC_OBNOVY"},
                    {"ETZ", "MZD"},
                    {"DRV", "PLOCHA_DREVINY"},
                    {"BZL", "LT"},
                    {"JP", "LT"},
                    {"JP", "JP_PUPFL"}},
                   {{"BZL", " BZL=\"3\" "}},
                   {{" ZVL_STATUT=\"([^\"$]*)\\$[^\"]*\"", " ZVL_STATUT=\"$1\""}}};
  for (const char* a :
       {"LHP_OD", "LHP_DO", "LHP_TAX", "LHP_LIC", "LHP_Z_OD", "LHP_Z_DO", "LHP_Z_TAX", "LHP_Z_LIC",
        "ETAT", "ETAT_TO", "ETAT_TV", "LHC_PN_PRO", "MVYCH_DO40"})
    mask.attributes.emplace_back("LHC", a);
  for (const char* a : {"CISLO_TEL", "PO_KOD", "CHKO_KOD", "CHKO_Z_KOD", "NP_KOD", "NP_Z_KOD",
                        "PP_KOD", "PR_KOD", "EVL_KOD", "NPP_KOD", "NPR_KOD", "SCHU_KOD"})
    mask.attributes.emplace_back("*", a);
  EXPECT_EQ(Masked(lcr, mask), Masked(planning, mask));
}

TEST_F(LcrExportTest, PlanTablesOfTheSampleUnitExportItsPlanningForm) {
  const std::string planning = Export(data_, "", "planning");
  {
    auto db = Server("LHP_ORAC");
    FromSample([&](plan::TLesniCelek& unit) { test::WriteLcrPlanTables(*db, unit, 4); });
  }
  const std::string lcr = Export("ALIAS", "615203/4", "alias");
  ExpectGolden(lcr, "export_lcr_plan_set.xml");

  // The plan tables carry more than the Oracle tables; not read from them: other land (OP);
  // parcel parts (CPP, CPB, CPJ, the owners' numbers CISLO_TEL, the split plot 3 of 13A2); the
  // protected-site codes EVL_KOD of the special-area columns; statuses after the first; the
  // plan-wide code lists and what comes from them (management sets with POC_OBNOVY, the MZD
  // list, SCHU, OU1, OU2, OLH, the owner's name).
  const Mask mask{{"OP", "CPP", "CPB", "CPJ", "HS", "MZD", "SCHU", "OU1", "OU2", "OLH"},
                  {{"POR", "MAJ_NAZ"}, {"ETZ", "POC_OBNOVY"}, {"*", "CISLO_TEL"}, {"*", "EVL_KOD"}},
                  {{"BZL", " BZL=\"3\" "}},
                  {{" ZVL_STATUT=\"([^\"$]*)\\$[^\"]*\"", " ZVL_STATUT=\"$1\""}}};
  EXPECT_EQ(Masked(lcr, mask), Masked(planning, mask));
}

TEST(LcrExportMask, DropsElementsWithTheirContentAndBlanksAttributes) {
  const std::string doc =
      "<A>\n  <OP X=\"1\">\n    <B/>\n  </OP>\n  <OP Y=\"2\"/>\n  <C D=\"x\" E=\"y\"/>\n</A>\n";
  EXPECT_EQ(Masked(doc, {{"OP"}, {{"C", "E"}}, {}, {}}), "<A>\n  <C D=\"x\" E=\"#\"/>\n</A>\n");
  EXPECT_EQ(
      Masked(doc, {{}, {{"*", "X"}}, {}, {}}),
      "<A>\n  <OP X=\"#\">\n    <B/>\n  </OP>\n  <OP Y=\"2\"/>\n  <C D=\"x\" E=\"y\"/>\n</A>\n");
}

}  // namespace
}  // namespace tarnik::cli
