// Fixed species tables of the code lists: the fifteen growth groups of a species code, the
// coniferous test, the bark conversion, the growth-table class and the two relative site-class
// tables. Pure functions over the species code text; safe to call from anywhere.
#pragma once

#include <string>
#include <string_view>

namespace tarnik::plan {

// Growth groups 0..14: SM, BO, MD, JD, DB, BK, JS, BR, OL, TP, HB, AK, DG, KR, XXX.
enum SpeciesGroup : int {
  kGroupSM = 0,
  kGroupBO = 1,
  kGroupMD = 2,
  kGroupJD = 3,
  kGroupDB = 4,
  kGroupBK = 5,
  kGroupJS = 6,
  kGroupBR = 7,
  kGroupOL = 8,
  kGroupTP = 9,
  kGroupHB = 10,
  kGroupAK = 11,
  kGroupDG = 12,
  kGroupKR = 13,
  kGroupXXX = 14,
};

// The code as the tables compare it: letters a..z upper-cased, cut to three characters, a
// two-character code completed with one blank. A one-character or empty code stays short and
// matches nothing.
std::string NormalizeSpeciesCode(std::string_view code);

// The group of a species code (kGroupXXX for every code outside the table).
int SpeciesGroupOf(std::string_view code);
// The group's name, three characters: "SM ", ..., "XXX"; empty for a number outside 0..14.
std::string SpeciesGroupName(int group);
// Groups 0..3 and 12 are coniferous.
bool IsConiferous(std::string_view code);

// Volume conversion factor of a species: 0.90909 for conifers, 0.86956 otherwise.
double BarkFactor(std::string_view code);
double UnderBark(double over_bark, std::string_view code);
int UnderBarkInt(double over_bark, std::string_view code);  // rounded, halves to even
int OverBarkInt(double under_bark, std::string_view code);  // rounded, halves to even

// The growth-table class of a species code (0 SM, 1 BO, 2 BK, 3 DB, 4 XXX) and the class's
// species text in the growth table.
int GrowthClassOf(std::string_view code);
std::string GrowthClassSpecies(int growth_class);

// Relative site class from table A (BON_R) and the second lookup in table B, for a species
// code, the layer's age and the species' absolute site class; 0 when no row applies or the
// column (BON_A - 8) / 2 lies outside 1..16.
int RelativeSiteClassA(std::string_view code, int age, int bon_a);
int RelativeSiteClassB(std::string_view code, int age, int bon_a);

// Rounding as the model does it everywhere: to the nearest integer, halves to even.
long RoundHalfEven(double value);

}  // namespace tarnik::plan
