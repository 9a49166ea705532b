// Binary search and range search over a sequence sorted ascending, as the forest sets use them
// on their elements' property values, and the key normalisation of text searches. The sequence
// is described by its length and a comparison of the value at a position with the sought key.
// Pure functions.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tarnik::plan {

// Answers <0, 0 or >0 as the value at the position is less than, equal to or greater than the key.
using CompareAt = std::function<int(size_t position)>;

// The last position whose value is not greater than the key, 0 when all values are greater,
// -1 for an empty sequence.
int SortedPosition(size_t count, const CompareAt& compare_at);

struct SortedRange {
  int start = 0;
  int count = 0;
};
// The run of values equal to the key (start and length); when there is none, the count is 0 and
// the start is the first value not less than the key (or the binary-search position when every
// value is greater).
SortedRange SortedRangeOf(size_t count, const CompareAt& compare_at);

// A text key as text searches compare it: Czech accented letters replaced by their base letters
// (ÁÉÍĹÓŔÚÝáéíĺóŕúýČĎĚĽŇÖŘŠŤŮŽčďěľňöřšťůž), then trimmed.
std::string SearchKey(std::string_view text);
// Ordinal comparison of two texts by their Windows-1250 bytes (<0, 0, >0).
int CompareOrdinal(std::string_view a, std::string_view b);

}  // namespace tarnik::plan
