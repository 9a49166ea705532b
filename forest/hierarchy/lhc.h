// TLHC: the header of one forest management unit (LHC) and the holder of its compartments. The
// compartment set keeps one compartment at a time: adding one frees the previous one. The unit
// code and the cut totals have XML forms (the LČR numbering, the cut reduced by the inductive
// cut once an XML export has started). Created and owned by the forest unit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forest/hierarchy/lesni_prvek.h"

namespace tarnik::plan {

class TOddeleni;
class TOddeleniMN;

class TLHC : public TLesniSlozenyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLHC)

  int32_t LHC_KOD() const { return lhc_kod_; }
  void SetLHC_KOD(int32_t v) { lhc_kod_ = v; }
  int32_t LHC_KOD_XML() const;
  const std::string& LHC_NAZ() const { return lhc_naz_; }
  const std::string& PUVOD_DAT() const { return puvod_dat_; }
  void SetPUVOD_DAT(const std::string& v) { puvod_dat_ = v; }
  bool ExportProLCR() const { return export_pro_lcr_; }
  void SetExportProLCR(bool v) { export_pro_lcr_ = v; }

  int32_t ETAT_TO() const { return etat_to_; }
  int32_t ETAT_TV() const { return etat_tv_; }
  int32_t LHC_IND() const { return lhc_ind_; }
  int32_t LHC_IND_TV() const { return lhc_ind_tv_; }
  // The cut totals for the XML: reduced by the inductive cut when the program-wide SnizEtat flag
  // is set.
  int32_t ETAT_TO_XML() const;
  int32_t ETAT_TV_XML() const;

  // "A" when the text, without blanks and upper-cased, is "A"; else "N".
  void SetLHO(const std::string& text);
  const std::string& LHO() const { return lho_; }

  // The compartment set (one compartment at a time) and its current compartment.
  TOddeleniMN* OddeleniMN();
  TOddeleni* Oddeleni();

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);

  int32_t lhc_kod_ = 0, lhc_kod_id_ = 0;
  std::string lhc_naz_, lhp_od_, lhp_do_, lhp_tax_, lhp_lic_;
  std::string lhp_z_od_, lhp_z_do_, lhp_z_tax_, lhp_z_lic_;
  std::string uhul_kod_, puvod_dat_, ku_datum_, lho_ = "N";
  int32_t etat_ = 0, etat_to_ = 0, etat_tv_ = 0, etat_tvyb_ = 0;
  int32_t tez_proc_ = 0, nor_pas_ = 0, lhc_pn_pro_ = 0, lhc_ind_ = 0, lhc_ind_tv_ = 0,
          lhc_ind_to_ = 0, lhc_max_ = 0, lhp_nezdar_ = 0;
  double mvych_do40_ = 0, vych_do40_ = 0;
  bool vyp_mzd_dle_zezuly1_ = true, mzd_nezavisle_na_hs_ = false, export_pro_lcr_ = false,
       verze_pro_park1_ = false;
  framework::TElementRef oddeleni_;
};

}  // namespace tarnik::plan
