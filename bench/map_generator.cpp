#include "bench/map_generator.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/fs.h"
#include "testing/block_writer.h"

namespace tarnik::bench {
namespace {

using gis::testing::FilePoint;

constexpr double kCell = 100;

FilePoint At(double e, double n) { return {1100000 - n, 600000 - e}; }

// A line from a to b (view coordinates) of `count` vertices, waving up to 3 m off its course.
std::vector<FilePoint> Wave(double ae, double an, double be, double bn, int count) {
  std::vector<FilePoint> points;
  const double de = be - ae, dn = bn - an;
  const double length = std::hypot(de, dn);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / (count - 1);
    const double off = (i == 0 || i == count - 1) ? 0 : 3 * std::sin(t * 6 * std::numbers::pi);
    points.push_back(At(ae + de * t - dn / length * off, an + dn * t + de / length * off));
  }
  return points;
}

}  // namespace

bool WriteGridMap(const std::string& block_directory, int cells, int64_t vertices,
                  MapStats* stats) {
  const int64_t line_count = 2 * int64_t{cells} * (cells + 1);
  const int per_line =
      static_cast<int>(std::max<int64_t>(2, (vertices + line_count - 1) / line_count));
  const auto area = [&](int row, int column) -> int32_t {
    if (row < 0 || row >= cells || column < 0 || column >= cells) return 0;
    return row * cells + column + 1;
  };
  gis::testing::MapBuilder b;
  for (int row = 0; row <= cells; ++row) {
    for (int column = 0; column <= cells; ++column) {
      const double e = column * kCell, n = row * kCell;
      // Eastwards along the row's south side: the cell above on the left.
      if (column < cells) {
        b.AddLine(Wave(e, n, e + kCell, n, per_line), area(row, column), area(row - 1, column),
                  {.druh = 4});
      }
      // Northwards along the column's west side: the cell to the west on the left.
      if (row < cells) {
        b.AddLine(Wave(e, n, e, n + kCell, per_line), area(row, column - 1), area(row, column),
                  {.druh = 4});
      }
    }
  }
  for (int row = 0; row < cells; ++row) {
    for (int column = 0; column < cells; ++column) {
      b.AddArea({.druh = 110, .reference = At((column + 0.5) * kCell, (row + 0.5) * kCell)});
    }
    const FilePoint p = At(10, (row + 0.5) * kCell);
    b.AddPoint({.cislo = row + 1, .druh = 12, .x = p.x, .y = p.y});
    b.AddText({.cislo = row, .druh = 1, .x = p.x, .y = p.y, .height = 3, .text = "řada"});
  }
  gis::testing::BlockRecords records = b.Build();
  records.info = "CODEPAGE=1250\r\n";
  platform::RemoveTree(block_directory);
  if (!records.Write(block_directory)) return false;
  if (stats) {
    stats->vertices = static_cast<int64_t>(records.vertices.size()) - 1;
    stats->lines = static_cast<int64_t>(records.lines.size()) - 1;
    stats->areas = static_cast<int64_t>(records.areas.size()) - 1;
    stats->bytes = 0;
    for (const std::string& name : platform::ListDirectory(block_directory)) {
      stats->bytes += platform::FileSize(platform::JoinPath(block_directory, name)).value_or(0);
    }
  }
  return true;
}

}  // namespace tarnik::bench
