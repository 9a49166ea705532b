// The combined office code of areal elements: a forest-office code (below 200000) or an ORP code
// plus 200000 in one number, and the program-wide mode that decides how a smaller code written
// as LES_URAD is stored. The mode is a plain process-wide text (single-threaded), "DLEDAT" until
// the program sets another.
#pragma once

#include <cstdint>
#include <string>

namespace tarnik::plan {

inline constexpr int32_t kOrpOffset = 200000;

// The program-wide office-code mode ("DLEDAT", "KU6MIST", "KU9MIST"; compared upper-cased
// without blanks).
const std::string& OfficeCodeMode();
void SetOfficeCodeMode(const std::string& mode);

// LES_URAD / ORP read from the combined code.
int32_t OfficeFromCombined(int32_t combined);
// The combined code after writing LES_URAD `value` over `combined` under `mode`.
int32_t CombinedAfterLesUrad(int32_t combined, int32_t value, const std::string& mode);
// The combined code after writing ORP `value`.
int32_t CombinedAfterOrp(int32_t value);
// The region code (KN) of an ORP code after the region renumbering of Prague and the two
// regions that were split ("CZ011" -> "CZ010", "CZ021" -> "CZ020", "CZ081" -> "CZ080").
std::string NormalizeRegion(const std::string& kn);

}  // namespace tarnik::plan
