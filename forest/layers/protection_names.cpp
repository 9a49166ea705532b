#include "forest/layers/protection_names.h"

#include <vector>

#include "forest/codelists/cisel_kelva.h"
#include "forest/layers/layer_base.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/owner_names.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// One kind of code: its label in the texts, the property holding it, its code list, and whether
// the property is a "/" list of codes.
struct Kind {
  const char* label;
  const char* property;
  const char* list;
  bool multi;
};
// The order of the composite text.
constexpr Kind kTextOrder[] = {
    {"EVL", "EVL_KODLom", "tb_EVL", true},  {"PO", "PO_KOD", "tb_PO", false},
    {"CHKO", "CHKO_KOD", "tb_CHKO", false}, {"CHKO-Z", "CHKO_Z_KOD", "tb_ZONA", false},
    {"NP", "NP_KOD", "tb_NP", false},       {"NP-Z", "NP_Z_KOD", "tb_ZONA", false},
    {"NPP", "NPP_KODLom", "tb_NPP", true},  {"NPR", "NPR_KODLom", "tb_NPR", true},
    {"PP", "PP_KOD", "tb_PP", false},       {"PR", "PR_KOD", "tb_PR", false},
    {"SCHU", "SCHU_KOD", "", false},
};
// The order of the check.
constexpr Kind kCheckOrder[] = {
    {"PO", "PO_KOD", "tb_PO", false},           {"CHKO", "CHKO_KOD", "tb_CHKO", false},
    {"CHKO_Z", "CHKO_Z_KOD", "tb_ZONA", false}, {"NP", "NP_KOD", "tb_NP", false},
    {"NP_Z", "NP_Z_KOD", "tb_ZONA", false},     {"PP", "PP_KOD", "tb_PP", false},
    {"PR", "PR_KOD", "tb_PR", false},           {"SCHU", "SCHU_KOD", "", false},
    {"EVL", "EVL_KODLom", "tb_EVL", true},      {"NPP", "NPP_KODLom", "tb_NPP", true},
    {"NPR", "NPR_KODLom", "tb_NPR", true},
};

// The codes of one kind present on the element (0 counts as absent).
std::vector<std::string> CodesOf(TObecnyLesniPrvek& element, const Kind& kind) {
  std::vector<std::string> codes;
  if (kind.multi) {
    for (const std::string& piece : platform::Split(element.GetPropertyText(kind.property), '/')) {
      const std::string code = platform::Trim(piece);
      if (!code.empty()) codes.push_back(code);
    }
  } else if (const int32_t code = IntProperty(&element, kind.property)) {
    codes.push_back(std::to_string(code));
  }
  return codes;
}

TCisSCHUMN* SchuList(TObecnyLesniPrvek& element) {
  TCiselKelva* kelva = CiselKelvaOf(element);
  TCisSCHUMN* list = kelva ? kelva->CisSCHUMN() : nullptr;
  return list && list->PocetPrvku() > 0 ? list : nullptr;
}

bool Known(TObecnyLesniPrvek& element, const Kind& kind, const std::string& code) {
  if (*kind.list) return CodeListHas(element, kind.list, code, "Kod");
  TCisSCHUMN* list = SchuList(element);
  return !list || list->ExistujePrvekSHodnotou("SCHU_KOD", code);
}

std::vector<std::string> NamedLines(TObecnyLesniPrvek& element) {
  std::vector<std::string> lines;
  for (const Kind& kind : kTextOrder) {
    for (const std::string& code : CodesOf(element, kind)) {
      const std::string name = *kind.list ? CodeListName(element, kind.list, code, "POPIS", "Kod")
                                          : NazevSCHU(element, IntFromText(code));
      lines.push_back(std::string(kind.label) + " " + code + " " + name);
    }
  }
  return lines;
}

}  // namespace

std::string NazevSCHU(TObecnyLesniPrvek& element, int32_t code) {
  if (TCisSCHUMN* list = SchuList(element))
    return list->HodnotaPodleKlice("SCHU_KOD", std::to_string(code), "SCHU_NAZEV");
  return CodeListName(element, "tb_SCHU", std::to_string(code), "POPIS", "Kod");
}

std::string OchranaPrirodyNazvy(TObecnyLesniPrvek& element) {
  return platform::Join(NamedLines(element), "\r\n");
}

int32_t OchranaPrirodyPocetRadku(TObecnyLesniPrvek& element) {
  return static_cast<int32_t>(NamedLines(element).size());
}

std::string ChybaVOchranePrirody(TObecnyLesniPrvek& element) {
  std::string faults;
  for (const Kind& kind : kCheckOrder) {
    for (const std::string& code : CodesOf(element, kind)) {
      if (!Known(element, kind, code))
        faults += "  " + std::string(kind.label) + "=" + code + " ,kod není v poradku.";
    }
  }
  return faults;
}

}  // namespace tarnik::plan
