// Finding the paths of a layer: the entries of a directory whose names match a pattern ("*"
// and "?", without regard to case), either directories (map blocks) or files (rasters), in name
// order; optionally in every directory below it as well, a directory's own matches before those
// of its subdirectories. The recursive search enters every directory once, however many links
// lead to it, so links that loop back end there. A directory that cannot be listed adds nothing.
#pragma once

#include <string>
#include <vector>

namespace tarnik::gis {

enum class EntryKind { kDirectories, kFiles };

// The paths (directory + "/" + name) of the matching entries.
std::vector<std::string> FindEntries(const std::string& directory, const std::string& pattern,
                                     EntryKind kind, bool recursive);

}  // namespace tarnik::gis
