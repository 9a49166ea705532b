#include "bench/map_generator.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fs.h"
#include "testing/gis_fixture.h"

namespace tarnik::bench {
namespace {

using gis::testing::GisTest;

TEST_F(GisTest, TheGridMapReadsBackCellByCell) {
  MapStats stats;
  ASSERT_TRUE(WriteGridMap(BlockDir(), 4, 1000, &stats));
  EXPECT_EQ(stats.areas, 16);
  EXPECT_EQ(stats.lines, 2 * 4 * 5);
  EXPECT_GE(stats.vertices, 1000);
  EXPECT_LT(stats.vertices, 1000 + stats.lines);
  int64_t bytes = 0;
  for (const std::string& name : platform::ListDirectory(BlockDir())) {
    bytes += *platform::FileSize(platform::JoinPath(BlockDir(), name));
  }
  EXPECT_EQ(stats.bytes, bytes);
  auto reader = Reader();
  std::unique_ptr<spatial::TAreaString> areas(reader->ReadAreas());
  std::unique_ptr<spatial::TPolyLineString> lines(reader->ReadLines());
  ASSERT_EQ(areas->GetCount(), 16);
  int64_t vertices = 0;
  for (framework::TElement* e : lines->Children()) {
    vertices += framework::ClassCast<spatial::TPolyElement>(e)->GetCoordsCount();
  }
  EXPECT_EQ(vertices, stats.vertices);
  double total = 0;
  for (framework::TElement* e : areas->Children()) {
    const double ha = framework::ClassCast<gis::TKarmoAreaProps>(PropsOf(e))->Hektars();
    EXPECT_NEAR(ha, 1.0, 0.1);  // a cell of 100 m, its sides waving
    total += ha;
  }
  EXPECT_NEAR(total, 16.0, 1e-6);  // the waves move area between cells, never out of the grid
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
}  // namespace tarnik::bench
