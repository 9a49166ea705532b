// Lists a stand carries: forest categories (TKategorie1, set TKategorie1MN, prefix "KTG"),
// special statuses (TZvlSt, set TZvlStMN, prefix "ZVLST") and organisational levels
// (TOrg_Uroven, set TOrg_UrovenMN, prefix "ORGU"), with their "/" and "," entry forms and the
// export rules of the statuses. The stand is the forest element holding the set. Elements are
// owned by their sets and freed with them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TKategorie1 : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TKategorie1)
  TKategorie1();
  static void Define(std::vector<framework::TPropInfo>& out);
  const std::string& KATEGORIE() const { return kategorie_; }
  void SetKATEGORIE(const std::string& code) { kategorie_ = code; }
  TObecnyLesniPrvek* Porost();

 private:
  std::string kategorie_;
};

class TKategorie1MN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TKategorie1MN)
  TKategorie1MN();
  static void Define(std::vector<framework::TPropInfo>& out);
  // The first category's code; empty without categories.
  std::string HlavniKATEGORIE() const;
  // Replaces the categories by the pieces of a text cut at the separator.
  void NastavKategorie(const std::string& text, const std::string& separator);
  // Export preparation: a set without categories gets the category "10".
  void DoplnKategorii10();
};

class TZvlSt : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TZvlSt)
  TZvlSt();
  static void Define(std::vector<framework::TPropInfo>& out);
  const std::string& ZVL_STATUT() const { return zvl_statut_; }
  // Stores the code and renames the element "ZVLST <code>".
  void SetZVL_STATUT(const std::string& code);
  // The code, "29" read as "53" outside the exports for LČR.
  std::string ZVL_STATUT_P();
  // Empty when an earlier status of the same set has the same ZVL_STATUT_P.
  std::string ZVL_STATUT_XML();
  int32_t CisloZvlStInduktDopredu() const;
  TObecnyLesniPrvek* Porost();

 private:
  std::string zvl_statut_;
  bool z_porostu_ = false;
};

class TZvlStMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TZvlStMN)
  TZvlStMN();
  static void Define(std::vector<framework::TPropInfo>& out);
  // Replaces the statuses by the pieces of a text cut at the separator.
  void NastavZvlSt(const std::string& text, const std::string& separator);
  // Applies a "/" text to an emptied set and adds the previous statuses back after it.
  void NastavZvlStBezMazani(const std::string& text);
  // The statuses' XML codes joined with "$" (duplicates written once), and its writer: every
  // status freed, then one status per "$" piece of a non-blank text.
  std::string ZVL_STATUT_XML() const;
  void SetZVL_STATUT_XML(const std::string& text);
  // Frees the statuses that the export leaves out (their codes' digits read 2, 3, 4, 6, 7, 8,
  // 10, 11, 12, 13, 29, 30, 55, 56 or 57), from the last to the first. The caller decides by
  // the SmazZvlSt option whether to call it.
  void OdstranNeexportovane();
};

// Whether the export leaves out a status code (its decimal digits read as a number, 0 without).
bool ZvlStNeexportovany(std::string_view code);

class TOrg_Uroven : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TOrg_Uroven)
  TOrg_Uroven();
  static void Define(std::vector<framework::TPropInfo>& out);
  int32_t ORG_UROVEN() const { return org_uroven_; }
  void SetORG_UROVEN(int32_t number) { org_uroven_ = number; }
  TObecnyLesniPrvek* OwnerPorost();

 private:
  int32_t org_uroven_ = 0;
};

class TOrg_UrovenMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TOrg_UrovenMN)
  TOrg_UrovenMN();
  // The levels' numbers joined with "$", and its writer (all levels replaced).
  std::string ORG_UROVEN() const;
  void SetORG_UROVEN(const std::string& text);
  // Level k (1..3): its number as text, empty when missing; writing a non-blank text creates
  // the missing lower levels with "0" and then level k, or overwrites its number.
  std::string Uroven(int k) const;
  void SetUroven(int k, const std::string& text);
};

}  // namespace tarnik::plan
