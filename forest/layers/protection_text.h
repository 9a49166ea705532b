// The composite nature-protection text of an areal element (OCHR_PRIR and its suffixed twins):
// "EVL:101/102; CHKO:5; " lists each present part followed by "; ". The parts are the three
// "/" lists (EVL, NPP, NPR) and the integer codes. Composing and parsing are pure; the element
// forms read and write the element's published properties by name (EVL_KODLom, PO_KOD, ...).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::plan {

struct OchranaPrirody {
  std::string evl;  // "/" forms of the multi-valued codes
  std::string npp;
  std::string npr;
  int32_t po = 0;
  int32_t chko = 0;
  int32_t chko_z = 0;
  int32_t np = 0;
  int32_t np_z = 0;
  int32_t pp = 0;
  int32_t pr = 0;
  int32_t schu = 0;
  bool operator==(const OchranaPrirody&) const = default;
};

std::string SestavOchranuPrirody(const OchranaPrirody& parts);
// Every part read from the text; missing labels and empty values give empty lists and 0.
OchranaPrirody RozeberOchranuPrirody(std::string_view text);

// The text of an element from its properties, and the writer that sets every part.
std::string OchranaPrirodyText(framework::TElement& element);
void SetOchranaPrirodyText(framework::TElement& element, std::string_view text);

}  // namespace tarnik::plan
