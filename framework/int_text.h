// Reading numbers from property texts. Pure functions; no state, never throw, overflow is
// defined: a digit that would overflow a signed 32-bit value ends the number like a bad character.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnik::framework {

struct TIntPrefix {
  int32_t value = 0;  // value of the digits read
  bool any_digit = false;
  bool complete = false;  // the whole text (trailing blanks allowed) was the number
};

// Leading blanks, an optional sign, decimal digits or a "$", "0x" or "x" hexadecimal prefix;
// stops at the first bad character (or an overflowing digit).
TIntPrefix ScanInteger(std::string_view text);
// The value of the digits read before a bad character; 0 for empty text.
int32_t ReadIntegerPrefix(std::string_view text);
// The value when the whole text is an integer by the rule above, else nullopt.
std::optional<int32_t> WholeTextToInteger(std::string_view text);

// A float written with `separator` as decimal point (blanks around, sign, exponent allowed).
std::optional<double> ParseFloatWithSeparator(std::string_view text, char separator);
// The decimal-text rule: the user's separator first; when that fails the first "." or "," is
// swapped for the other one and the text parsed again; nullopt when both fail.
std::optional<double> ReadDecimalText(std::string_view text);

}  // namespace tarnik::framework
