#include <gtest/gtest.h>

#include "app/cli/tests/run_tarnik.h"
#include "platform/fs.h"
#include "testing/block_writer.h"
#include "testing/dbf_writer.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using gis::testing::FilePoint;
using gis::testing::MapBuilder;
using test::Result;
using test::RunTarnik;

FilePoint At(double e, double n) { return {1100000 - n, 600000 - e}; }

class MapInfoTest : public ::testing::Test {
 protected:
  // MAPA/LES.BLK: two squares with an island, a point, a table of kind 110; MAPA/x/CESTY.BLK: one
  // line.
  void SetUp() override {
    MapBuilder b;
    b.AddLine({At(100, 0), At(100, 100)}, 1, 2);
    b.AddLine({At(100, 100), At(0, 100), At(0, 0), At(100, 0)}, 1, 0);
    b.AddLine({At(100, 0), At(200, 0), At(200, 100), At(100, 100)}, 2, 0);
    b.AddLine({At(40, 40), At(60, 40), At(60, 60), At(40, 60), At(40, 40)}, 3, 1);
    b.AddArea({.druh = 110, .reference = At(20, 80)});
    b.AddArea({.druh = 110, .reference = At(150, 50)});
    b.AddArea({.druh = 120, .pater_no = 1, .reference = At(50, 50)});
    b.AddPoint({.cislo = 1, .druh = 12, .x = At(5, 5).x, .y = At(5, 5).y});
    b.AddPoint({.cislo = 2, .druh = 12, .x = 2500000, .y = 5});
    ASSERT_TRUE(b.Build().Write(tmp_.File("MAPA/LES.BLK")));
    gis::testing::DbfTableLayout table;
    table.fields = {{"CISLO", 'N', 6, 0}, {"NAZEV", 'C', 20, 0}};
    table.rows = {{"1", "Smrčina"}, {"2", "Bučina"}};
    table.code_page = gis::TextCodePage::kCp852;
    table.language_driver = 0x64;
    ASSERT_TRUE(gis::testing::WriteDbf(tmp_.File("MAPA/LES.BLK/P0110.DBF"), table));
    MapBuilder roads;
    roads.AddLine({At(0, 200), At(300, 200)}, 0, 0, {.druh = 40});
    ASSERT_TRUE(roads.Build().Write(tmp_.File("MAPA/x/CESTY.BLK")));
  }
  testing::ScopedProgramDir program_;
  testing::TempDir tmp_;
};

TEST_F(MapInfoTest, TheJsonListsBlocksLayersTablesExtentAndMessages) {
  Result r = RunTarnik({"map-info", "--map", tmp_.File("MAPA"), "--json"});
  EXPECT_EQ(r.code, 3) << r.err;  // point 2 lies outside the range
  const std::string les = tmp_.File("MAPA/LES.BLK");
  const std::string cesty = tmp_.File("MAPA/x/CESTY.BLK");
  const std::string expected =
      "{\"map\":\"" + tmp_.File("MAPA") + "\",\"blocks\":[\"" + les + "\",\"" + cesty +
      "\"],\"layers\":["
      "{\"name\":\"PNT_LES\",\"type\":\"PNT\",\"block\":\"" +
      les +
      "\",\"objects\":1,\"holes\":0,\"kinds\":{\"12\":1}},"
      "{\"name\":\"PNT_CESTY\",\"type\":\"PNT\",\"block\":\"" +
      cesty +
      "\",\"objects\":0,\"holes\":0,\"kinds\":{}},"
      "{\"name\":\"LIN_LES\",\"type\":\"LIN\",\"block\":\"" +
      les +
      "\",\"objects\":4,\"holes\":0,\"kinds\":{\"0\":4}},"
      "{\"name\":\"LIN_CESTY\",\"type\":\"LIN\",\"block\":\"" +
      cesty +
      "\",\"objects\":1,\"holes\":0,\"kinds\":{\"40\":1}},"
      "{\"name\":\"LINSYM_LES\",\"type\":\"LINSYM\",\"block\":\"" +
      les +
      "\",\"objects\":0,\"holes\":0,\"kinds\":{}},"
      "{\"name\":\"LINSYM_CESTY\",\"type\":\"LINSYM\",\"block\":\"" +
      cesty +
      "\",\"objects\":0,\"holes\":0,\"kinds\":{}},"
      "{\"name\":\"ARE_LES\",\"type\":\"ARE\",\"block\":\"" +
      les +
      "\",\"objects\":3,\"holes\":1,\"kinds\":{\"110\":2,\"120\":1}},"
      "{\"name\":\"ARE_CESTY\",\"type\":\"ARE\",\"block\":\"" +
      cesty +
      "\",\"objects\":0,\"holes\":0,\"kinds\":{}},"
      "{\"name\":\"TXT_LES\",\"type\":\"TXT\",\"block\":\"" +
      les +
      "\",\"objects\":0,\"holes\":0,\"kinds\":{}},"
      "{\"name\":\"TXT_CESTY\",\"type\":\"TXT\",\"block\":\"" +
      cesty +
      "\",\"objects\":0,\"holes\":0,\"kinds\":{}}],"
      "\"tables\":[{\"path\":\"" +
      les +
      "/P0110.DBF\",\"records\":2,\"code_page\":\"852\","
      "\"fields\":[\"CISLO\",\"NAZEV\"]}],"
      "\"extent\":{\"crs\":\"EPSG:5514\",\"min_x\":-600000.00,\"min_y\":-1100000.00,"
      "\"max_x\":-599700.00,\"max_y\":-1099800.00},"
      "\"messages\":[{\"severity\":\"passed_over\",\"text\":\"Bod.c.2 je mimo rozsah\"}]}\n";
  EXPECT_EQ(r.out, expected);
}

TEST_F(MapInfoTest, OneBlockAsText) {
  Result r = RunTarnik({"map-info", "--map", tmp_.File("MAPA/x/CESTY.BLK")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Počet bloků: 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Vrstva LIN_CESTY (" + tmp_.File("MAPA/x/CESTY.BLK") +
                       "): objektů 1 (druh 40: 1)\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Rozsah (EPSG:5514): (-600000.00, -1099800.00) - (-599700.00, "
                       "-1099800.00)\n"),
            std::string::npos)
      << r.out;
}

TEST_F(MapInfoTest, ADirectoryWithoutBlocksOrThatDoesNotExistFails) {
  Result none = RunTarnik({"map-info", "--map", tmp_.File("nic")});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.err.find("neexistuje"), std::string::npos);
  platform::ForceDirectories(tmp_.File("prazdny"));
  Result empty = RunTarnik({"map-info", "--map", tmp_.File("prazdny")});
  EXPECT_EQ(empty.code, 1);
  EXPECT_NE(empty.err.find("není žádný blok mapy"), std::string::npos);
  EXPECT_EQ(RunTarnik({"map-info"}).code, 2);
}

}  // namespace
}  // namespace tarnik::cli
