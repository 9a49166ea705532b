#include "data/codelists/kelva_codes.h"

#include <initializer_list>

namespace tarnik::plan {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

// Declares stored text properties and, for the names in `numbers`, integer properties, in the
// order given by `order` (a name listed in `numbers` is an integer).
void Declare(std::vector<TPropInfo>& out, std::initializer_list<const char*> order,
             std::initializer_list<const char*> numbers) {
  TPropDefs<TKodovyPrvek> d(out);
  for (const char* name : order) {
    bool is_number = false;
    for (const char* n : numbers) is_number = is_number || std::string(n) == name;
    const std::string key = name;
    if (is_number) {
      d.Integer(
          name, [key](TKodovyPrvek& e) { return e.Number(key); },
          [key](TKodovyPrvek& e, int32_t v) { e.SetNumber(key, v); });
    } else {
      d.String(
          name, [key](TKodovyPrvek& e) { return e.Text(key); },
          [key](TKodovyPrvek& e, const std::string& v) { e.SetText(key, v); });
    }
  }
}

void DefineKodPopis(std::vector<TPropInfo>& out) { Declare(out, {"Kod", "Popis"}, {}); }
void DefineOrgUr(std::vector<TPropInfo>& out) { Declare(out, {"LHC_KOD"}, {"LHC_KOD"}); }
void DefineCisSCHU(std::vector<TPropInfo>& out) {
  Declare(out, {"SCHU_KOD", "SCHU_NAZEV", "SCHU_SML", "SCHU_POPIS", "LHC_KOD"},
          {"SCHU_KOD", "LHC_KOD"});
}
void DefineTypRozhodnuti(std::vector<TPropInfo>& out) {
  Declare(out, {"Typ_Dokum", "Kod", "Popis"}, {});
  TPropDefs<TTypRozhodnuti> d(out);
  d.String("JedinecnyTyp", &TTypRozhodnuti::JedinecnyTyp, nullptr);
}
void DefineOLH(std::vector<TPropInfo>& out) {
  Declare(out, {"LHC_KOD", "KOD", "JMENO", "OKR_URAD", "CIS_LIC"}, {"LHC_KOD"});
}
void DefineCisHs(std::vector<TPropInfo>& out) {
  Declare(out,
          {"LHC_KOD", "CISLO_HS", "NAZEV_HS", "HOSP_ZP", "OBMYTI", "OBN_DOBA", "POC_OBNOVY",
           "JdeDoSestavDTO", "MZD", "POC_PROR", "POC_PROB", "POC_MYTKLID", "ODVOZ_TEZ"},
          {"LHC_KOD", "CISLO_HS", "OBMYTI", "OBN_DOBA", "POC_OBNOVY", "POC_PROR", "POC_PROB",
           "POC_MYTKLID"});
}
void DefineMZDHospSoub(std::vector<TPropInfo>& out) {
  TPropDefs<TMZDHospSoub> d(out);
  d.Integer("LHC_KOD", &TMZDHospSoub::LhcKod, nullptr);
  Declare(out, {"CISLO_HS", "MZD", "DR_ZKR", "LT_SLT"}, {"CISLO_HS", "MZD"});
  TPropDefs<TMZDHospSoub> after(out);
  after.String("CISLOHS_LTSLT", &TMZDHospSoub::CISLOHS_LTSLT, nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TKodovyPrvek, TObecnyLesniPrvek, nullptr)
TARNIK_DEFINE_CLASS(TKodPopis, TKodovyPrvek, DefineKodPopis)
TARNIK_DEFINE_CLASS(TOrgUr, TKodPopis, DefineOrgUr)
TARNIK_DEFINE_CLASS(TCisSCHU, TKodovyPrvek, DefineCisSCHU)
TARNIK_DEFINE_CLASS(TTypRozhodnuti, TKodovyPrvek, DefineTypRozhodnuti)
TARNIK_DEFINE_CLASS(TOLH, TKodovyPrvek, DefineOLH)
TARNIK_DEFINE_CLASS(TCisHs, TKodovyPrvek, DefineCisHs)
TARNIK_DEFINE_CLASS(TMZDHospSoub, TKodovyPrvek, DefineMZDHospSoub)
TARNIK_DEFINE_CLASS(TKodPopisMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TOrgUrMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TCisSCHUMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TTypRozhodnutiMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TOLHMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TCisHsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TMZDHospSoubMN, TLesniMnozina, nullptr)

std::string TKodovyPrvek::Text(const std::string& property) const {
  auto it = texts_.find(property);
  return it == texts_.end() ? std::string() : it->second;
}

void TKodovyPrvek::SetText(const std::string& property, const std::string& value) {
  texts_[property] = value;
}

int32_t TKodovyPrvek::Number(const std::string& property) const {
  auto it = numbers_.find(property);
  return it == numbers_.end() ? 0 : it->second;
}

void TKodovyPrvek::SetNumber(const std::string& property, int32_t value) {
  numbers_[property] = value;
}

}  // namespace tarnik::plan
