#include "forest/layers/work_records.h"

#include <fmt/format.h>

#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/layers/layer.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TRadekLHEvidence, TObecnyLesniPrvek, &TRadekLHEvidence::Define)
TARNIK_DEFINE_CLASS(TRadekLHEvidenceMN, TLesniMnozina, nullptr)

void TRadekLHEvidence::Define(std::vector<framework::TPropInfo>& out) {
  using P = TRadekLHEvidence;
  framework::TPropDefs<P> d(out);
  d.Integer("ODD", TARNIK_FIELD(&P::odd));
  d.String("DIL", TARNIK_FIELD(&P::dil));
  d.String("POR", TARNIK_FIELD(&P::por));
  d.String("PSK", TARNIK_FIELD(&P::psk));
  d.String("ETAZ", TARNIK_FIELD(&P::etaz));
  d.String("OddDilPorPskEtMinus", &P::OddDilPorPskEtMinus, nullptr);
  d.Integer("ROK", TARNIK_FIELD(&P::rok));
  d.String("DRUH_VYKONU", TARNIK_FIELD(&P::druh_vykonu));
  d.Float("PLOCHA", TARNIK_FIELD(&P::plocha));
  d.Integer("OBJEM", TARNIK_FIELD(&P::objem));
}

std::string TRadekLHEvidence::OddDilPorPskEtMinus() const {
  return fmt::format("{:04d}", odd) + dil + por + psk + etaz;
}

TRadekLHEvidenceMN::TRadekLHEvidenceMN() : TLesniMnozina(TRadekLHEvidence::StaticClass(), "LHE") {}

std::string KlicLHEvidence(TEtaz& layer) {
  auto* compartment = layer.VlastnikTridy<TOddeleni>();
  auto* dilec = layer.VlastnikTridy<TDilec>();
  auto* stand = layer.VlastnikTridy<TPorost>();
  auto* group = layer.VlastnikTridy<TPorostniSkupina>();
  return fmt::format("{:04d}", compartment ? compartment->ODD() : 0) +
         (dilec ? dilec->DIL() : std::string()) + (stand ? stand->POR() : std::string()) +
         (group ? group->PSK() : std::string()) + layer.ETAZ();
}

TRadekLHEvidenceMN* EvidenceJednotky(TEtaz& layer) {
  framework::TElement* at = &layer;
  for (int depth = 0; at && depth < 64; ++depth) {
    if (auto* entity = dynamic_cast<framework::TEntity*>(at)) {
      for (framework::TElement* child : entity->Children()) {
        auto* list = dynamic_cast<TRadekLHEvidenceMN*>(child);
        if (list && list->GetName() == "LHEvidenceMN") return list;
      }
    }
    at = at->GetOwnersCount() > 0 ? at->GetOwner(0) : nullptr;
  }
  return nullptr;
}

void NaplnLHEvidenci(TEtaz& layer, TRadekLHEvidenceMN& target) {
  TRadekLHEvidenceMN* unit = EvidenceJednotky(layer);
  if (!unit || unit == &target) return;
  const std::string key = KlicLHEvidence(layer);
  unit->VyberPodleHodnoty("OddDilPorPskEtMinus", key, target);
  target.SetAktualniPrvek(nullptr);
  auto* current = dynamic_cast<TRadekLHEvidence*>(unit->AktualniPrvek());
  if (current && current->OddDilPorPskEtMinus() == key && target.ObsahujePrvek(current))
    target.SetAktualniPrvek(current);
}

}  // namespace tarnik::plan
