// A tree species of a layer (TDrevina, ISLH element DRV) and the species set of a layer
// (TDrevinaMN, prefix "DREV"). Volumes are stored with bark; with the bark option
// (Flags().odkorneno) the published volume properties read and write values under bark.
// Values the model computes internally read the stored values. A species holds its damages in
// PoskozeniMN and SmazanyPoskozeniMN, created on first use and owned as children.
#pragma once

#include <cstdint>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TEtaz;
class TPoskozeniMN;

class TDrevina : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TDrevina)
  TDrevina();
  static void Define(std::vector<framework::TPropInfo>& out);

  const std::string& DR_ZKR() const { return dr_zkr_; }
  // Stores the code by the species-code rule and renames the element "DREV <code>".
  void SetDR_ZKR(const std::string& code);
  // Code-list values: the numeric code (-1 when unknown) and the conifer test.
  int32_t DR_KOD();
  bool Jehlicnaty() const;
  TEtaz* OwnerEtaz();

  // Stored values (with bark) and their published forms.
  int32_t ZAST() const { return zast_; }
  void SetZAST(int32_t share) { zast_ = share; }
  int32_t StoredVolume(int which) const { return volumes_[which]; }
  void SetStoredVolume(int which, int32_t value) { volumes_[which] = value; }
  int32_t PublishedVolume(int which) const;
  void SetPublishedVolume(int which, int32_t value);
  enum Volume { kZasTabHa = 0, kZasHa, kZasCel, kTo, kTv, kObjemHaTV, kVolumeCount };

  int32_t BON_R();
  void SetBON_A(int32_t value);
  // Mean stem volume: the stem volume function rounded to 0.01, under bark with the option.
  double HMOT();
  int32_t POCET_KMENUVypocteny();
  int32_t OBJ_SOUS() const;
  void SetOBJ_SOUS(int32_t volume);
  std::string IMISE();
  void SetIMISE(const std::string& text);
  int32_t VYB_STRInt() const;
  double RedukovanaPlochaDrDleZasoby();
  double RedukovanaPlochaDrevT0() const;
  int32_t DR_ZAS_CELzeZASTaZAKM();
  bool MamodrouBarvuVZasobach();
  std::string CeleOznaceni();

  TPoskozeniMN* PoskozeniMN();
  TPoskozeniMN* SmazanyPoskozeniMN();

 private:
  std::string dr_zkr_ = "   ";
  int32_t zast_ = 0;
  int32_t tloustka_ = 0;
  int32_t vyska_ = 0;
  int32_t bon_a_ = 0;
  int32_t bon_r_ = 0;
  int32_t bon_r_vyhl_ = 0;
  int32_t bon_a_vypoctena_ = 0;
  int32_t volumes_[kVolumeCount] = {};
  int32_t n_procento_tv_ = 0;
  int32_t pocet_kmenu_ = 0;
  double vycetni_zakladna_ = 0;
  std::string gen_klas_;
  std::string vyb_str_;
  std::string dr_puvod_;
  std::string imise_;
  int32_t proc_sous_ = 0;
  std::string dr_kval_;
  double vi_ = 0;
  int32_t metoda_prirustu_ = 0;
  double hk_ = 0;
  double volny_ = 0;
  double plocha_dreviny_ = 0;
  int32_t poc_jehl_ = 0;
  std::string zp_zad_zas_, dr_stav_zprac_, zp_zad_tv_, tv_stav_zprac_, zp_zad_to_, to_stav_zprac_;
  int32_t dr_tvyb_ = 0;
  std::string zdr_rep_;
  std::string gen_puvod_oblast_;
  int32_t gen_puvod_ = 0;
  int32_t rs_klon_ = 0;
  bool jedina_to_ = false;
  bool jedina_tv_ = false;
  framework::TElementRef poskozeni_;
  framework::TElementRef smazane_poskozeni_;
};

class TDrevinaMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TDrevinaMN)
  TDrevinaMN();
  static void Define(std::vector<framework::TPropInfo>& out);
  // Sums of DR_TV or DR_TO (published) over conifers or broadleaves.
  int32_t SumaTezby(bool thinning, bool conifers) const;
};

}  // namespace tarnik::plan
