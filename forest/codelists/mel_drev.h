// Texts of one row of the ameliorating-species table (MEL_DREV): the species joined with "&" and
// the site types without their closing character. Pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnik::plan {

// The non-empty species (tested after trimming, kept as stored) joined with "&".
std::string JoinAmelioratingSpecies(const std::vector<std::string>& species);
// The LT text without its last character, trimmed, with runs of blanks collapsed to one.
std::string SiteTypesOfRow(std::string_view lt);

}  // namespace tarnik::plan
