// The attribute table object switching between the kind tables of a register: the tables it
// leaves and the files it did not find are kept, and what is written or read anew is seen.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gis/dbf_table.h"
#include "gis/karmo_registers.h"
#include "platform/fs.h"
#include "testing/dbf_writer.h"
#include "testing/gis_fixture.h"

namespace tarnik::gis {
namespace {

using testing::DbfTableLayout;
using testing::GisTest;
using testing::WriteDbf;

// Records numbered 1..count whose text names the table and the number ("P0110 #3").
DbfTableLayout Numbered(const std::string& table, int count,
                        TextCodePage code_page = TextCodePage::kCp1250) {
  DbfTableLayout t;
  t.fields = {{"CISLO", 'N', 8, 0}, {"POPIS", 'C', 30, 0}};
  for (int i = 1; i <= count; ++i)
    t.rows.push_back({std::to_string(i), table + " č. " + std::to_string(i)});
  t.code_page = code_page;
  t.language_driver = code_page == TextCodePage::kCp852 ? 0x64 : 0;
  return t;
}

std::string Text(TKarmoDBFTable& table, const std::string& path, int n) {
  if (!table.OpenTable(path) || !table.LocateNumber(n)) return "<none>";
  return table.FieldText("POPIS");
}

class TableSwitchTest : public GisTest {
 protected:
  std::string TablePath(const std::string& name) const { return dir_.File(name + ".DBF"); }
  void Write(const std::string& name, int count, TextCodePage cp = TextCodePage::kCp1250) {
    ASSERT_TRUE(WriteDbf(TablePath(name), Numbered(name, count, cp)));
  }
  ::tarnik::testing::TempDir dir_;
};

TEST_F(TableSwitchTest, SwitchingBackGivesTheSameRecordsFieldsAndCodePage) {
  Write("P0110", 5, TextCodePage::kCp852);
  Write("P0120", 3);
  TKarmoDBFTable table;
  for (int round = 0; round < 3; ++round) {
    for (int n : {1, 5, 2}) {
      EXPECT_EQ(Text(table, TablePath("P0110"), n), "P0110 č. " + std::to_string(n));
      EXPECT_EQ(table.CodePage(), TextCodePage::kCp852);
      EXPECT_EQ(table.RecordCount(), 5);
      EXPECT_TRUE(table.HasField("P0110.POPIS"));
      EXPECT_FALSE(table.HasField("P0120.POPIS"));
      EXPECT_EQ(Text(table, TablePath("P0120"), n <= 3 ? n : 3),
                "P0120 č. " + std::to_string(n <= 3 ? n : 3));
      EXPECT_EQ(table.CodePage(), TextCodePage::kCp1250);
      EXPECT_EQ(table.RecordCount(), 3);
    }
  }
  // A number the table lacks is not found in either, and the table named last stays current.
  EXPECT_FALSE(table.OpenTable(TablePath("P0110")) && table.LocateNumber(9));
  EXPECT_EQ(table.CurrentRecord(), 0);
  EXPECT_EQ(Text(table, TablePath("P0120"), 2), "P0120 č. 2");
  // The name is matched without regard to case; the path keeps the spelling asked for last.
  std::string lower = TablePath("p0110");
  ASSERT_TRUE(table.OpenTable(lower));
  EXPECT_EQ(table.TablePath(), lower);
  EXPECT_TRUE(table.LocateNumber(4));
  EXPECT_EQ(table.FieldText("POPIS"), "P0110 č. 4");
}

TEST_F(TableSwitchTest, AWriteOfAnotherTableObjectIsSeenAfterTheSwitchBack) {
  Write("P0110", 3);
  Write("P0120", 3);
  TKarmoDBFTable reader;
  EXPECT_EQ(Text(reader, TablePath("P0110"), 2), "P0110 č. 2");
  EXPECT_EQ(Text(reader, TablePath("P0120"), 1), "P0120 č. 1");  // P0110 is set aside
  {
    TKarmoDBFTable writer;
    ASSERT_TRUE(writer.OpenTable(TablePath("P0110")));
    writer.SetReadOnly(false);
    ASSERT_TRUE(writer.OpenTable(TablePath("P0110")));
    ASSERT_TRUE(writer.LocateNumber(2));
    writer.SetFieldText("POPIS", "přepsáno");
    writer.Close();
  }
  EXPECT_EQ(Text(reader, TablePath("P0110"), 2), "přepsáno");
  EXPECT_EQ(Text(reader, TablePath("P0120"), 1), "P0120 č. 1");
  EXPECT_TRUE(reader.ReadOnly());
}

TEST_F(TableSwitchTest, AMissingTableIsRememberedUntilTheTableIsClosed) {
  Write("P0110", 2);
  TKarmoDBFTable table;
  EXPECT_EQ(Text(table, TablePath("P0110"), 1), "P0110 č. 1");
  EXPECT_FALSE(table.OpenTable(TablePath("P0130")));
  // The failed switch leaves the current table as it was.
  EXPECT_EQ(table.TablePath(), TablePath("P0110"));
  EXPECT_EQ(table.FieldText("POPIS"), "P0110 č. 1");
  Write("P0130", 2);
  EXPECT_FALSE(table.OpenTable(TablePath("P0130")));
  EXPECT_FALSE(table.OpenFor(dir_.path(), 'P', 130, 1));
  table.Close();
  EXPECT_EQ(Text(table, TablePath("P0130"), 2), "P0130 č. 2");
  EXPECT_TRUE(table.OpenFor(dir_.path(), 'P', 110, 2));
  EXPECT_EQ(table.FieldText("POPIS"), "P0110 č. 2");
}

TEST_F(TableSwitchTest, MoreTablesThanAreKeptAsideAllReadTheirOwnRecords) {
  const int kTables = kMaxParkedTables + 6;
  std::vector<std::string> names;
  for (int k = 0; k < kTables; ++k) {
    names.push_back("P" + std::to_string(1000 + k));
    Write(names.back(), 2 + k % 3);
  }
  // Two table objects share what may be set aside in the process.
  TKarmoDBFTable a, b;
  for (int round = 0; round < 2; ++round) {
    for (int k = 0; k < kTables; ++k) {
      const int n = 1 + (k + round) % (2 + k % 3);
      ASSERT_EQ(Text(a, TablePath(names[static_cast<size_t>(k)]), n),
                names[static_cast<size_t>(k)] + " č. " + std::to_string(n));
      const size_t other = static_cast<size_t>(kTables - 1 - k);
      ASSERT_EQ(Text(b, TablePath(names[other]), 1), names[other] + " č. 1");
    }
  }
}

TEST_F(TableSwitchTest, ARebuiltIndexOfAnotherTableObjectIsUsedAfterTheSwitchBack) {
  Write("P0110", 3);
  Write("P0120", 1);
  TKarmoDBFTable reader;
  EXPECT_EQ(Text(reader, TablePath("P0110"), 3), "P0110 č. 3");
  EXPECT_EQ(Text(reader, TablePath("P0120"), 1), "P0120 č. 1");
  // The table grows by a record and its index is made anew by another object.
  Write("P0110", 4);
  platform::DeleteFile(dir_.File("P0110.IND"));
  {
    TKarmoDBFTable other;
    EXPECT_EQ(Text(other, TablePath("P0110"), 4), "P0110 č. 4");
  }
  EXPECT_EQ(Text(reader, TablePath("P0110"), 4), "P0110 č. 4");
  EXPECT_EQ(Text(reader, TablePath("P0110"), 3), "P0110 č. 3");
}

// Through the holders of a block's areas: the register's one table object serves both kinds.
TEST_F(GisTest, AreasOfTwoKindsReadAndWriteTheirTablesInTurn) {
  WriteSquares();
  DbfTableLayout t;
  t.fields = {{"CISLO", 'N', 8, 0}, {"POPIS", 'C', 30, 0}};
  t.rows = {{"1", "první"}};
  ASSERT_TRUE(WriteDbf(BlockDir() + "/P0110.DBF", t));
  t.rows = {{"2", "druhá"}};
  ASSERT_TRUE(WriteDbf(BlockDir() + "/P0120.DBF", t));
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  ASSERT_EQ(areas->GetCount(), 3);
  auto area = [&](int i) {
    return framework::ClassCast<spatial::TSpaceEntity>(areas->Children()[static_cast<size_t>(i)]);
  };
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(area(0)->GetPropertyText("POPIS"),
              round == 0 ? "první" : "první " + std::to_string(round));
    EXPECT_EQ(area(1)->GetPropertyText("POPIS"), "druhá");
    EXPECT_EQ(area(2)->GetPropertyText("POPIS"), "");  // kind 130 has no table
    area(0)->SetPropertyText("POPIS", "první " + std::to_string(round + 1));
    EXPECT_EQ(area(1)->GetPropertyText("POPIS"), "druhá");
  }
  EXPECT_EQ(area(0)->GetPropertyText("POPIS"), "první 3");
  // A table file that appears after it was looked for is seen once the block is read again.
  EXPECT_EQ(area(2)->GetPropertyText("POPIS"), "");
  t.rows = {{"3", "ostrov"}};
  ASSERT_TRUE(WriteDbf(BlockDir() + "/P0130.DBF", t));
  std::unique_ptr<spatial::TAreaString> again(Reader()->ReadAreas());
  ASSERT_EQ(again->GetCount(), 3);
  EXPECT_EQ(area(2)->GetPropertyText("POPIS"), "ostrov");
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
}  // namespace tarnik::gis
