// TPorost: a stand, keyed by POR. It owns its per-cadastre area table (TFPole), the sets of its
// stand groups, non-forest plots, other land and other plots and their deleted sets (the plot
// classes belong to another model part and are created by name), and its free text lines.
// TPorostMN: the sub-compartment's stand set (prefix "POR").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forest/hierarchy/lesni_prvek.h"

namespace tarnik::plan {

class TFPole;
class TPorostniSkupina;
class TPorostniSkupinaMN;

class TPorost : public TLesniSlozenyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TPorost)

  const std::string& POR() const { return por_; }
  // A text blank after trimming is ignored; otherwise stored and the element renamed.
  void SetPOR(const std::string& text);
  void AdoptPOR(const std::string& text) { por_ = text; }
  std::string CeleOznaceni();
  std::string CeleOznaceniKratce();

  std::string PAS_OHR() const;
  void SetLES_OBL(const std::string& text);
  void SetLES_PODOBL(const std::string& text);
  const std::string& LES_OBL() const { return les_obl_; }
  const std::string& LES_PODOBL() const { return les_podobl_; }
  int32_t MAJ_KOD() const { return maj_kod_; }
  void SetMAJ_KOD(int32_t v) { maj_kod_ = v; }
  int32_t MAJ_DRUH() const { return maj_druh_; }
  void SetMAJ_DRUH(int32_t v) { maj_druh_ = v; }
  // The stored forest-manager code and the manager's licence as read with the stand.
  const std::string& OLH_98n() const { return olh_98n_; }
  void SetOLH_98n(const std::string& code) { olh_98n_ = code; }
  const std::string& OLH_LIC() const { return olh_lic_; }
  void SetOLH_LIC(const std::string& licence) { olh_lic_ = licence; }
  // Owner kind followed by the owner code zero-padded to 5 digits; write: a 6-character text.
  std::string VLASTNIK() const;
  void SetVLASTNIK(const std::string& text);

  // Free text lines.
  std::vector<std::string>& PorText() { return por_text_; }
  std::string POR_TEXT_Vse() const;
  void SetPOR_TEXT_Vse(const std::string& text);
  std::string POR_TEXT_Vse_BezZavin() const;

  // The first three special statuses.
  std::string ZVL_STATUT(int which);
  void SetZVL_STATUT(int which, const std::string& text);

  // Areas over the stand groups (running sums rounded before each addition).
  double POR_P();
  double POR_V();
  // Rebuilds the per-cadastre table; the number of distinct cadastral areas of the groups.
  int32_t PocetKatastruZeSkupin();
  int32_t PocetSkupinBezlaJPaOst();
  int32_t NejvyssiPocetzBzlJPOst();

  // Sets (the plot sets nil while their classes are not registered).
  TFPole* FPole();
  TPorostniSkupinaMN* PorostniSkupinaMN();
  TLesniMnozina* BezlesiMN();
  TLesniMnozina* OstatniMN();
  TLesniMnozina* JinyPozemekMN();
  TPorostniSkupinaMN* SmazanyPorostniSkupinaMN();
  TLesniMnozina* SmazanyBezlesiMN();
  TLesniMnozina* SmazanyOstatniMN();
  TLesniMnozina* SmazanyJinyPozemekMN();
  TPorostniSkupina* PorostniSkupina();

  bool MaSmazany() override;

 protected:
  void DeletedSets(std::vector<TLesniMnozina*>& out) override;

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  double AreaSum(bool acreage);

  std::string por_, pas_ohr_, les_obl_, les_podobl_, sdr_por_, druh_poz_, olh_98n_, olh_lic_;
  int32_t kat_spec_ = 0, cil_hs_ = 0, maj_kod_ = 0, maj_druh_ = 0;
  std::vector<std::string> por_text_;
  std::string hist_rozd_, hist_lhpod_, kateg_st_, ter_sk_por_st_, zonace_;
  int32_t hist_lhc_ = 0, druh_uziv_st_ = 0, cislo_zony_ = 0, poradi_katastru_ = 0;
  framework::TElementRef fpole_, skupiny_, bezlesi_, ostatni_, jiny_;
  framework::TElementRef smaz_skupiny_, smaz_bezlesi_, smaz_ostatni_, smaz_jiny_;
};

class TPorostMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TPorostMN)
  TPorostMN();
  // Creating an element also gives it its key as POR.
  void SetNovyPrvek(const std::string& key) override;
  void SetNovyPrvekVzdy(const std::string& key) override;
};

}  // namespace tarnik::plan
