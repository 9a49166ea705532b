// TCiselKelva: the second code-list set of a forest unit, a forest element named "CiselKelva"
// that holds one set per kind of code (created on first access, owned as children): forest
// managers, management sets, ameliorating species per management set, contractual protected
// areas, three organisational levels, cadastral areas and decision types. The fills read the
// plan-wide tables, the program's CisDokum and KatasCel; each fills a list only while it is
// empty and reports failures as its readers do; nothing throws.
#pragma once

#include <string>

#include "forest/codelists/kelva_codes.h"
#include "forest/codelists/owner_manager.h"

namespace tarnik::engine {
class Database;
}

namespace tarnik::plan {

class CodeLists;

class TCiselKelva : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TCiselKelva)
  TCiselKelva();

  TOLHMN* OLHMN() { return Set<TOLHMN>("TOLHMN"); }
  TCisHsMN* CisHsMN() { return Set<TCisHsMN>("TCisHsMN"); }
  TMZDHospSoubMN* MZDHospSoubMN() { return Set<TMZDHospSoubMN>("TMZDHospSoubMN"); }
  TCisSCHUMN* CisSCHUMN() { return Set<TCisSCHUMN>("CisSCHUMN"); }
  // Level 1 to 3; nil for another number.
  TOrgUrMN* OrgUrMN(int level);
  TKodPopisMN* katastryMN() { return Set<TKodPopisMN>("katastryMN"); }
  TTypRozhodnutiMN* TypRozhodnutiMN() { return Set<TTypRozhodnutiMN>("TTypRozhodnutiMN"); }
  TmajetkyMN* majetkyMN() { return Set<TmajetkyMN>("TmajetkyMN"); }
  THospSoubPhsMN* HospSoubPhsMN() { return Set<THospSoubPhsMN>("THospSoubPhsMN"); }
  TLesTypPhsMN* LesTypPhsMN() { return Set<TLesTypPhsMN>("TLesTypPhsMN"); }
  TDrKtgPhsMN* DrKtgPhsMN() { return Set<TDrKtgPhsMN>("TDrKtgPhsMN"); }
  TSpecPodHSPhsMN* SpecPodHSPhsMN() { return Set<TSpecPodHSPhsMN>("TSpecPodHSPhsMN"); }
  TProbirkaPhsMN* ProbirkaPhsMN() { return Set<TProbirkaPhsMN>("TProbirkaPhsMN"); }

  // The forest manager of a stand's owner: the last owner of that kind and code gives its
  // OLH_C, replaced by OLH1_C ... OLH3_C when that per-stand list names the stand (later lists
  // win); `current` when no owner matches or the owner list is empty.
  std::string OLHVlastnika(long owner_kind, long owner_code, const StandRef& stand,
                           const std::string& current);

  // Fills the still empty lists from the plan-wide tables of the PHS database: OLH, TAB_HS,
  // MEL_DREV, CisSCHU, ORGUR1, ORGUR2 and, when they exist, ORGUR3 and probir. A missing table
  // leaves its list empty.
  void NaplnZPlanu(engine::Database& phs);
  // Decision types from the CisDokum table at `path`: one element per row keyed
  // Typ_Dokum + "-" + Kod; rows whose key exists already are skipped.
  void NactiTypyRozhodnuti(const std::string& path);
  // Names every cadastral area of katastryMN from the program's KatasCel ("Není v seznamu."
  // when missing).
  void PojmenujKatastry(CodeLists& lists);
  // Replaces the management sets, forest types, species categories, special sub-sets and the
  // management-set list by the sets saved in `dir` ("HsPhs.KLV", "LTPhs.KLV", "DrKtgPhs.KLV",
  // "SpecPPhs.KLV", "CisHsPhs.KLV"); the previous set is freed once its file has loaded. A set
  // whose file is missing, unreadable or holds another class stays as it was. Answers how many
  // sets were replaced.
  int NactiPhsZKlv(const std::string& dir);

 private:
  template <class T>
  T* Set(const std::string& name) {
    if (auto* found = dynamic_cast<T*>(FindElementByName(name))) return found;
    auto* created = new T();
    created->SetName(name);
    AddElement(created);
    return created;
  }
};

}  // namespace tarnik::plan
