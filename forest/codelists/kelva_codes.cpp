#include "forest/codelists/kelva_codes.h"

#include <initializer_list>

#include "platform/checked_math.h"
#include "platform/numtext.h"

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
  Declare(out, {"LHC_KOD", "CISLO_HS", "NAZEV_HS", "HOSP_ZP", "OBMYTI", "OBN_DOBA"},
          {"LHC_KOD", "CISLO_HS", "OBMYTI", "OBN_DOBA"});
  // The age at which regeneration begins follows from the rotation and the regeneration period;
  // a value given from outside is kept but not answered.
  TPropDefs<TKodovyPrvek> d(out);
  d.Integer(
      "POC_OBNOVY",
      [](TKodovyPrvek& e) {
        // Taken wide: the stored rotation and period may be any integers.
        return platform::ClampToInt32(
            (int64_t{e.Number("OBMYTI")} - e.Number("OBN_DOBA") / 2) / 10 * 10 + 1);
      },
      [](TKodovyPrvek& e, int32_t v) { e.SetNumber("POC_OBNOVY", v); });
  Declare(out, {"JdeDoSestavDTO", "MZD", "POC_PROR", "POC_PROB", "POC_MYTKLID", "ODVOZ_TEZ"},
          {"POC_PROR", "POC_PROB", "POC_MYTKLID"});
}
void DefineMZDHospSoub(std::vector<TPropInfo>& out) {
  TPropDefs<TMZDHospSoub> d(out);
  d.Integer("LHC_KOD", &TMZDHospSoub::LhcKod, nullptr);
  Declare(out, {"CISLO_HS", "MZD", "DR_ZKR", "LT_SLT"}, {"CISLO_HS", "MZD"});
  TPropDefs<TMZDHospSoub> after(out);
  after.String("CISLOHS_LTSLT", &TMZDHospSoub::CISLOHS_LTSLT, nullptr);
}

void DefineMajPoPorostech(std::vector<TPropInfo>& out) {
  Declare(out, {"MAJ_DRUH", "MAJ_KOD", "ODD", "DIL", "POR", "PSK", "JP", "KU_KOD"},
          {"MAJ_DRUH", "MAJ_KOD", "ODD", "JP", "KU_KOD"});
  TPropDefs<TMajPoPorostech> d(out);
  d.String("ODD_DIL_POR", &TMajPoPorostech::ODD_DIL_POR, nullptr);
  Declare(out, {"OLH"}, {});
}

void DefineMajetky(std::vector<TPropInfo>& out) {
  Declare(
      out,
      {"MAJ_KOD_C", "MAJ_KOD_C0", "KU_KOD_C", "MAJ_NAZ_C", "MAJ_NAZ_C1", "MAJ_NAZ_C2",
       "MAJ_NAZ_C_DBF", "MAJ_DRUH_C", "OLH_C", "LV_C", "PARCIS_C", "PARPOD_C", "PARDIL_C",
       "PARVYM_C", "DRUH_POZ_C", "PUPFL_C", "TEZB_VYP_C", "TEZB_MAX_C"},
      {"MAJ_KOD_C", "MAJ_KOD_C0", "KU_KOD_C", "MAJ_DRUH_C", "OLH_C", "LV_C", "PARCIS_C", "PARPOD_C",
       "PARDIL_C", "PARVYM_C", "DRUH_POZ_C", "PUPFL_C", "TEZB_VYP_C", "TEZB_MAX_C"});
  TPropDefs<Tmajetky> d(out);
  for (const char* name : {"LesniPoz_C", "JinePoz_C"}) {
    const std::string key = name;
    d.Float(
        name, [key](Tmajetky& m) { return platform::DecimalTextToFloat(m.Text(key)); },
        [key](Tmajetky& m, double v) { m.SetText(key, platform::FloatToText(v)); });
  }
  Declare(out,
          {"RodneCis_C", "JmePrijm_C", "ICO_C", "ObchodJm_C", "Zastupce_C", "PSC_C", "AdrObec_C",
           "AdrUlice_C", "AdrCDomu_C", "Obec_C", "OSTATNI_C", "KOD_C", "DOPLKOD_C", "CISJEDN_C",
           "DATVYDANI_C", "UZIVATEL_C", "ZADATEL_C", "CISORG_C"},
          {"PSC_C", "KOD_C", "DOPLKOD_C"});
  // ODB_SPR_C is the same value as OLH_C.
  d.Integer(
      "ODB_SPR_C", [](Tmajetky& m) { return m.Number("OLH_C"); },
      [](Tmajetky& m, int32_t v) { m.SetNumber("OLH_C", v); });
  Declare(
      out,
      {"NAJDATE_C",      "NAJPLAT_C",       "CJ_ROZHOD_C", "NAHRADA_C",         "POZN_C",
       "UZIV_C",         "DOHODA_C",        "CjOU_C",      "LES_URAD_nazev_C1", "JmePrijmZpln_C",
       "PSCZpln_C",      "EMailZpln_C",     "ObecZpln_C",  "TelefonZpln_C",     "UliceZpln_C",
       "CDomuZpln_C",    "FaxZpln_C",       "VPred_C",     "DnePred_C",         "PrilohyPred_C",
       "ZastOU_C",       "TEZB_VYCH_C",     "ZAS_CEL_C",   "PSC_txt_C",         "PoznamkaDoMapy_C",
       "OLH1_C",         "NamePorostuOLH1", "OLH2_C",      "NamePorostuOLH2",   "OLH3_C",
       "NamePorostuOLH3"},
      {"TEZB_VYCH_C", "ZAS_CEL_C"});
}

// Properties prefix + first ... prefix + last, texts or integers.
void DeclareNumbered(std::vector<TPropInfo>& out, const std::string& prefix, int first, int last,
                     bool integers) {
  TPropDefs<TKodovyPrvek> d(out);
  for (int i = first; i <= last; ++i) {
    const std::string key = prefix + std::to_string(i);
    if (integers) {
      d.Integer(
          key.c_str(), [key](TKodovyPrvek& e) { return e.Number(key); },
          [key](TKodovyPrvek& e, int32_t v) { e.SetNumber(key, v); });
    } else {
      d.String(
          key.c_str(), [key](TKodovyPrvek& e) { return e.Text(key); },
          [key](TKodovyPrvek& e, const std::string& v) { e.SetText(key, v); });
    }
  }
}

void DefineHospSoubPhs(std::vector<TPropInfo>& out) {
  Declare(out, {"CisRad1"}, {"CisRad1"});
  DeclareNumbered(out, "SlHospSoub", 0, 20, false);
}
void DefineLesTypPhs(std::vector<TPropInfo>& out) {
  DeclareNumbered(out, "SlLesTyp", 0, 20, false);
}
void DefineDrKtgPhs(std::vector<TPropInfo>& out) {
  Declare(out,
          {"CisRadku", "Ktg_ZvlSt", "KtgPhs", "ZvlStPHS", "EVLphs", "POphs", "CHKOphs", "CHKO_Zphs",
           "NPphs", "NP_Zphs", "NPPphs", "NPRphs", "PPphs", "PRphs", "SCHUphs", "ZkrDrev",
           "DrevPodpur", "SpecPodminka"},
          {"CisRadku"});
}
void DefineSpecPodHSPhs(std::vector<TPropInfo>& out) {
  Declare(out, {"UrciHS", "PodminHS", "ZastoupHS", "MinZastoupHS"}, {"ZastoupHS"});
}
void DefineProbirkaPhs(std::vector<TPropInfo>& out) {
  Declare(out, {"Drevina", "Podminka"}, {});
  DeclareNumbered(out, "ProcTV", 1, 19, true);
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
TARNIK_DEFINE_CLASS(TMajPoPorostech, TKodovyPrvek, DefineMajPoPorostech)
TARNIK_DEFINE_CLASS(TMajPoPorostechMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(Tmajetky, TKodovyPrvek, DefineMajetky)
TARNIK_DEFINE_CLASS(TmajetkyMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(THospSoubPhs, TKodovyPrvek, DefineHospSoubPhs)
TARNIK_DEFINE_CLASS(TLesTypPhs, TKodovyPrvek, DefineLesTypPhs)
TARNIK_DEFINE_CLASS(TDrKtgPhs, TKodovyPrvek, DefineDrKtgPhs)
TARNIK_DEFINE_CLASS(TSpecPodHSPhs, TKodovyPrvek, DefineSpecPodHSPhs)
TARNIK_DEFINE_CLASS(TProbirkaPhs, TKodovyPrvek, DefineProbirkaPhs)
TARNIK_DEFINE_CLASS(THospSoubPhsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TLesTypPhsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TDrKtgPhsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TSpecPodHSPhsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TProbirkaPhsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TKodPopisMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TOrgUrMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TCisSCHUMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TTypRozhodnutiMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TOLHMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TCisHsMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TMZDHospSoubMN, TLesniMnozina, nullptr)

TMajPoPorostechMN* Tmajetky::PoPorostech(int list) {
  if (list < 1 || list > 3) return nullptr;
  const std::string name = "MajPoPorostechOLH" + std::to_string(list) + "MN";
  if (auto* found = dynamic_cast<TMajPoPorostechMN*>(FindElementByName(name))) return found;
  auto* created = new TMajPoPorostechMN();
  created->SetName(name);
  AddElement(created);
  return created;
}

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
