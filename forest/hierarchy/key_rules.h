// The text and number rules of the stand hierarchy's keys and areas: the short-code rule of group
// and layer designations, the stand-group designation, the region-code rule and the two area
// roundings. Pure functions over UTF-8 texts; thread-safe.
#pragma once

#include <string>
#include <string_view>

namespace tarnik::plan {

// Short code (group pieces, layer keys): lower-cased; a one-character code (blanks ignored) is
// " x ", a two-character one "12 " when its second character is a digit, else " 1a"; longer
// codes are the lower-cased text with its blanks kept.
std::string NormalizeShortCode(std::string_view text);
// Stand-group designation: every piece between slashes or backslashes normalised as a short
// code, the pieces joined with "/".
std::string NormalizeGroupDesignation(std::string_view text);
// Region code (LES_OBL, LES_PODOBL): a one-character code, or a two-character one whose second
// character is not a digit, gets a leading blank; lower-cased unless it is exactly "XXX".
std::string NormalizeRegionCode(std::string_view text);

// The area rounding of Plocha: to 0.01, halves away from zero with the model's tolerances.
double RoundArea(double x);
// The rounding of the XML area texts and of the running sums: to 0.01, halves to even (the
// model's RoundHalfEven of forest/codelists/species.h on x * 100).
double RoundAreaEven(double x);
// A number formatted with `decimals` places and "." as separator (no further rounding beyond
// the formatting's own).
std::string FixedDot(double x, int decimals);

}  // namespace tarnik::plan
