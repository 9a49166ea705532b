#include "data/engine/paradox_convert.h"

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/paradox_reader.h"
#include "data/engine/table.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"
#include "testing/paradox_writer.h"

namespace tarnik::engine {
namespace {

using test::PxCell;

// Days since 1.1.0001 of 15.3.2022, as Paradox stores dates.
constexpr long kMarch15 = 738229;

void WriteSpecies(const std::string& path, const std::string& password = "") {
  test::WriteParadoxTable(
      path,
      {{"CKOD", pxfAlpha, 3},
       {"POPIS_CS", pxfAlpha, 30},
       {"NKOD", pxfShort, 0},
       {"PLOCHA", pxfNumber, 0},
       {"DATUM", pxfDate, 0},
       {"LISTNATY", pxfLogical, 0}},
      1,
      {{std::string("SM"), std::string("smrk ztepilý"), 1L, 2.5, kMarch15, 0L},
       {std::string("BŘ"), std::string("bříza bradavičnatá"), 30L, PxCell{}, PxCell{}, 1L},
       {std::string("JŘ"), std::string("jeřáb ptačí – Žďár"), 32L}},
      password);
}

TEST(ParadoxTest, ReaderDecodesCzechTextTypesAndBlanks) {
  testing::TempDir tmp;
  WriteSpecies(tmp.File("CIS_DREV.DB"));
  ParadoxTable t = ReadParadoxTable(tmp.File("CIS_DREV.DB"));
  EXPECT_EQ(t.code_page, 1250);
  EXPECT_EQ(t.primary_key_fields, 1);
  EXPECT_FALSE(t.encrypted);
  ASSERT_EQ(t.fields.size(), 6u);
  EXPECT_EQ(t.fields[1].name, "POPIS_CS");
  EXPECT_EQ(t.fields[1].shape.type, FieldType::kAlpha);
  EXPECT_EQ(t.fields[1].shape.size, 30);
  EXPECT_EQ(t.fields[2].shape.type, FieldType::kSmallInt);
  EXPECT_EQ(t.fields[3].shape.type, FieldType::kFloat);
  EXPECT_EQ(t.fields[4].shape.type, FieldType::kDate);
  EXPECT_EQ(t.fields[5].shape.type, FieldType::kLogical);
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[1][0], Value("BŘ"));
  EXPECT_EQ(t.rows[1][1], Value("bříza bradavičnatá"));
  EXPECT_EQ(t.rows[0][3], Value(2.5));
  EXPECT_EQ(t.rows[0][4], Value("2022-03-15"));
  EXPECT_EQ(t.rows[0][5], Value(int64_t{0}));
  EXPECT_EQ(t.rows[1][5], Value(int64_t{1}));
  EXPECT_TRUE(t.rows[1][3].is_null());  // a blank number stays blank
  EXPECT_TRUE(t.rows[2][4].is_null());
  EXPECT_THROW(ReadParadoxTable(tmp.File("NENI.DB")), EngineError);
}

TEST(ParadoxTest, TimestampsOutsideTheCalendarReadBlank) {
  testing::TempDir tmp;
  const double noon = kMarch15 * 86400000.0 + 45000000.0;  // 12:30:00
  test::WriteParadoxTable(tmp.File("CASY.DB"), {{"KDY", pxfTimestamp, 0}}, 0,
                          {{noon}, {1e300}, {-1e300}, {-86400000.0}, {3652060 * 86400000.0}});
  ParadoxTable t = ReadParadoxTable(tmp.File("CASY.DB"));
  ASSERT_EQ(t.rows.size(), 5u);
  EXPECT_EQ(t.rows[0][0], Value("2022-03-15 12:30:00"));
  for (size_t i = 1; i < t.rows.size(); ++i) EXPECT_TRUE(t.rows[i][0].is_null()) << i;
}

TEST(ParadoxTest, DirectoryConvertsWithTextIntactAndOriginalsUntouched) {
  testing::TempDir tmp;
  std::string dir = tmp.File("DATA");
  platform::ForceDirectories(dir);
  WriteSpecies(dir + "/cis_drev.db", "xy");  // protected by a table password, lower-case name
  test::WriteParadoxTable(
      dir + "/NAVRH.DB",
      {{"ID", pxfNumber, 0},
       {"Vazba", pxfNumber, 0},
       {"N_Druh_vykonu", pxfShort, 0},
       {"N_Zkratka_dreviny", pxfAlpha, 3}},
      1, {{1001.0, 100.0, 10L, PxCell{}}, {1002.0, 100.0, 10L, std::string("SM")}});
  testing::WriteFile(dir + "/PARADOX.LCK", "lock");
  testing::WriteFile(dir + "/Pdoxusrs.lck", "lock");
  std::string before = testing::ReadFile(dir + "/cis_drev.db");
  EXPECT_TRUE(ReadParadoxTable(dir + "/cis_drev.db").encrypted);

  ParadoxConversion c = ConvertParadoxDirectory(dir);
  ASSERT_TRUE(c.ok());
  ASSERT_EQ(c.tables.size(), 2u);
  EXPECT_EQ(c.tables[0].table, "CIS_DREV");  // the schema's spelling of a known table
  EXPECT_EQ(c.tables[0].rows, 3);

  Database db = Database::Open(dir, OpenMode::kReadOnly);
  Table species(db, "CIS_DREV");
  EXPECT_EQ(species.FieldSize("POPIS_CS"), 30);
  EXPECT_EQ(db.PrimaryKey("CIS_DREV"), std::vector<std::string>{"CKOD"});
  ASSERT_TRUE(species.FindKey({Value("JŘ")}));
  EXPECT_EQ(species.AsString("POPIS_CS"), "jeřáb ptačí – Žďár");
  ASSERT_TRUE(species.FindKey({Value("SM")}));
  EXPECT_EQ(species.AsString("DATUM"), "15.3.2022");
  Table navrh(db, "NAVRH");
  navrh.SetIndexName("VazbaDruh");  // the schema's index comes along
  EXPECT_EQ(navrh.RecordCount(), 2);

  EXPECT_EQ(testing::ReadFile(dir + "/cis_drev.db"), before);
  EXPECT_TRUE(platform::FileExists(dir + "/PARADOX.LCK"));
  EXPECT_TRUE(platform::FileExists(dir + "/Pdoxusrs.lck"));
}

TEST(ParadoxTest, ExistingTablesAreKeptUnlessReplacedAndBadFilesFailAlone) {
  testing::TempDir tmp;
  std::string dir = tmp.File("CIS");
  platform::ForceDirectories(dir);
  WriteSpecies(dir + "/CIS_DREV.DB");
  ASSERT_TRUE(ConvertParadoxDirectory(dir).ok());
  {
    Database db = Database::Open(dir);
    db.Execute("DELETE FROM CIS_DREV WHERE CKOD = 'SM'");
  }
  ParadoxConversion again = ConvertParadoxDirectory(dir);
  ASSERT_EQ(again.tables.size(), 1u);
  EXPECT_EQ(again.tables[0].outcome, ConvertedTable::Outcome::kKept);
  EXPECT_EQ(Table(Database::Open(dir), "CIS_DREV").RecordCount(), 2);

  testing::WriteFile(dir + "/VADNA.DB", "tohle není tabulka Paradox");
  ParadoxConversion replaced = ConvertParadoxDirectory(dir, {.replace = true});
  EXPECT_FALSE(replaced.ok());
  ASSERT_EQ(replaced.tables.size(), 2u);
  EXPECT_EQ(replaced.tables[0].outcome, ConvertedTable::Outcome::kConverted);
  EXPECT_EQ(replaced.tables[1].outcome, ConvertedTable::Outcome::kFailed);
  EXPECT_NE(replaced.tables[1].message.find("VADNA.DB"), std::string::npos);
  Database db = Database::Open(dir);
  EXPECT_EQ(Table(db, "CIS_DREV").RecordCount(), 3);
  EXPECT_FALSE(db.TableExists("VADNA"));
  EXPECT_THROW(ConvertParadoxDirectory(tmp.File("neni")), EngineError);
}

}  // namespace
}  // namespace tarnik::engine
