// The number of a forest category code ("32A" -> 321, "10" -> 100): the digits of its first two
// characters times ten, plus the letter's place in the alphabet for a three-character code.
// Pure function.
#pragma once

#include <string_view>

namespace tarnik::plan {

int CategoryNumber(std::string_view code);

}  // namespace tarnik::plan
