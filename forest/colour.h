// Display colours of property values and their small codes as the plan tables store them in the
// "_br" columns (-1 3-D light, 0 info background, 1 white, 2 yellow, 5 aqua). Pure functions;
// the only side effect is the message about an unknown colour in the two edit readings.
#pragma once

#include <cstdint>

namespace tarnik::plan {

inline constexpr uint32_t kColorInfoBk = 0x80000018;   // system colour "info background"
inline constexpr uint32_t kColor3DLight = 0x80000016;  // system colour "3-D light"
inline constexpr uint32_t kColorWhite = 0x00FFFFFF;
inline constexpr uint32_t kColorYellow = 0x0000FFFF;  // blue-green-red order
inline constexpr uint32_t kColorAqua = 0x00FFFF00;

// yellow 2, aqua 5, white 1, info background 0, any other colour -1.
int ColorCode(uint32_t color);
// 0, 1, 2, 5 back to their colours, -1 to 3-D light, any other number taken as a colour value.
uint32_t ColorFromCode(int code);
// The colour written into a "_br" column: a colour outside the table is written as -1.
int ColorCodeForColumn(uint32_t color);

// Aqua marks a value entered by hand; yellow, white and info background a value that may be
// recomputed; 3-D light neither. Any other colour answers false and shows
// "To je ale divná barva políčka.".
bool IsEnteredManually(uint32_t color);
bool MayBeRecomputed(uint32_t color);

}  // namespace tarnik::plan
