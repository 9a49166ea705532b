// A synthetic map block for the reading benchmark: a square grid of areas (cells of 100 m)
// whose shared boundary lines wave across their straight course, each with the same number of
// vertices, chosen so that the block holds about the number of vertices asked for; a point and a
// text per row of cells. Depends only on the arguments.
#pragma once

#include <cstdint>
#include <string>

namespace tarnik::bench {

struct MapStats {
  int64_t vertices = 0;
  int64_t lines = 0;
  int64_t areas = 0;
  int64_t bytes = 0;  // of all files of the block
};

// Writes `block_directory` (created) with `cells` x `cells` areas and about `vertices`
// vertices (at least 2 per line); false when it cannot be written.
bool WriteGridMap(const std::string& block_directory, int cells, int64_t vertices, MapStats* stats);

}  // namespace tarnik::bench
