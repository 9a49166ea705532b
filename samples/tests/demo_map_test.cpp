#include "samples/map/demo_map.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <tuple>

#include "platform/fs.h"
#include "platform/numtext.h"
#include "spatial/polyline_area.h"
#include "testing/gis_fixture.h"

namespace tarnik::samples {
namespace {

// One area as the plan tables describe it and as the map answers it.
using Area = std::tuple<int, std::string, std::string, std::string, std::string, std::string>;

class DemoMapTest : public gis::testing::GisTest {
 protected:
  void SetUp() override {
    // The plan tables from their SQL text, as the build makes them.
    data_ = tmp_.File("DATA");
    platform::ForceDirectories(data_);
    ASSERT_EQ(sqlite3_open(platform::JoinPath(data_, "tables.sqlite").c_str(), &db_), SQLITE_OK);
    const std::string sql_dir = ::tarnik::testing::SourcePath("samples/demo/DATA");
    for (const std::string& name : platform::ListDirectory(sql_dir, "*.sql")) {
      const auto sql = platform::ReadFileBytes(platform::JoinPath(sql_dir, name));
      ASSERT_TRUE(sql);
      ASSERT_EQ(sqlite3_exec(db_, sql->c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << name;
    }
    std::string error;
    ASSERT_TRUE(WriteDemoMap(data_, tmp_.File("MAPA"), &error)) << error;
    block_ = tmp_.File("MAPA/DET.BLK");
    auto reader = Reader(block_);
    areas_.reset(reader->ReadAreas());
    lines_.reset(reader->ReadLines());
    points_.reset(reader->ReadPoints());
    texts_.reset(reader->ReadTexts());
    symbols_.reset(reader->ReadLineSymbols());
  }
  void TearDown() override { sqlite3_close(db_); }

  // (kind, ODDELENI, DILEC, POROST, SKUPINA, area to two decimals) of the plan's rows.
  std::multiset<Area> PlanAreas() {
    std::multiset<Area> out;
    const struct {
      int kind;
      const char* sql;
    } queries[] = {
        {110, "SELECT s.PSK, s.PSK_P, p.ID FROM PS s JOIN POROST p ON s.VAZBA = p.ID"},
        {120, "SELECT b.BZL, b.BZL_P, p.ID FROM BEZLESI b JOIN POROST p ON b.VAZBA = p.ID"},
        {130, "SELECT j.JP, j.JP_P, p.ID FROM JINE_POZ j JOIN POROST p ON j.VAZBA = p.ID"},
        {140, "SELECT o.OST, o.OST_P, p.ID FROM OST_POZ o JOIN POROST p ON o.VAZBA = p.ID"},
    };
    for (const auto& q : queries) {
      const std::string sql = std::string("SELECT x.*, o.ODD, d.DIL, p.POR FROM (") + q.sql +
                              ") x JOIN POROST p ON x.ID = p.ID JOIN DILEC d ON p.VAZBA = d.ID "
                              "JOIN ODDELENI o ON d.VAZBA = o.ID";
      sqlite3_stmt* st = nullptr;
      sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr);
      while (sqlite3_step(st) == SQLITE_ROW) {
        const auto text = [&](int c) {
          const unsigned char* t = sqlite3_column_text(st, c);
          return std::string(t ? reinterpret_cast<const char*>(t) : "");
        };
        const std::string key = q.kind == 110 ? text(0) : std::to_string(sqlite3_column_int(st, 0));
        out.insert({q.kind, std::to_string(sqlite3_column_int(st, 3)), text(4), text(5), key,
                    platform::FloatToFixedDot(sqlite3_column_double(st, 1), 2)});
      }
      sqlite3_finalize(st);
    }
    return out;
  }
  double Hektars(framework::TElement* area) {
    return framework::ClassCast<gis::TKarmoAreaProps>(PropsOf(area))->Hektars();
  }

  std::string data_, block_;
  sqlite3* db_ = nullptr;
  std::unique_ptr<spatial::TAreaString> areas_;
  std::unique_ptr<spatial::TPolyLineString> lines_;
  std::unique_ptr<spatial::TPointString> points_;
  std::unique_ptr<spatial::TTextString> texts_;
  std::unique_ptr<spatial::TPointString> symbols_;
};

TEST_F(DemoMapTest, EveryGroupAndPlotIsAnAreaOfItsStoredSize) {
  std::multiset<Area> map;
  for (framework::TElement* e : areas_->Children()) {
    auto* area = framework::ClassCast<spatial::TSpaceEntity>(e);
    EXPECT_EQ(area->GetPropertyText("LHC"), "615203");
    EXPECT_EQ(area->GetPropertyText("PLOCHA"),
              platform::FloatToFixedDot(std::round(Hektars(area) * 100) / 100, 2));
    map.insert({PropsOf(area)->Druh(), area->GetPropertyText("ODDELENI"),
                area->GetPropertyText("DILEC"), area->GetPropertyText("POROST"),
                area->GetPropertyText("SKUPINA"), area->GetPropertyText("PLOCHA")});
    // The size of the outline (less its holes) is the stored size.
    const double stored = platform::TextToFloatDot(area->GetPropertyText("PLOCHA")).value_or(0);
    EXPECT_NEAR(Hektars(area), stored, 1e-6) << area->GetPropertyText("POPIS");
  }
  EXPECT_EQ(map, PlanAreas());
  EXPECT_EQ(areas_->GetCount(), 30 + 8 + 3 + 3);  // plot 3 of 13A2 in two parts
  EXPECT_TRUE(Reports().empty());
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(DemoMapTest, PlotsCarryTheirNumbersAndCzechDescriptions) {
  std::set<std::string> popis;
  int plots = 0;
  for (framework::TElement* e : areas_->Children()) {
    auto* area = framework::ClassCast<spatial::TSpaceEntity>(e);
    popis.insert(area->GetPropertyText("POPIS"));
    const int kind = PropsOf(area)->Druh();
    const char* key = kind == 120 ? "BZL" : kind == 130 ? "JP" : kind == 140 ? "OP" : nullptr;
    if (!key) continue;
    ++plots;
    EXPECT_EQ(area->GetPropertyText(key), area->GetPropertyText("SKUPINA"));
  }
  EXPECT_EQ(plots, 14);
  for (const char* text : {"požární nádrž", "lesní školka revíru", "zvěřní políčko",
                           "Loupání jelení zvěří ve skupinách, nutná ochrana."}) {
    EXPECT_TRUE(popis.count(text)) << text;
  }
}

TEST_F(DemoMapTest, NeighboursShareLinesAndThePondIsAnIsland) {
  int islands = 0;
  for (framework::TElement* e : areas_->Children()) {
    auto* area = framework::ClassCast<spatial::TPolyLineAreaElement>(e);
    ASSERT_TRUE(area);
    bool shared = false;
    for (framework::TElement* line : area->Children()) {
      auto* props = framework::ClassCast<gis::TKarmoLineProps>(PropsOf(line));
      shared |= props->LeftArea() > 0 && props->RightArea() > 0;
      // Every line of a ring is the one element the line string holds too.
      EXPECT_NE(std::find(lines_->Children().begin(), lines_->Children().end(), line),
                lines_->Children().end());
    }
    EXPECT_TRUE(shared) << area->GetPropertyText("POPIS");
    if (area->GetPropertyInteger("PaterNo") > 0) {
      ++islands;
      EXPECT_EQ(area->GetPropertyText("POPIS"), "požární nádrž");
    }
    if (area->Holes()) {
      EXPECT_EQ(area->Holes()->GetCount(), 1);
      EXPECT_EQ(area->GetPropertyText("ODDELENI") + area->GetPropertyText("DILEC") +
                    area->GetPropertyText("POROST"),
                "11B2");
    }
  }
  EXPECT_EQ(islands, 1);
}

TEST_F(DemoMapTest, PointsFreeLinesAndTexts) {
  EXPECT_EQ(points_->GetCount(), 5);
  ASSERT_EQ(symbols_->GetCount(), 1);
  EXPECT_EQ(PropsOf(symbols_->Children()[0])->Znacka(), 1200);
  int free_lines = 0;
  for (framework::TElement* e : lines_->Children()) {
    auto* props = framework::ClassCast<gis::TKarmoLineProps>(PropsOf(e));
    free_lines += props->LeftArea() == 0 && props->RightArea() == 0;
  }
  EXPECT_EQ(free_lines, 2);
  std::set<std::string> texts;
  for (framework::TElement* e : texts_->Children()) {
    texts.insert(framework::ClassCast<spatial::TTextElement>(e)->Text());
    EXPECT_EQ(framework::ClassCast<gis::TKarmoTextProps>(PropsOf(e))->CodePage(), gis::cpLatin2);
  }
  EXPECT_EQ(texts, (std::set<std::string>{"11", "12", "13", "Žďárské vrchy", "Sněžné",
                                          "Hájovna U Tří studní", "Požární nádrž"}));
  // The block's rectangle holds everything but the text south of it.
  gis::TKarmoLBlokInfoReader info;
  info.Create(block_);
  const auto rect = info.ReadBlockRectangle();
  ASSERT_TRUE(rect);
  EXPECT_EQ(*rect, areas_->bounds());
}

}  // namespace
}  // namespace tarnik::samples
