// Code elements of the unit's second code-list set (CiselKelva): forest elements that carry the
// columns of one code row as published properties. Values are kept by property name; integer
// properties read 0 until written. Each set class holds one kind of code element.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "forest/forest_set.h"

namespace tarnik::plan {

// A forest element whose published properties are plain stored values.
class TKodovyPrvek : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TKodovyPrvek)
  std::string Text(const std::string& property) const;
  void SetText(const std::string& property, const std::string& value);
  int32_t Number(const std::string& property) const;
  void SetNumber(const std::string& property, int32_t value);

 private:
  std::map<std::string, std::string> texts_;
  std::map<std::string, int32_t> numbers_;
};

// The generic code/description pair.
class TKodPopis : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TKodPopis)
};
class TOrgUr : public TKodPopis {
 public:
  TARNIK_ELEMENT_CLASS(TOrgUr)
};
class TCisSCHU : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TCisSCHU)
};
class TTypRozhodnuti : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TTypRozhodnuti)
  // Typ_Dokum + "-" + Kod.
  std::string JedinecnyTyp() const { return Text("Typ_Dokum") + "-" + Text("Kod"); }
};
class TOLH : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TOLH)
};
class TCisHs : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TCisHs)
};
class TMZDHospSoub : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TMZDHospSoub)
  // The unit's LHC_KOD (from the LHC above), read-only.
  int32_t LhcKod() { return LHC_KODOwnEnt(); }
  // CISLO_HS + "-" + LT_SLT: the key of a management set and a site.
  // The sort key of the MZD list: CISLO_HS padded on the left with "0" to five characters,
  // then LT_SLT padded on the right with blanks to three.
  std::string CISLOHS_LTSLT() const {
    std::string hs = std::to_string(Number("CISLO_HS"));
    if (hs.size() < 5) hs.insert(0, 5 - hs.size(), '0');
    std::string lt = Text("LT_SLT");
    if (lt.size() < 3) lt.append(3 - lt.size(), ' ');
    return hs + lt;
  }
};

// One per-stand entry of an owner's manager lists.
class TMajPoPorostech : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TMajPoPorostech)
  // ODD + "/" + DIL + "/" + POR.
  std::string ODD_DIL_POR() const {
    return std::to_string(Number("ODD")) + "/" + Text("DIL") + "/" + Text("POR");
  }
};
class TMajPoPorostechMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TMajPoPorostechMN)
  TMajPoPorostechMN() : TLesniMnozina(TMajPoPorostech::StaticClass(), "MPP") {}
};

// An owner with its manager and its three per-stand manager lists (child sets
// "MajPoPorostechOLH1MN" ... "MajPoPorostechOLH3MN", created on first access).
class Tmajetky : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(Tmajetky)
  // List 1 to 3; nil for another number.
  TMajPoPorostechMN* PoPorostech(int list);
};
class TmajetkyMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TmajetkyMN)
  TmajetkyMN() : TLesniMnozina(Tmajetky::StaticClass(), "MAJ") {}
};

// Rows of the PHS planner's tables.
class THospSoubPhs : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(THospSoubPhs)
};
class TLesTypPhs : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesTypPhs)
};
class TDrKtgPhs : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TDrKtgPhs)
};
class TSpecPodHSPhs : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TSpecPodHSPhs)
};
class TProbirkaPhs : public TKodovyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TProbirkaPhs)
};
class THospSoubPhsMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(THospSoubPhsMN)
  THospSoubPhsMN() : TLesniMnozina(THospSoubPhs::StaticClass(), "HSPHS") {}
};
class TLesTypPhsMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TLesTypPhsMN)
  TLesTypPhsMN() : TLesniMnozina(TLesTypPhs::StaticClass(), "LTPHS") {}
};
class TDrKtgPhsMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TDrKtgPhsMN)
  TDrKtgPhsMN() : TLesniMnozina(TDrKtgPhs::StaticClass(), "DRKTG") {}
};
class TSpecPodHSPhsMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TSpecPodHSPhsMN)
  TSpecPodHSPhsMN() : TLesniMnozina(TSpecPodHSPhs::StaticClass(), "SPPHS") {}
};
class TProbirkaPhsMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TProbirkaPhsMN)
  TProbirkaPhsMN() : TLesniMnozina(TProbirkaPhs::StaticClass(), "PROB") {}
};

class TKodPopisMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TKodPopisMN)
  TKodPopisMN() : TLesniMnozina(TKodPopis::StaticClass(), "KP") {}
};
class TOrgUrMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TOrgUrMN)
  TOrgUrMN() : TLesniMnozina(TOrgUr::StaticClass(), "ORG") {}
};
class TCisSCHUMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TCisSCHUMN)
  TCisSCHUMN() : TLesniMnozina(TCisSCHU::StaticClass(), "SCHU") {}
};
class TTypRozhodnutiMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TTypRozhodnutiMN)
  TTypRozhodnutiMN() : TLesniMnozina(TTypRozhodnuti::StaticClass(), "TYPR") {}
};
class TOLHMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TOLHMN)
  TOLHMN() : TLesniMnozina(TOLH::StaticClass(), "OLH") {}
};
class TCisHsMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TCisHsMN)
  TCisHsMN() : TLesniMnozina(TCisHs::StaticClass(), "HS") {}
};
class TMZDHospSoubMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TMZDHospSoubMN)
  TMZDHospSoubMN() : TLesniMnozina(TMZDHospSoub::StaticClass(), "MZD") {}
};

}  // namespace tarnik::plan
