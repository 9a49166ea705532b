// Records of performed work (TRadekLHEvidence, set TRadekLHEvidenceMN, prefix "LHE"): rows of
// the unit's work record list, keyed by "OddDilPorPskEtMinus" (compartment number zero-padded to
// four digits + DIL + POR + PSK + ETAZ, as stored). A layer's own set refers to the unit's rows
// of that layer; the unit's list (a TRadekLHEvidenceMN named "LHEvidenceMN" held by an element
// above the layer) owns them and is expected sorted by the key.
#pragma once

#include <cstdint>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TEtaz;

class TRadekLHEvidence : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TRadekLHEvidence)
  static void Define(std::vector<framework::TPropInfo>& out);
  std::string OddDilPorPskEtMinus() const;

  int32_t odd = 0;
  std::string dil, por, psk, etaz;
  int32_t rok = 0;          // year of the work
  std::string druh_vykonu;  // kind of work
  double plocha = 0;        // area, ha
  int32_t objem = 0;        // volume, m³
};

class TRadekLHEvidenceMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TRadekLHEvidenceMN)
  TRadekLHEvidenceMN();
};

// The key of a layer's rows.
std::string KlicLHEvidence(TEtaz& layer);
// The unit's work record list above the layer; nil when there is none.
TRadekLHEvidenceMN* EvidenceJednotky(TEtaz& layer);
// Fills a layer's new set: the unit's rows of the layer, none current except the unit's current
// row when it is one of them.
void NaplnLHEvidenci(TEtaz& layer, TRadekLHEvidenceMN& target);

}  // namespace tarnik::plan
