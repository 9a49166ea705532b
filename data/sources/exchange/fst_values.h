// The value rules of the exchange files: how a column's text (code page 852 bytes) becomes a
// number or a text of the model. Pure functions; a rule that cannot read its value answers
// nullopt (the caller reports it), the others never fail.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnik::plan::fst {

// Only the digits count; none gives 0; a number too large for 32 bits gives 0.
int32_t Digits(std::string_view value);
// Every blank removed; an empty result is "0".
std::string Blanks(std::string_view value);
// The blank rule, then a whole decimal number; nullopt for any other text.
std::optional<int32_t> Whole(std::string_view value);
// Only the digits, read as a whole number (an empty result is 0).
int32_t WholeDigits(std::string_view value);
// The blank rule, then the decimal-text rule (the user's separator, then "." and "," swapped,
// else 0).
double Decimal(std::string_view value);
// The 38 Czech letters converted from code page 852, every other byte read as Windows-1250;
// answers UTF-8.
std::string CodePage(std::string_view value);
// A text column: the files hold every text in code page 852, so the same letters are converted
// (a name in LHP_TAX keeps its Czech letters); answered as UTF-8.
std::string Text(std::string_view value);

}  // namespace tarnik::plan::fst
