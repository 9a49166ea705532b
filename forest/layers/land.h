// Non-forest land of a stand: non-forest plots (TBezlesi, set TBezlesiMN, prefix "BZL"), other
// plots for forest functions (TJinyPozemek, TJinyPozemekMN, "JINE") and other land (TOstatni,
// TOstatniMN, "OST"), on their common base TLesniPlosnyNeporostniPrvek. Each kind publishes the
// areal properties under its own suffix, keys the element by its number and reads its owner from
// the stand above. Plots own their parcel parts (CastParcelyMN, created on first use).
#pragma once

#include <cstdint>
#include <string>

#include "forest/hierarchy/plosny_prvek.h"
#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TCastParcelyMN;

class TLesniPlosnyNeporostniPrvek : public TLesniPlosnyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesniPlosnyNeporostniPrvek)
  TLesniPlosnyNeporostniPrvek();
  static void Define(std::vector<framework::TPropInfo>& out);

  // The plot's number (the key); writing renames the element "<prefix> <number>".
  int32_t Cislo() const { return cislo_; }
  void SetCislo(int32_t number);
  const std::string& Druh() const { return druh_; }
  void SetDruh(const std::string& kind) { druh_ = kind; }
  // The stand above (nil without one).
  TObecnyLesniPrvek* Porost();
  int32_t MAJ_KOD();
  int32_t MAJ_DRUH();
  std::string MAJ_NAZ();
  // A 6-character text sets the plot's own owner kind and code; other lengths are refused.
  void SetVLASTNIK(const std::string& text);
  // The plot's SLT, else the dominant one of the stand, else of the compartment.
  std::string SLT_XML();
  std::string CeleOznaceni();
  TCastParcelyMN* CastParcelyMN();

 protected:
  // The set prefix and the designation label of the kind.
  virtual const char* Predpona() const { return "BZL"; }
  virtual const char* Popisek() const { return " Bezlesí: "; }

  template <class P>
  static void DefineKind(std::vector<framework::TPropInfo>& out, const std::string& key,
                         const std::string& suffix, const std::string& kind_property,
                         const std::string& kind_list);

  int32_t cislo_ = 0;
  std::string druh_;
  std::string vyuziti_;
  std::string inv_cis_;
  std::string druh_poz_;
  std::string pupfl_;
  int32_t maj_kod_puv_ = 0;
  int32_t maj_druh_puv_ = 0;

 private:
  framework::TElementRef casti_parcel_;
};

class TBezlesi : public TLesniPlosnyNeporostniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TBezlesi)
  static void Define(std::vector<framework::TPropInfo>& out);
};

class TJinyPozemek : public TLesniPlosnyNeporostniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TJinyPozemek)
  static void Define(std::vector<framework::TPropInfo>& out);

 protected:
  const char* Predpona() const override { return "JINE"; }
  const char* Popisek() const override { return " JinPoz: "; }
};

class TOstatni : public TLesniPlosnyNeporostniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TOstatni)
  static void Define(std::vector<framework::TPropInfo>& out);

 protected:
  const char* Predpona() const override { return "OST"; }
  const char* Popisek() const override { return " Ostatni: "; }
};

class TBezlesiMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TBezlesiMN)
  TBezlesiMN();
};
class TJinyPozemekMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TJinyPozemekMN)
  TJinyPozemekMN();
};
class TOstatniMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TOstatniMN)
  TOstatniMN();
};

// Export preparation of one plot set: for each position, the last later plot with the same
// number and KU_KOD is merged into it (areas, map areas and acreages added) and freed, and the
// position is examined again.
void SlucStejnePlochy(TLesniMnozina& plots);

}  // namespace tarnik::plan
