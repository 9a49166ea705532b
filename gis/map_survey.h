// What a map directory holds, as a GIS user asks it of a data set: the map blocks found below
// the directory (a ".BLK" directory given itself is its only block), each block read layer by
// layer (points, lines, line symbols, areas, texts) through the layer model scripts, with the
// objects of every layer counted by kind, the attribute tables of the blocks with their record
// counts, and the extent of everything read. Reading reports what it passes over as it always
// does (code 8 messages to the main tool and messages through the UI seam).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "spatial/geometry.h"

namespace tarnik::gis {

struct LayerSurvey {
  std::string name;   // "<TYPE>_<block>", the block's file name up to its first "."
  std::string type;   // "PNT", "LIN", "LINSYM", "ARE", "TXT"
  std::string block;  // the block directory
  int64_t objects = 0;
  int64_t holes = 0;                   // areas: holes of the areas read
  std::map<int32_t, int64_t> by_kind;  // Druh -> objects
};

struct TableSurvey {
  std::string path;
  std::optional<int64_t> records;  // nullopt when the table cannot be read
  std::string code_page;
  std::vector<std::string> fields;
  std::string problem;
};

struct MapSurvey {
  std::vector<std::string> blocks;
  std::vector<LayerSurvey> layers;
  std::vector<TableSurvey> tables;
  // The model extent of everything read (empty Bounds when nothing was read).
  spatial::Bounds extent;
};

// The layer types read, in this order.
inline constexpr const char* kSurveyTypes[] = {"PNT", "LIN", "LINSYM", "ARE", "TXT"};

MapSurvey SurveyMap(const std::string& directory);

}  // namespace tarnik::gis
