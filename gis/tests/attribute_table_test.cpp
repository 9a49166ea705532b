#include "gis/dbf_table.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/errors.h"
#include "gis/index_file.h"
#include "gis/karmo_registers.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/dbf_writer.h"
#include "testing/gis_fixture.h"

namespace tarnik::gis {
namespace {

using testing::DbfFieldLayout;
using testing::DbfTableLayout;
using testing::GisTest;
using testing::WriteDbf;

// The index entries of an index file.
std::vector<int32_t> Entries(const std::string& path) {
  std::vector<int32_t> out;
  auto index = IndexFile::Open(path);
  if (!index) return out;
  for (int64_t n = 0; auto e = index->Entry(n); ++n) out.push_back(*e);
  return out;
}

DbfTableLayout Table(std::vector<std::vector<std::string>> rows) {
  DbfTableLayout t;
  t.fields = {{"CISLO", 'N', 8, 0}, {"PLOCHA", 'N', 10, 2}, {"POPIS", 'C', 40, 0}};
  t.rows = std::move(rows);
  return t;
}

class AttributeTableTest : public GisTest {
 protected:
  // The areas of the squares block read, with P0110.DBF (area 1) and P0120.DBF (area 2).
  void SetUp() override {
    WriteSquares();
    ASSERT_TRUE(WriteDbf(BlockDir() + "/P0110.DBF",
                         Table({{"1", "0.96", "velká paseka"}, {"9", "1", "jiná"}})));
    ASSERT_TRUE(WriteDbf(BlockDir() + "/P0120.DBF", Table({{"2", "1", "žluťoučký kůň"}})));
    areas_.reset(Reader()->ReadAreas());
    ASSERT_EQ(areas_->GetCount(), 3);
  }
  spatial::TSpaceEntity* Area(int i) {
    return framework::ClassCast<spatial::TSpaceEntity>(areas_->Children()[static_cast<size_t>(i)]);
  }
  std::unique_ptr<spatial::TAreaString> areas_;
};

TEST_F(AttributeTableTest, AnAreaReadsTheFieldsOfItsKindTableByItsNumber) {
  spatial::TSpaceEntity* a = Area(0);
  EXPECT_EQ(a->GetPropertyText("DBFName"), BlockDir() + "/P0110.DBF");
  EXPECT_EQ(a->GetPropertyText("PLOCHA"), "0.96");
  EXPECT_EQ(a->GetPropertyText("plocha"), "0.96");
  EXPECT_EQ(a->GetPropertyText("P0110.PLOCHA"), "0.96");
  EXPECT_EQ(a->GetPropertyText("P0120.PLOCHA"), "");
  EXPECT_EQ(a->GetPropertyText("POPIS"), "velká paseka");
  EXPECT_TRUE(a->HasProperty("POPIS"));
  EXPECT_FALSE(a->HasProperty("NENI"));
  // The table object switches to the other kind's table.
  EXPECT_EQ(Area(1)->GetPropertyText("POPIS"), "žluťoučký kůň");
  EXPECT_EQ(a->GetPropertyText("POPIS"), "velká paseka");
  // Area 3 (kind 130) has no table.
  EXPECT_EQ(Area(2)->GetPropertyText("POPIS"), "");
  EXPECT_FALSE(Area(2)->HasProperty("POPIS"));
  EXPECT_TRUE(ui_.MessagesOf(platform::Severity::kPassedOver).empty());
}

TEST_F(AttributeTableTest, SlotsAreNamedByLetterNumberAndKindAndTablesByTheKindOfFourDigits) {
  auto* objects = BlockRegisterFor(BlockDir())->FindObjectRegister("P");
  ASSERT_TRUE(objects);
  EXPECT_EQ(objects->Slot(1)->GetName(), "P1:110");
  EXPECT_EQ(objects->Slot(3)->GetName(), "P3:130");
  EXPECT_EQ(DbfFileName("B", 'P', 110), "B/P0110.DBF");
  EXPECT_EQ(DbfFileName("B", 'P', 7), "B/P0007.DBF");
  EXPECT_EQ(DbfFileName("B", 'L', -5), "B/L-0005.DBF");
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(Area(1)->Properties())->Hektars(), 1.0, 1e-9);
}

TEST_F(AttributeTableTest, AMissingIndexIsBuiltWithGapsOfMinusOne) {
  EXPECT_FALSE(platform::FileExists(BlockDir() + "/P0110.IND"));
  EXPECT_EQ(Area(0)->GetPropertyText("POPIS"), "velká paseka");
  EXPECT_EQ(Entries(BlockDir() + "/P0110.IND"),
            (std::vector<int32_t>{-1, 1, -1, -1, -1, -1, -1, -1, -1, 2}));
}

TEST_F(AttributeTableTest, AStaleIndexIsRebuiltOnceAndAnAbsentNumberIsNotFound) {
  // Area 1's entry points at record 2 (CISLO 9): stale.
  IndexBuilder stale;
  stale.Put(1, 2);
  ASSERT_TRUE(platform::WriteFileBytes(BlockDir() + "/P0110.IND", stale.Bytes()));
  TKarmoDBFTable table;
  ASSERT_TRUE(table.OpenTable(BlockDir() + "/P0110.DBF"));
  EXPECT_TRUE(table.LocateNumber(1));
  EXPECT_EQ(table.CurrentRecord(), 1);
  EXPECT_EQ(Entries(BlockDir() + "/P0110.IND").size(), 10u);
  // Number 5 has no record: not found, and the index stays as it is.
  platform::WriteFileBytes(BlockDir() + "/P0110.IND", stale.Bytes());
  EXPECT_FALSE(table.LocateNumber(5));
  EXPECT_FALSE(table.LocateNumber(5));
  EXPECT_EQ(Entries(BlockDir() + "/P0110.IND").size(), 2u);
}

TEST_F(AttributeTableTest, EachKindTableGetsItsOwnRebuild) {
  // Both indexes are stale; the one table object rebuilds each once.
  IndexBuilder stale;
  stale.Put(2, 1);
  platform::WriteFileBytes(BlockDir() + "/P0110.IND", stale.Bytes());
  platform::WriteFileBytes(BlockDir() + "/P0120.IND", "");
  EXPECT_EQ(Area(0)->GetPropertyText("POPIS"), "velká paseka");
  EXPECT_EQ(Area(1)->GetPropertyText("POPIS"), "žluťoučký kůň");
}

TEST_F(AttributeTableTest, AnEntryZeroPointsAtNoRecord) {
  IndexBuilder zero;
  zero.Put(1, 0);
  platform::WriteFileBytes(BlockDir() + "/P0110.IND", zero.Bytes());
  TKarmoDBFTable table;
  ASSERT_TRUE(table.OpenTable(BlockDir() + "/P0110.DBF"));
  EXPECT_TRUE(table.LocateNumber(1));  // the index is rebuilt, then record 1 is found
  EXPECT_EQ(table.CurrentRecord(), 1);
  EXPECT_EQ(Entries(BlockDir() + "/P0110.IND")[1], 1);
  EXPECT_FALSE(table.LocateNumber(0));  // rebuilt before: not found, never "record 0"
  EXPECT_EQ(table.CurrentRecord(), 0);
  EXPECT_THROW(table.FieldText("POPIS"), framework::EKelvaError);
}

TEST_F(AttributeTableTest, RebuildingSkipsNumbersTheIndexCannotHoldAndSaysSo) {
  // A record whose CISLO is no number counts as number 0.
  DbfTableLayout layout = Table({{"-4", "", ""},
                                 {"16777216", "", ""},
                                 {"3", "", "ostrov"},
                                 {"16777215", "", "poslední"},
                                 {"x", "", "nula"}});
  layout.fields[0] = {"CISLO", 'C', 10, 0};
  ASSERT_TRUE(WriteDbf(BlockDir() + "/P0130.DBF", layout));
  TKarmoDBFTable table;
  ASSERT_TRUE(table.OpenTable(BlockDir() + "/P0130.DBF"));
  EXPECT_TRUE(table.LocateNumber(3));
  EXPECT_EQ(table.FieldText("POPIS"), "ostrov");
  EXPECT_EQ(platform::FileSize(BlockDir() + "/P0130.IND"), int64_t{16777216} * 4);
  auto index = IndexFile::Open(BlockDir() + "/P0130.IND");
  EXPECT_EQ(index->Entry(0), 5);
  EXPECT_EQ(index->Entry(3), 3);
  EXPECT_EQ(index->Entry(16777214), -1);
  EXPECT_EQ(index->Entry(16777215), 4);
  EXPECT_EQ(index->Entry(16777216), std::nullopt);
  const auto skipped = ui_.MessagesOf(platform::Severity::kPassedOver);
  ASSERT_EQ(skipped.size(), 2u);
  EXPECT_NE(skipped[0].find("CISLO = -4"), std::string::npos);
  EXPECT_NE(skipped[1].find("CISLO = 16777216"), std::string::npos);
  EXPECT_EQ(Area(2)->GetPropertyText("POPIS"), "ostrov");
}

TEST_F(AttributeTableTest, WritingAFieldThroughTheHolderGoesIntoTheRecord) {
  spatial::TSpaceEntity* a = Area(0);
  a->SetPropertyText("POPIS", "řídká smrčina");
  a->SetPropertyText("PLOCHA", "1,25");
  EXPECT_EQ(a->GetPropertyText("POPIS"), "řídká smrčina");
  EXPECT_EQ(a->GetPropertyText("PLOCHA"), "1.25");
  EXPECT_TRUE(PropsOf(a)->GetDBFTable()->ReadOnly());
  // A published property of the holder stays one.
  a->SetPropertyText("Barva", "9");
  EXPECT_EQ(PropsOf(a)->Barva(), 9);
  // What does not fit reaches the caller; the record keeps its value.
  EXPECT_THROW(PropsOf(a)->SetPropertyText("PLOCHA", "hodně"), framework::EKelvaError);
  EXPECT_THROW(PropsOf(a)->SetPropertyText("POPIS", std::string(41, 'x')), framework::EKelvaError);
  EXPECT_EQ(a->GetPropertyText("PLOCHA"), "1.25");
  EXPECT_TRUE(PropsOf(a)->GetDBFTable()->ReadOnly());
}

TEST_F(AttributeTableTest, ATableWhoseHeaderDoesNotHoldTogetherIsNotRead) {
  std::string bytes = *platform::ReadFileBytes(BlockDir() + "/P0110.DBF");
  bytes[4] = 100;  // 100 records announced
  platform::WriteFileBytes(BlockDir() + "/P0110.DBF", bytes);
  EXPECT_EQ(Area(0)->GetPropertyText("POPIS"), "");
  EXPECT_EQ(Area(0)->GetPropertyText("PLOCHA"), "");
  const auto messages = ui_.MessagesOf(platform::Severity::kPassedOver);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("je poškozená"), std::string::npos);
}

// Texts of a Czech forest map in 13,000 records.
std::vector<std::vector<std::string>> CzechRows() {
  const char* texts[] = {"Žďárské vrchy", "hájovna U Tří studní", "smrk ztepilý, jedle bělokorá",
                         "průsek pod vedením VN", "louka - kosit jednou ročně"};
  std::vector<std::vector<std::string>> rows;
  for (int i = 1; i <= 13000; ++i) {
    rows.push_back({std::to_string(i), "", std::string(texts[i % 5]) + " " + std::to_string(i)});
  }
  return rows;
}

TEST_F(GisTest, TablesOfCodePage852AndUnmarked1250ReadAsTheSameTexts) {
  ::tarnik::testing::TempDir dir;
  DbfTableLayout dos = Table(CzechRows());
  dos.code_page = TextCodePage::kCp852;
  dos.language_driver = 0x64;
  DbfTableLayout windows = Table(CzechRows());
  windows.code_page = TextCodePage::kCp1250;
  windows.language_driver = 0;
  ASSERT_TRUE(WriteDbf(dir.File("P0001.DBF"), dos));
  ASSERT_TRUE(WriteDbf(dir.File("P0002.DBF"), windows));
  // The bytes differ: the two tables really are in two code pages.
  EXPECT_NE(platform::ReadFileBytes(dir.File("P0001.DBF")),
            platform::ReadFileBytes(dir.File("P0002.DBF")));
  TKarmoDBFTable a, b;
  ASSERT_TRUE(a.OpenTable(dir.File("P0001.DBF")));
  ASSERT_TRUE(b.OpenTable(dir.File("P0002.DBF")));
  EXPECT_EQ(a.CodePage(), TextCodePage::kCp852);
  EXPECT_EQ(b.CodePage(), TextCodePage::kCp1250);
  for (int n : {1, 2, 4777, 12999, 13000}) {
    ASSERT_TRUE(a.LocateNumber(n));
    ASSERT_TRUE(b.LocateNumber(n));
    EXPECT_EQ(a.FieldText("POPIS"), CzechRows()[static_cast<size_t>(n - 1)][2]);
    EXPECT_EQ(a.FieldText("POPIS"), b.FieldText("POPIS"));
  }
  // Written back in the table's own code page.
  a.SetReadOnly(false);
  ASSERT_TRUE(a.OpenTable(dir.File("P0001.DBF")));
  ASSERT_TRUE(a.LocateNumber(7));
  a.SetFieldText("POPIS", "Šťávová 7");
  EXPECT_THROW(a.SetFieldText("POPIS", "€ 7"), framework::EKelvaError);  // 852 has no euro
  a.Close();
  const std::string bytes = *platform::ReadFileBytes(dir.File("P0001.DBF"));
  EXPECT_NE(bytes.find("\xE6\x9C\xA0vov\xA0 7"), std::string::npos);
}

// A row of 17 squares of 10 m, all of kind 110, in the block directory "B".
TEST_F(GisTest, Area17OfKind110InBlockBHasTheTableP0110AndTheSlotP17_110) {
  testing::MapBuilder b;
  constexpr int kCells = 17;
  for (int k = 0; k <= kCells; ++k) {
    b.AddLine({testing::At(k * 10, 0), testing::At(k * 10, 10)}, k, k < kCells ? k + 1 : 0);
  }
  for (int k = 1; k <= kCells; ++k) {
    b.AddLine({testing::At((k - 1) * 10, 0), testing::At(k * 10, 0)}, k, 0);
    b.AddLine({testing::At((k - 1) * 10, 10), testing::At(k * 10, 10)}, 0, k);
    b.AddArea({.druh = 110, .reference = testing::At(k * 10 - 5, 5)});
  }
  const std::string block = BlockDir("B");
  ASSERT_TRUE(b.Build().Write(block));
  DbfTableLayout table = Table({{"16", "0.01", "šestnáctá"}, {"17", "0.01", "sedmnáctá"}});
  ASSERT_TRUE(WriteDbf(block + "/P0110.DBF", table));
  std::unique_ptr<spatial::TAreaString> areas(Reader(block)->ReadAreas());
  ASSERT_EQ(areas->GetCount(), kCells);
  auto* area17 = framework::ClassCast<spatial::TSpaceEntity>(areas->Children()[16]);
  ASSERT_EQ(NumberOf(area17), 17);
  EXPECT_EQ(area17->GetPropertyText("DBFName"), block + "/P0110.DBF");
  EXPECT_EQ(BlockRegisterFor(block)->FindObjectRegister("P")->Slot(17)->GetName(), "P17:110");
  EXPECT_EQ(area17->GetPropertyText("POPIS"), "sedmnáctá");
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(PropsOf(area17))->Hektars(), 0.01, 1e-9);
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
}  // namespace tarnik::gis
