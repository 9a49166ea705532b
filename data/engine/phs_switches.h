// The switches of "phs.ini" (section ObecneParametry) in the plan's PHS directory. A switch is on
// exactly when its value, trimmed and upper-cased, is "ANO"; a missing file or key takes the
// default. Plain values, read once when the plan opens.
#pragma once

#include <string>

namespace tarnik::engine {

inline constexpr const char* kPhsIniFile = "phs.ini";
inline constexpr const char* kPhsIniSection = "ObecneParametry";

struct PhsSwitches {
  bool VerzeProNarodniPark = false;                // national-park version
  std::string Katastr6mist9Mist = "dleDat";        // how six- and nine-digit cadastral codes differ
  bool probirky_Z_Tabulky = false;                 // thinning percentages from Probir.DB
  bool ZasetrovatHodnotnePrimesy = false;          // spare valuable admixtures in fellings
  bool PocitatHSdleDAZIviPostaru = true;           // management sets the way of the PHS planner
  bool DoplnovatKtgZvlOchrZeSamostTabulek = true;  // categories and statuses from link tables
  bool CiselnikZvlStBezOchrPrir = true;            // special statuses from ZVL_STBzOchr.DB
};

// Reads the switches of the PHS directory. CiselnikZvlStBezOchrPrir is forced off when the code
// lists of `code_list_directory` have no table ZVL_STBzOchr.
PhsSwitches ReadPhsSwitches(const std::string& phs_directory,
                            const std::string& code_list_directory);

}  // namespace tarnik::engine
