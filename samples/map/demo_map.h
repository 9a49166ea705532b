// The map of the sample unit: one block "DET.BLK" in which every stand group, non-forest plot,
// other plot and other land of the unit's plan tables is an area of its stored size. The areas
// lie in rows, one row per stand from north to south (compartments 11, 12, 13 in turn), side by
// side within a row; neighbours share their boundary lines, the fire pond is an island in its
// stand group, and a few points, free lines (one with a line symbol) and texts complete it. Each
// kind has its attribute table "P<kind>.DBF" (110 stand groups, 120 non-forest land, 130 other
// plots, 140 other land) with the columns LHC, ODDELENI, DILEC, POROST, SKUPINA (the group or
// the plot's number), the plot's number under BZL, JP or OP, PLOCHA and a Czech POPIS.
#pragma once

#include <string>

namespace tarnik::samples {

// Reads the plan tables of `data_directory` (its tables.sqlite) and writes the block into
// `map_directory`/DET.BLK. False with the reason in `error` when the tables cannot be read or a
// file cannot be written.
bool WriteDemoMap(const std::string& data_directory, const std::string& map_directory,
                  std::string* error);

}  // namespace tarnik::samples
