// A layer of a stand group (TEtaz, ISLH element ETZ) and the layer set of a group (TEtazMN,
// prefix "ETAZ", keys normalised by the short-code rule). A layer owns its species and
// afforestation sets (and their deleted twins), created on first use; it derives sums over its
// species, the MZD and DTO requirements, the regeneration percentage and the XML texts of its
// areas and urgencies. The stand group is the forest element that holds the layer set.
#pragma once

#include <cstdint>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TDrevinaMN;
class TZalesneniMN;
class TRadekLHEvidenceMN;

class TEtaz : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TEtaz)
  TEtaz();
  static void Define(std::vector<framework::TPropInfo>& out);

  const std::string& ETAZ() const { return etaz_; }
  // Stores the designation by the short-code rule and renames the element "ETAZ <key>".
  void SetETAZ(const std::string& text);
  int32_t VEK() const { return vek_; }
  int32_t ZAKM() const { return zakm_; }
  double ETAZ_PP() const { return etaz_pp_; }

  // The stand group above (nil without one).
  TObecnyLesniPrvek* Skupina();
  TDrevinaMN* DrevinaMN();
  TZalesneniMN* ZalesneniMN();
  TDrevinaMN* SmazanyDrevinaMN();
  TZalesneniMN* SmazanyZalesneniMN();
  // The unit's work records of this layer, gathered on first access.
  TRadekLHEvidenceMN* RadekLHEvidenceMN();

  std::string ZAL_DRUH();
  // Stores the kind and copies it into every afforestation row (changed rows marked edited).
  void SetZAL_DRUH(const std::string& kind);
  double ZAL_P();
  void SetZAL_P(double area);
  double ZAL_P_MERK();
  void SetZAL_P_MERK(double area);

  // Sum of a species property read as published, rounded half to even.
  int32_t SumaDrevin(const char* property);
  double RedukovanaPlocha(bool by_volume);
  double PocitaneZakmeneniFlo();
  int32_t NejmensiTabulkovaZasoba();
  int32_t PROC_HS() const;
  bool MusiBytMZD();
  bool MusiBytDTO();
  int32_t MZDzeZales();
  int32_t MZDDleHS();
  int32_t DruhVykonu();
  int32_t IEtaze();
  std::string DrevinaSMaxZast();
  std::string CeleOznaceni();

 private:
  std::string etaz_;
  std::string etaz_nactene_;
  int32_t hs_ = 0;
  double etaz_pp_ = 0;
  double etaz_ps_ = 0;
  bool etaz_ps_menit_ = false;
  int32_t obmyti_ = 0;
  int32_t obn_doba_ = 0;
  int32_t poc_obnovy_ = 0;
  int32_t vek_ = 0;
  int32_t zakm_ = 0;
  int32_t kval_hs_ = 0;
  int32_t m_z_zasoby_ = 0;
  int32_t rok_zjisteni_ = 0;
  int32_t m_tez_proc_ = 0;
  std::string odvoz_tez_;
  int32_t mzd_ = -1;
  std::string hosp_tv_;
  std::string ekol_hod_;
  std::string str_vrs_;
  double pro_p_ = 0;
  std::string pro_nal_;
  int32_t pro_poc_ = 0;
  double tv_p_ = 0;
  std::string tv_nal_;
  int32_t tv_poc_ = 0;
  double to_p_ = 0;
  std::string to_nal_;
  std::string to_duvod_;
  std::string to_zpusob_;
  double tvyb_p_ = 0;
  std::string tvyb_nal_;
  double tbh_p_ = 0;
  int32_t procento_tbh_ = 0;
  bool pro_p_menit_ = false;
  bool tv_p_menit_ = false;
  bool to_p_menit_ = false;
  bool plocha_zal_menit_ = false;
  std::string zal_druh_;
  double zal_p_vlastni_ = 0;  // the layer's own afforestation area (entered in the Merk forms)
  int32_t zp_tez_st_ = 0;
  int32_t ter_typ_st_ = 0;
  int32_t naleh_st_ = 0;
  double podil_to_p_ = 0;
  std::string chyba_hs_;
  framework::TElementRef drevina_;
  framework::TElementRef zalesneni_;
  framework::TElementRef smazane_drevina_;
  framework::TElementRef smazane_zalesneni_;
  framework::TElementRef evidence_;
};

class TEtazMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TEtazMN)
  TEtazMN();
  static void Define(std::vector<framework::TPropInfo>& out);
  // Keys are normalised by the short-code rule first.
  void SetNovyPrvek(const std::string& key) override;
  void SetJmenoAktualnihoPrvku(const std::string& key) override;
};

}  // namespace tarnik::plan
