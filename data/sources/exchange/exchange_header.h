// What the recognition of standard exchange files reads from the files of a candidate directory,
// and nothing more: the column names in the header of an exchange file and the first line of
// KATALOG.FST. Pure apart from file reads.
#pragma once

#include <string>
#include <vector>

namespace tarnik::plan {

// The column names of a standard data file's header (lines 4 to N+3 after the two separator
// lines and the column count), upper-cased; only the header lines are read. Empty when the file
// is missing or unreadable.
std::vector<std::string> StandardFileColumns(const std::string& path);

// The first line of a text file, trimmed; empty when the file is missing or empty.
std::string FirstLineTrimmed(const std::string& path);

}  // namespace tarnik::plan
