// Numbers and dates as text. The user's decimal separator is a process setting (default ",",
// the Czech one); reading accepts both "." and ",". Integer parsing never overflows: values out
// of range are reported as not numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnik::platform {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// General format with up to 15 significant digits and the user's separator ("1,5", "100",
// "1,23456789012346E+20"); as the Windows FloatToStr does.
std::string FloatToText(double value);
// The same with "." as separator, whatever the setting (files, XML).
std::string FloatToTextDot(double value);
// Fixed notation with `decimals` places and "." ("12.30"); rounds half away from zero.
std::string FloatToFixedDot(double value, int decimals);

// A whole text (blanks around allowed) as a signed 32-bit integer; nullopt when it is not one or
// is out of range. Accepts a leading "+" or "-" and "$" for hexadecimal, as Delphi's StrToInt.
std::optional<int32_t> TextToInt(std::string_view text);
std::optional<int64_t> TextToInt64(std::string_view text);
// A decimal number written with "." or "," (blanks around allowed, exponent allowed).
std::optional<double> TextToFloat(std::string_view text);
// Only "." as separator (files).
std::optional<double> TextToFloatDot(std::string_view text);
// The decimal-text rule of the model: parsed with the user's separator; when that fails, the
// first "." or "," is swapped for the other one and parsed again; when that fails too, 0.
double DecimalTextToFloat(std::string_view text);

struct Date {
  int day = 0;
  int month = 0;
  int year = 0;
  bool operator==(const Date&) const = default;
};
// The short date form d.m.yyyy ("9.12.2026").
std::string DateToText(const Date& date);
// Reads d.m.yyyy (also with leading zeros and a two-digit year taken as 19xx/20xx by the
// Windows 50-year window); nullopt for anything that is not a valid calendar date.
std::optional<Date> TextToDate(std::string_view text);
bool IsValidDate(const Date& date);

}  // namespace tarnik::platform
