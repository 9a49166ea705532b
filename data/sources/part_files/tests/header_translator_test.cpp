#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "data/sources/part_files/part_reader.h"
#include "data/sources/part_files/part_translator.h"
#include "forest/hierarchy/lhc.h"
#include "platform/clock.h"
#include "testing/part_files_writer.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

class HeaderTest : public ::testing::Test, public test::UnitFixture {
 protected:
  // The header of a record with the unit code in D2 to D5.
  TLHC& Read(const char* d2, const char* d3, const char* d4, const char* d5) {
    tarnik::testing::PartLine line;
    line.Set(1, "Lesy").Set(2, d2).Set(3, d3).Set(4, d4).Set(5, d5).Set(7, "1");
    reader.OpenBytes(tarnik::testing::PartFileBytes({line}), std::nullopt);
    NactiLHC_LHP(lhc, reader);
    return lhc;
  }

  platform::ScopedToday today{platform::Date{9, 12, 2026}};
  TUnivStareLHP reader;
  TLHC lhc;
};

TEST_F(HeaderTest, AUnitTheCodeListLacksKeepsTheRecordsValues) {
  Read("1", "23", "45", "6");
  EXPECT_EQ(lhc.LHC_KOD(), 123456);
  EXPECT_EQ(lhc.LHC_NAZ(), "Ze staré věty :123456  Lesy ");
  EXPECT_EQ(lhc.GetPropertyText("LHP_OD"), "9.12.2026");
  EXPECT_EQ(lhc.GetPropertyText("LHP_DO"), "");
  EXPECT_EQ(lhc.PUVOD_DAT(), "LHP 160");
  EXPECT_TRUE(ui.Messages().empty());
  // A row whose A is not empty is not the unit's own.
  Read("6", "15", "20", "4");
  EXPECT_EQ(lhc.LHC_KOD(), 615204);
  EXPECT_EQ(lhc.LHC_NAZ(), "Ze staré věty :615204  Lesy ");
  // Blanks in the code parts are not digits.
  Read(" ", " 1", "2 ", "3");
  EXPECT_EQ(lhc.LHC_KOD(), 123);
  EXPECT_EQ(lhc.LHC_NAZ(), "Ze staré věty :  12 3  Lesy ");
}

TEST_F(HeaderTest, AListedUnitTakesItsNameAndYearsFromTheCodeList) {
  Read("6", "15", "20", "3");
  EXPECT_EQ(lhc.LHC_KOD(), 615203);
  EXPECT_EQ(lhc.LHC_NAZ(), "Sněžné - Žďárské vrchy");
  EXPECT_EQ(lhc.GetPropertyText("LHP_OD"), "1.1.2022");
  EXPECT_EQ(lhc.GetPropertyText("LHP_DO"), "31.12.2031");
  EXPECT_EQ(lhc.PUVOD_DAT(), "LHP 160");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(HeaderTest, ACodeListThatCannotBeReadIsReported) {
  engine::Database::Open(program.File("CISELNIK")).Execute("DROP TABLE SEZLHC00");
  Read("6", "15", "20", "3");
  EXPECT_EQ(lhc.LHC_NAZ(), "Ze staré věty :615203  Lesy ");
  EXPECT_EQ(lhc.GetPropertyText("LHP_OD"), "9.12.2026");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{
                               "Nebudou načteny položky LHP_OD,LHP_DO,LHC_NAZ z číselníku LHC"});
}

}  // namespace
}  // namespace tarnik::plan
