#include "forest/layers/protection_text.h"

#include "forest/layers/layer_base.h"
#include "forest/layers/layer_rules.h"
#include "framework/element.h"

#include <iterator>

namespace tarnik::plan {
namespace {

// The integer parts in text order, as label, property and member.
struct IntegerPart {
  const char* label;
  const char* property;
  int32_t OchranaPrirody::*member;
};
// The first five stand before the NPP and NPR lists in the text, the last three after them.
constexpr IntegerPart kIntegerParts[] = {
    {"PO:", "PO_KOD", &OchranaPrirody::po},
    {"CHKO:", "CHKO_KOD", &OchranaPrirody::chko},
    {"CHKO-Z:", "CHKO_Z_KOD", &OchranaPrirody::chko_z},
    {"NP:", "NP_KOD", &OchranaPrirody::np},
    {"NP-Z:", "NP_Z_KOD", &OchranaPrirody::np_z},
    {"PP:", "PP_KOD", &OchranaPrirody::pp},
    {"PR:", "PR_KOD", &OchranaPrirody::pr},
    {"SCHU:", "SCHU_KOD", &OchranaPrirody::schu},
};
constexpr size_t kPartsBeforeLists = 5;

// The text between "; " + label and the next "; ".
std::string ValueOf(const std::string& text, const std::string& label) {
  const std::string start = "; " + label;
  const size_t at = text.find(start);
  if (at == std::string::npos) return "";
  const size_t from = at + start.size();
  const size_t end = text.find("; ", from);
  return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

}  // namespace

std::string SestavOchranuPrirody(const OchranaPrirody& parts) {
  std::string text;
  if (!parts.evl.empty()) text += "EVL:" + parts.evl + "; ";
  const auto add = [&](const IntegerPart& p) {
    if (parts.*p.member != 0) text += p.label + std::to_string(parts.*p.member) + "; ";
  };
  for (size_t i = 0; i < kPartsBeforeLists; ++i) add(kIntegerParts[i]);
  if (!parts.npp.empty()) text += "NPP:" + parts.npp + "; ";
  if (!parts.npr.empty()) text += "NPR:" + parts.npr + "; ";
  for (size_t i = kPartsBeforeLists; i < std::size(kIntegerParts); ++i) add(kIntegerParts[i]);
  return text;
}

OchranaPrirody RozeberOchranuPrirody(std::string_view text) {
  const std::string full = "; " + std::string(text);
  OchranaPrirody parts;
  parts.evl = ValueOf(full, "EVL:");
  parts.npp = ValueOf(full, "NPP:");
  parts.npr = ValueOf(full, "NPR:");
  for (const IntegerPart& p : kIntegerParts) parts.*p.member = IntFromText(ValueOf(full, p.label));
  return parts;
}

std::string OchranaPrirodyText(framework::TElement& element) {
  OchranaPrirody parts;
  parts.evl = element.GetPropertyText("EVL_KODLom");
  parts.npp = element.GetPropertyText("NPP_KODLom");
  parts.npr = element.GetPropertyText("NPR_KODLom");
  for (const IntegerPart& p : kIntegerParts) parts.*p.member = IntProperty(&element, p.property);
  return SestavOchranuPrirody(parts);
}

void SetOchranaPrirodyText(framework::TElement& element, std::string_view text) {
  const OchranaPrirody parts = RozeberOchranuPrirody(text);
  element.SetPropertyText("EVL_KODLom", parts.evl);
  element.SetPropertyText("NPP_KODLom", parts.npp);
  element.SetPropertyText("NPR_KODLom", parts.npr);
  for (const IntegerPart& p : kIntegerParts)
    element.SetPropertyInteger(p.property, parts.*p.member);
}

}  // namespace tarnik::plan
