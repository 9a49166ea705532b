#include "forest/unit/unit_summary.h"

#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "forest/unit/lesni_celek.h"

namespace tarnik::plan {
namespace {

template <class T>
std::vector<T*> Elements(TLesniMnozina* set) {
  std::vector<T*> out;
  if (!set) return out;
  for (framework::TElement* element : set->Prvky()) {
    if (auto* typed = dynamic_cast<T*>(element)) out.push_back(typed);
  }
  return out;
}

}  // namespace

CompartmentCounts CountCompartment(TOddeleni& compartment) {
  CompartmentCounts counts;
  counts.odd = compartment.ODD();
  for (TDilec* dilec : Elements<TDilec>(compartment.DilecMN())) {
    ++counts.sub_compartments;
    for (TPorost* stand : Elements<TPorost>(dilec->PorostMN())) {
      ++counts.stands;
      for (TPorostniSkupina* group : Elements<TPorostniSkupina>(stand->PorostniSkupinaMN())) {
        ++counts.stand_groups;
        for (TEtaz* layer : Elements<TEtaz>(group->EtazMN())) {
          ++counts.layers;
          counts.species += static_cast<int>(Elements<TDrevina>(layer->DrevinaMN()).size());
        }
      }
    }
  }
  return counts;
}

UnitSummary SummariseUnit(TLesniCelek& unit) {
  UnitSummary summary;
  summary.source_kind = unit.TypZdroje();
  TLHC* lhc = unit.LHC();
  if (TOddeleni* first = lhc->Oddeleni()) summary.compartments.push_back(CountCompartment(*first));
  // A compartment that fails to read is reported by the unit and passed over; the walk still
  // ends because the unit moves past it.
  while (!unit.JeKonec()) {
    if (!unit.NactiDalsiOddeleni(false)) continue;
    if (TOddeleni* next = lhc->Oddeleni()) summary.compartments.push_back(CountCompartment(*next));
  }
  summary.read_as = unit.JakBylNacten();
  summary.lhc_kod = lhc->LHC_KOD();
  summary.lhc_naz = lhc->LHC_NAZ();
  return summary;
}

}  // namespace tarnik::plan
