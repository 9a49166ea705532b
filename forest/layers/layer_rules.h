// Value rules of stand layers, species, afforestation rows and damages that need no element:
// key normalisation, urgency texts, the regeneration percentage table, the stem volume function,
// the spreading of an afforestation area over its rows, rounding helpers. Pure functions; they
// never throw and answer 0 or an empty text for inputs outside their tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::plan {

// Layer keys: lower-cased; a single character becomes " c ", two characters "12 " when the
// second is a digit, else " ab"; longer texts stay as given (lower-cased, blanks kept).
std::string ShortCodeRule(std::string_view text);
// Region-code rule: one character gets a leading blank, two characters whose second is not a
// digit too; then lower-cased unless the text is exactly "XXX".
std::string RegionCodeRule(std::string_view text);
// Species keys: upper-cased without blanks, padded with blanks to three characters when shorter.
std::string SpeciesCodeRule(std::string_view text);
// Right-pads with blanks to `width` characters (longer texts stay).
std::string PadRight(std::string_view text, size_t width);

// Urgency as the XML states it: "0" and "1" stay, "2", "3", "5" give "0", "4" gives "1",
// anything else an empty text.
std::string UrgencyXml(std::string_view urgency);
// The urgency without blanks as an integer, 0 when empty or not a number.
int32_t UrgencyInt(std::string_view urgency);

// Rounds to 0.01 by x * 100 to the nearest integer, halves to even.
double Round2HalfEven(double x);
// "%.2f" with "." after Round2HalfEven, and without the rounding.
std::string Area2Xml(double x);
std::string Fixed2Dot(double x);
// Width 6, two decimals, the user's decimal separator ("  1,25").
std::string Area6Display(double x);
// A layer's afforestation area for the XML: empty for 0, else width 6 with two decimals, ','
// turned into '.', without the surrounding blanks.
std::string AfforestationAreaXml(double area);
// The decimal-text rule after removing every blank; 0 when unreadable.
double DecimalFromText(std::string_view text);
// An integer from text (blanks around allowed); 0 when it is not one.
int32_t IntFromText(std::string_view text);

// Regeneration percentage from the age, rotation and regeneration period of a layer.
int32_t RegenerationPercent(int32_t vek, int32_t obmyti, int32_t obn_doba);

// Mean stem volume (m³) of a species code, diameter (cm) and height (m), unrounded; 0 when the
// diameter or the height is below 7.
double StemVolume(int32_t species_code, int32_t diameter, int32_t height);
// The coefficient row (1..11) that a species code selects.
int StemVolumeRow(int32_t species_code);

// Number of stems of a total volume over a mean stem volume, rounded; 0 when the mean stem
// volume is at most 0.0001 (the divisor itself is guarded).
int32_t StemCount(double total_volume, double mean_stem_volume);

// Spreads an afforestation area over rows of the given shares: each row gets
// round(x01 * share) / 100 (x01 = x rounded to 0.01), and the first row of the largest share
// takes up the rounding difference. Empty shares give no areas.
std::vector<double> SpreadAfforestation(double area, const std::vector<int32_t>& shares);

// The kind of planned intervention of a layer: 10 when thinning volume < regeneration volume,
// else 11 when thinning area exceeds cleaning area by more than 0.005, else 12 when the cleaning
// area exceeds 0.005, else 0.
int32_t InterventionKind(int64_t etaz_tv, int64_t etaz_to, double tv_p, double pro_p);

// Main category number: "10" gives 100, "32e" gives 325 (letter position A = 1); other lengths
// (after trimming and upper-casing) give an empty text.
std::string MainCategoryNumber(std::string_view kategorie);

}  // namespace tarnik::plan
