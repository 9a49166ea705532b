// TPorostniSkupina: a stand group, the areal unit of the plan, keyed by its normalised PSK. It
// owns the sets of its layers (and the deleted ones) and its parcel parts; those classes belong
// to another model part and are created by name. Values over the layers are read through the
// layers' published properties. Edits that must recompute the layers call the layer-recompute
// hook, which the layer part installs (none installed: nothing is recomputed).
// TPorostniSkupinaMN: the stand's group set (prefix "SKUP"), which normalises the keys it is given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forest/hierarchy/plosny_prvek.h"

namespace tarnik::plan {

class TPorost;
class TPorostniSkupina;

// Recomputes the layers of a group after its area changed; `with_volumes` also recomputes the
// per-layer volumes. Installed by the layer part; nullptr clears it.
using LayerRecomputeHook = void (*)(TPorostniSkupina& group, bool with_volumes);
void SetLayerRecomputeHook(LayerRecomputeHook hook);

class TPorostniSkupina : public TLesniPlosnyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TPorostniSkupina)

  const std::string& PSK() const { return psk_; }
  // Normalises and stores the designation, renaming the element; refused (with a message) when
  // another group of the set already has it.
  void SetPSK(const std::string& text);
  // Stores an already normalised designation without renaming (for a set creating the group).
  void AdoptPSK(const std::string& psk) { psk_ = psk; }
  std::string PSK_XML() const;

  void SetPSK_P(double area);
  void SetPSK_P_MERK(double area);
  std::string PSK_P_XML() const;
  void SetPSK_P_XML(const std::string& text);
  void SetPSK_KVAL(int32_t kval_p, bool with_volumes);

  std::string CeleOznaceni();
  std::string CeleOznaceniKratce();
  TPorost* Porost();

  const std::string& PSK_TEXT() const { return psk_text_; }
  void SetPSK_TEXT(const std::string& v) { psk_text_ = v; }
  bool JePritomenNMD_DTO() const;
  std::string NMD_Text() const;
  std::string DTO_Text() const;
  std::string Poznamka_Text() const;

  int32_t PocetCasti() const { return pocet_casti_; }
  void SetPocetCasti(int32_t v) { pocet_casti_ = v; }
  std::string PocetCastiSlovne() const;

  int32_t SRAFA() const { return srafa_; }
  void SetSRAFA(int32_t v) { srafa_ = v; }
  double Pl_Zasahu_P0135() const;
  void SetPl_Zasahu_P0135(double area);

  // Values over the layers.
  std::vector<framework::TElement*> Etaze();
  int32_t CelZakmZEtazi();
  double SumOverLayers(const char* property);
  std::string PSKzEtazi3();
  std::string PSKzEtaziProKont1();
  int32_t PocetRadkuProPlanPece();

  TLesniMnozina* EtazMN();
  TLesniMnozina* SmazanyEtazMN();
  TLesniMnozina* CastParcelyMN();

 protected:
  void DeletedSets(std::vector<TLesniMnozina*>& out) override;

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  double* InterventionField();

  std::string psk_, psk_nactene_, hosp_tvar_, ter_typ_, terenni_skupina_, dan_, psk_text_;
  int32_t prib_vzd_ = 0, uzivatel_ = 0, olhi_ = 0, hosp_zp_ = 0;
  int32_t srafa_ = 0, zpusob_p0135_ = 0, pocet_casti_ = 0, rok_sum_ = 0;
  double proc_p0135_ = 0, proc_to_p0135_ = 0;
  // The planned-intervention areas chosen by SRAFA (TO_P_P0135 and four unnamed ones).
  double zasah_p0135_[5] = {0, 0, 0, 0, 0};
  std::string stare_ozn_, face_, botan_lok_, segm_vyv_, txt_nepis_, rso_, typ_manag_;
  std::string kod_prir_stan_, biotop_, revize_, prioritni_, stup_priroz_;
  framework::TElementRef etaze_, smazane_etaze_, casti_parcel_;
};

class TPorostniSkupinaMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TPorostniSkupinaMN)
  TPorostniSkupinaMN();
  void SetNovyPrvek(const std::string& key) override;
  void SetNovyPrvekVzdy(const std::string& key) override;
  void SetJmenoAktualnihoPrvku(const std::string& key) override;
};

}  // namespace tarnik::plan
