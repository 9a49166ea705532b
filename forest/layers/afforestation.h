// An afforestation row of a layer (TZalesneni, ISLH element ZAL) and the afforestation set of a
// layer (TZalesneniMN, prefix "ZAL"), with the rules that keep the rows' areas consistent with
// the layer's afforestation area. Held by the layer's sets; freed with them.
#pragma once

#include <cstdint>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TEtaz;

class TZalesneni : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TZalesneni)
  TZalesneni();
  static void Define(std::vector<framework::TPropInfo>& out);

  std::string ZAL_DR() const;  // trimmed
  // Stores the code by the species-code rule and renames the element "ZAL <code>".
  void SetZAL_DR(const std::string& code);
  const std::string& ZAL_DRUH() const { return zal_druh_; }
  void SetZAL_DRUH(const std::string& kind) { zal_druh_ = kind; }
  double ZAL_P() const { return zal_p_; }
  void SetZAL_P(double area) { zal_p_ = area; }
  int32_t ZAL_DR_P() const { return zal_dr_p_; }
  void SetZAL_DR_P(int32_t share) { zal_dr_p_ = share; }
  bool Jehlicnaty() const;
  // The species counts as soil-improving for the layer's site and dominant species (the
  // built-in table; the management-set tables are not consulted).
  bool ZAL_DRjeMelioracni();
  TEtaz* OwnerEtaz();
  std::string CeleOznaceni();

  // The completion step after the row was filled from a list (XML loader, attribute lists):
  // an empty area is taken from the layer's share, the kind from the layer, and the layer's
  // rows are balanced when their shares add up to 100.
  void DoplnPoNacteni();

 private:
  std::string zal_dr_ = "   ";
  std::string zal_druh_;
  double zal_p_ = 0;
  int32_t zal_dr_p_ = 0;
  int32_t zp_zad_zal_ = 0;
};

class TZalesneniMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TZalesneniMN)
  TZalesneniMN();
  static void Define(std::vector<framework::TPropInfo>& out);

  std::vector<TZalesneni*> Rows() const;
  double PlochaZalesneni() const;
  // Spreads the area over the rows by their shares; the first row of the largest share takes
  // up the rounding difference. Rows changed by more than 0.001 are marked edited.
  void SetPlochaZalesneni(double area);
  int32_t ProcentoZalesneni() const;
  double Plocha(bool conifers) const;
  // Export preparation: frees the rows whose species is blank.
  void OdstranPrazdna();
};

}  // namespace tarnik::plan
