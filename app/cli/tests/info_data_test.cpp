#include <fmt/format.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "data/engine/database.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"
#include "testing/paradox_writer.h"
#include "testing/part_files_writer.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using test::Result;
using test::RunTarnik;

// One integer per row of a query.
std::vector<int64_t> Column(const std::string& dir, const std::string& sql) {
  engine::Database db = engine::Database::Open(dir, engine::OpenMode::kReadOnly);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &st, nullptr);
  std::vector<int64_t> values;
  while (sqlite3_step(st) == SQLITE_ROW) values.push_back(sqlite3_column_int64(st, 0));
  sqlite3_finalize(st);
  return values;
}

class InfoDataTest : public ::testing::Test {
 protected:
  // The demo unit built from its SQL text, with its PHS sibling.
  std::string Demo() {
    const std::string data = tmp_.File("demo/DATA");
    engine::test::BuildSqlDirectory("samples/demo/DATA", data);
    engine::test::BuildSqlDirectory("samples/demo/PHS", tmp_.File("demo/PHS"));
    return data;
  }
  // The JSON the demo's tables call for: one object per compartment in the order of ODDELENI,
  // the counts of its rows down the ID/VAZBA links.
  std::string ExpectedJson(const std::string& data, const std::string& name) {
    const std::string per_odd =
        "SELECT COUNT(x.ID) FROM ODDELENI o LEFT JOIN ({}) x ON x.ODD_ID = o.ID GROUP BY o.ID "
        "ORDER BY o.ID";
    const std::string dil = "SELECT d.ID, d.VAZBA AS ODD_ID FROM DILEC d";
    const std::string por =
        "SELECT p.ID, d.ODD_ID FROM POROST p JOIN (" + dil + ") d ON p.VAZBA = d.ID";
    const std::string ps = "SELECT s.ID, p.ODD_ID FROM PS s JOIN (" + por + ") p ON s.VAZBA = p.ID";
    const std::string etz =
        "SELECT e.ID, s.ODD_ID FROM ETAZ e JOIN (" + ps + ") s ON e.VAZBA = s.ID";
    const std::string drv =
        "SELECT r.ID, e.ODD_ID FROM DREVINA r JOIN (" + etz + ") e ON r.VAZBA = e.ID";
    const auto odd = Column(data, "SELECT ODD FROM ODDELENI ORDER BY ID");
    const auto dils = Column(data, fmt::format(fmt::runtime(per_odd), dil));
    const auto pors = Column(data, fmt::format(fmt::runtime(per_odd), por));
    const auto pss = Column(data, fmt::format(fmt::runtime(per_odd), ps));
    const auto etzs = Column(data, fmt::format(fmt::runtime(per_odd), etz));
    const auto drvs = Column(data, fmt::format(fmt::runtime(per_odd), drv));
    const auto kod = Column(data, "SELECT LHC_KOD FROM LHC");
    std::string json = fmt::format(
        "{{\"source_kind\":2,\"read_as\":\"Merk98-Paradox\",\"lhc_kod\":{},\"lhc_naz\":{},"
        "\"compartments\":[",
        kod.at(0), name);
    for (size_t i = 0; i < odd.size(); ++i) {
      json += fmt::format(
          "{}{{\"odd\":{},\"sub_compartments\":{},\"stands\":{},\"stand_groups\":{},"
          "\"layers\":{},\"species\":{}}}",
          i ? "," : "", odd[i], dils.at(i), pors.at(i), pss.at(i), etzs.at(i), drvs.at(i));
    }
    return json + "],\"messages\":[]}\n";
  }

  testing::ScopedProgramDir program_;
  testing::TempDir tmp_;
};

TEST_F(InfoDataTest, JsonListsExactlyWhatTheDemoUnitHolds) {
  const std::string data = Demo();
  const std::string expected = ExpectedJson(data, "\"Sněžné - Žďárské vrchy\"");
  Result r = RunTarnik({"info", "--json", "--data", data});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, expected);
  EXPECT_NE(r.out.find("\"compartments\":[{\"odd\":11,"), std::string::npos);
}

TEST_F(InfoDataTest, TextNamesTheSourceTheUnitAndEveryCompartment) {
  const std::string data = Demo();
  Result r = RunTarnik({"--quiet", "info", "--data", data});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("Druh zdroje dat: 2\nNačteno jako: Merk98-Paradox\nKód LHC: 615203\n"
                        "Název LHC: Sněžné - Žďárské vrchy\nPočet oddělení: 3\n",
                        0),
            0u)
      << r.out;
  EXPECT_NE(r.out.find("\nOddělení 12: dílců 3, porostů "), std::string::npos);
}

TEST_F(InfoDataTest, TextsAreEscapedInJson) {
  const std::string data = Demo();
  engine::Database::Open(data).Execute("UPDATE LHC SET LHC_NAZ = ?",
                                       {engine::Value("Les \"U Tří\" \\ dub\tx\x01")});
  Result r = RunTarnik({"info", "--json", "--data", data});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, ExpectedJson(data, "\"Les \\\"U Tří\\\" \\\\ dub\\tx\\u0001\""));
}

TEST_F(InfoDataTest, ADirectoryWithoutPlanDataFails) {
  const std::string empty = tmp_.File("prazdny");
  platform::ForceDirectories(empty);
  Result r = RunTarnik({"info", "--data", empty});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.out, "");
  // The program's own line, then the directory searched.
  EXPECT_EQ(r.err, "V adresáři \"\" nejsou data LHP\nData LHP byla hledána v adresáři \"" + empty +
                       "\".\n");
}

TEST_F(InfoDataTest, ASourceThatCannotBeReadIsShownButFails) {
  const std::string dir = tmp_.File("fst");
  testing::WriteFile(dir + "/PP.FST", "|\r\n$\r\n1\r\nODD\r\n");
  testing::WriteFile(dir + "/JP.FST", "|\r\n$\r\n2\r\nODD\r\nJP\r\n0\r\n");
  Result r = RunTarnik({"info", "--json", "--data", dir});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.out,
            "{\"source_kind\":3,\"read_as\":\"\",\"lhc_kod\":0,\"lhc_naz\":\"\","
            "\"compartments\":[],\"messages\":[{\"severity\":\"passed_over\",\"text\":"
            "\"Soubor PP.FST nemá úplnou hlavičku sloupců, jeho data se nenačtou.\"},"
            "{\"severity\":\"failure\",\"text\":\"Neumím načíst seznam oddělení.\"}]}\n");
}

TEST_F(InfoDataTest, ThePartFilesOfTheSampleUnitAreListed) {
  const std::string dir = tmp_.File("lhp160");
  testing::WriteSamplePartFiles(dir);
  Result r = RunTarnik({"info", "--json", "--data", dir});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("{\"source_kind\":0,\"read_as\":\"LHP160\",\"lhc_kod\":615203,"
                        "\"lhc_naz\":\"Sněžné - Žďárské vrchy\",\"compartments\":[{\"odd\":11,",
                        0),
            0u)
      << r.out;
  EXPECT_NE(r.out.find("{\"odd\":13,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"messages\":[]}"), std::string::npos) << r.out;
}

TEST_F(InfoDataTest, ParadoxTablesAreConvertedOnlyWithYes) {
  const std::string dir = tmp_.File("paradox");
  platform::ForceDirectories(dir);
  engine::test::WriteParadoxTable(dir + "/LHC.DB",
                                  {{"ID", pxfNumber, 0},
                                   {"LHC_KOD", pxfNumber, 0},
                                   {"LHC_NAZ", pxfAlpha, 40},
                                   {"LHC_PN_PRO", pxfLong, 0}},
                                  0, {{1.0, 4711.0, std::string("Paradoxní celek"), 12L}});
  engine::test::WriteParadoxTable(dir + "/OST_POZ.DB", {{"ID", pxfNumber, 0}}, 0, {});

  Result refused = RunTarnik({"info", "--data", dir});
  EXPECT_EQ(refused.code, kExitFailure);
  EXPECT_NE(refused.err.find("\"tarnik convert-paradox " + dir + "\""), std::string::npos)
      << refused.err;
  EXPECT_FALSE(platform::FileExists(dir + "/tables.sqlite"));

  // The converted LHC table lacks columns the header reader wants: the unit is listed, with the
  // header passed over (exit 3).
  Result converted = RunTarnik({"--quiet", "info", "--json", "--data", dir, "--yes"});
  EXPECT_EQ(converted.code, kExitPassedOver) << converted.err;
  EXPECT_EQ(
      converted.out.rfind("{\"source_kind\":2,\"read_as\":\"Merk98-Paradox\",\"lhc_kod\":4711,"
                          "\"lhc_naz\":\"Paradoxní celek\",\"compartments\":[],\"messages\":[",
                          0),
      0u)
      << converted.out;
  EXPECT_NE(converted.out.find("{\"severity\":\"passed_over\",\"text\":\"Chyba při načítání LHC : "
                               "Tabulka \\\"LHC\\\" nemá položku \\\"LHP_OD\\\".\"}]}\n"),
            std::string::npos)
      << converted.out;
  EXPECT_NE(converted.err.find("\nPříkaz byl dokončen, ale část dat byla vynechána: 1 hlášení.\n"),
            std::string::npos)
      << converted.err;
  EXPECT_TRUE(platform::FileExists(dir + "/tables.sqlite"));
}

TEST_F(InfoDataTest, JsonNeedsTheDataDirectory) {
  Result r = RunTarnik({"info", "--json"});
  EXPECT_EQ(r.code, kExitUsage);
  Result help = RunTarnik({"info", "--help"});
  EXPECT_EQ(help.code, kExitOk);
  EXPECT_NE(help.out.find("Adresář s daty LHP"), std::string::npos);
}

}  // namespace
}  // namespace tarnik::cli
