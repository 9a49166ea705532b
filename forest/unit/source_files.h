// What the detection of a plan source reads from the files of a candidate directory, and nothing
// more: the names of the old plan part files ("<unit>.<part>V"), the column names in the header
// of a standard exchange file and the first line of KATALOG.FST. Pure apart from file reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnik::plan {

// An old plan part file named "<unit>.<two-digit part>V".
struct PartFileName {
  int32_t unit = 0;
  int32_t part = 0;
};
// The unit and part of a file name when the text before the first "." is an integer and so is
// its extension without the last character; nullopt otherwise.
std::optional<PartFileName> ParsePartFileName(const std::string& name);

// The column names of a standard data file's header (lines 4 to N+3 after the two separator
// lines and the column count), upper-cased; only the header lines are read. Empty when the file
// is missing or unreadable.
std::vector<std::string> StandardFileColumns(const std::string& path);

// The first line of a text file, trimmed; empty when the file is missing or empty.
std::string FirstLineTrimmed(const std::string& path);

}  // namespace tarnik::plan
