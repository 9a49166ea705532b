// The value-level rules of the forest sets, apart from the elements themselves: element names
// from prefix and key, joining and splitting property values, sums, the maximum, value matching
// and the order that sorting by a property produces. The sets apply them to their children's
// published property texts. Pure functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnik::plan {

// prefix + " " + key ("ODD" and "  5" give "ODD   5").
std::string SetElementName(std::string_view prefix, std::string_view key);
// Whether a name already carries the prefix (compared exactly, at the start of the name).
bool HasSetPrefix(std::string_view name, std::string_view prefix);
// The key of an element name: the name without the prefix and the blank after it; a name
// without the prefix is its own key.
std::string SetElementKey(std::string_view name, std::string_view prefix);

// Values each followed by the separator, values blank after removing every " " left out, the
// trailing separator removed ("1", " ", "3" with "|" give "1|3").
std::string JoinPropertyValues(const std::vector<std::string>& values, std::string_view separator);
// The pieces of a text cut at every separator; a text without separator is one piece, a trailing
// separator adds no empty piece, an empty text gives one empty piece.
std::vector<std::string> SplitPropertyText(std::string_view text, std::string_view separator);

// Sum of the texts read as decimal numbers ("1,5" and "1.5" alike; unreadable texts count 0).
double SumPropertyValues(const std::vector<std::string>& values);
// Position of the first largest value (texts read as decimal numbers, starting from -1e21);
// -1 for no values.
int MaxValuePosition(const std::vector<std::string>& values);

// Values match when equal after trimming and upper-casing by the Czech rules.
bool SameValue(std::string_view a, std::string_view b);
// The result of the last pair whose key matches; "*0" for no pairs, "*" when none matches.
std::string ValueByKey(const std::vector<std::pair<std::string, std::string>>& key_result,
                       std::string_view key);

// The ascending order (positions into `values`) in which sorting re-adds the elements: each
// element, taken from the last to the first, is inserted into the growing order after the last
// value not greater than its own. Texts compare ordinally by their search keys (accents
// removed, trimmed), in the binary search and in the check against the first value alike, so
// the result is always in order.
std::vector<size_t> SortOrderText(const std::vector<std::string>& values);
std::vector<size_t> SortOrderNumber(const std::vector<int64_t>& values);

}  // namespace tarnik::plan
