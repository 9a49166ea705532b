// Shared fixture of the GIS tests: the spatial fixture (recording Ui, recording message queue)
// with the GIS classes registered, a fresh world for every test (the block registers live in
// it), a temporary directory, and a small block: two squares side by side sharing a line, an
// island in the first, two points and three texts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/models/world.h"
#include "gis/block_reader.h"
#include "gis/gis_classes.h"
#include "gis/karmo_props.h"
#include "testing/block_writer.h"
#include "testing/spatial_fixture.h"
#include "testing/test_env.h"

namespace tarnik::gis::testing {

// A file point from map-view coordinates relative to a corner of the sample region
// (east e, north n in metres).
inline FilePoint At(double e, double n) { return {1100000 - n, 600000 - e}; }

class GisTest : public spatial::testing::SpatialTest {
 protected:
  GisTest() {
    framework::ResetWorld();
    RegisterGisClasses();
    // The world installs its own queue when it is created: the recording one goes back.
    framework::World();
    framework::InstallMessageQueue(&queue_);
  }
  ~GisTest() override { framework::ResetWorld(); }

  std::string BlockDir(const std::string& name = "MAPA.BLK") const { return tmp_.File(name); }

  // Squares A (area 1, kind 110) and B (area 2, kind 120) of 100 m, an island (area 3, kind
  // 130) of 20 m in A; line 1 is the shared side, line 2 A's other sides, line 3 B's, line 4
  // the island's ring. Points 1 (kind 5) and 2 (kind 6); texts 0..2.
  static MapBuilder SquaresBuilder() {
    MapBuilder b;
    b.AddLine({At(100, 0), At(100, 100)}, 1, 2, {.druh = 1});
    b.AddLine({At(100, 100), At(0, 100), At(0, 0), At(100, 0)}, 1, 0, {.druh = 2});
    b.AddLine({At(100, 0), At(200, 0), At(200, 100), At(100, 100)}, 2, 0, {.druh = 2});
    b.AddLine({At(40, 40), At(60, 40), At(60, 60), At(40, 60), At(40, 40)}, 3, 1,
              {.druh = 3, .symbol = 1200});
    b.AddArea({.druh = 110, .reference = At(20, 80)});
    b.AddArea({.druh = 120, .reference = At(150, 50)});
    b.AddArea({.druh = 130, .pater_no = 1, .reference = At(50, 50)});
    const FilePoint p1 = At(10, 10), p2 = At(150, 90);
    b.AddPoint({.cislo = 1, .druh = 5, .barva = 3, .znacka = 31, .x = p1.x, .y = p1.y});
    b.AddPoint({.cislo = 2, .druh = 6, .barva = 4, .znacka = 32, .x = p2.x, .y = p2.y});
    const FilePoint t = At(30, 70);
    b.AddText({.cislo = 0, .druh = 7, .x = t.x, .y = t.y, .height = 2.5, .text = "A"});
    b.AddText({.cislo = 1, .druh = 7, .x = t.x, .y = t.y, .text = "B"});
    b.AddText({.cislo = 2, .druh = 8, .x = t.x, .y = t.y, .text = "C"});
    return b;
  }
  BlockRecords WriteSquares(const std::string& info = "CODEPAGE=1250\r\n") {
    BlockRecords records = SquaresBuilder().Build();
    records.info = info;
    EXPECT_TRUE(records.Write(BlockDir()));
    return records;
  }

  // A block reader of the test block.
  std::unique_ptr<TKarmoLBlokReader> Reader(const std::string& dir = {}) {
    auto reader = std::make_unique<TKarmoLBlokReader>();
    reader->Create(dir.empty() ? BlockDir() : dir);
    return reader;
  }

  // The GIS holder of an element.
  static TKarmoProps* PropsOf(framework::TElement* element) {
    auto* spatial = framework::ClassCast<spatial::TSpaceEntity>(element);
    return spatial ? framework::ClassCast<TKarmoProps>(spatial->Properties()) : nullptr;
  }
  static int32_t NumberOf(framework::TElement* element) {
    TKarmoProps* props = PropsOf(element);
    return props ? props->Cislo() : -1;
  }
  // The numbers of a string's elements, in order.
  static std::vector<int32_t> Numbers(const framework::TEntity& string) {
    std::vector<int32_t> out;
    for (framework::TElement* e : string.Children()) out.push_back(NumberOf(e));
    return out;
  }

  ::tarnik::testing::TempDir tmp_;
};

}  // namespace tarnik::gis::testing
