// An in-memory forest unit for the export tests: an LHC record, code lists and a list of
// compartments built on demand by functions, loaded one at a time into the LHC's compartment
// set as the real unit does; plus small builders of the model below a compartment.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forest/codelists/cisel_kelva.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/tree_species.h"
#include "framework/framework_classes.h"
#include "islh/export_unit.h"

namespace tarnik::islh::testunit {

inline void RegisterModelClasses() {
  framework::RegisterFrameworkClasses();
  plan::RegisterForestClasses();
  plan::RegisterHierarchyClasses();
  plan::RegisterLayerClasses();
}

class FakeExportUnit : public TExportUnit {
 public:
  using Builder = std::function<void(plan::TOddeleni&)>;

  std::unique_ptr<plan::TLHC> lhc = std::make_unique<plan::TLHC>();
  std::unique_ptr<plan::TCiselKelva> codes = std::make_unique<plan::TCiselKelva>();
  std::vector<std::pair<int, Builder>> compartments;
  std::vector<bool> progress_calls;  // the argument of every NactiDalsiOddeleni
  bool stuck = false;                // NactiDalsiOddeleni loads nothing
  size_t index = 0;

  void Add(int number, Builder build) { compartments.emplace_back(number, std::move(build)); }
  void AddCode(plan::TLesniMnozina* set, const std::string& key,
               std::initializer_list<std::pair<const char*, const char*>> values) {
    set->SetNovyPrvek(key);
    for (const auto& [name, value] : values) set->AktualniPrvek()->SetPropertyText(name, value);
  }

  plan::TLHC* LHC() override { return lhc.get(); }
  plan::TCiselKelva* CiselKelva() override { return codes.get(); }
  void ZnovuNacti() override {
    index = 0;
    Load();
  }
  bool JeKonec() override { return index + 1 >= compartments.size(); }
  void NactiDalsiOddeleni(bool show_progress) override {
    progress_calls.push_back(show_progress);
    if (stuck || index + 1 >= compartments.size()) return;
    ++index;
    Load();
  }

 private:
  void Load() {
    if (index >= compartments.size()) return;
    const auto& [number, build] = compartments[index];
    lhc->OddeleniMN()->UvolniVse();  // read anew, as from the data source
    lhc->OddeleniMN()->SetNovyPrvek(std::to_string(number));
    build(*lhc->Oddeleni());
  }
};

inline plan::TPorost* AddStand(plan::TOddeleni& c, const std::string& dil, const std::string& por) {
  plan::TDilec* dilec = c.DilecJmenem(dil);
  if (!dilec) {
    c.DilecMN()->SetNovyPrvek(dil);
    dilec = c.Dilec();
  }
  dilec->PorostMN()->SetNovyPrvek(por);
  plan::TPorost* stand = dilec->Porost();
  stand->SetPOR(por);
  return stand;
}

inline plan::TPorostniSkupina* AddGroup(plan::TPorost* stand, const std::string& psk,
                                        const std::string& lt = "5S") {
  stand->PorostniSkupinaMN()->SetNovyPrvek(psk);
  plan::TPorostniSkupina* group = stand->PorostniSkupina();
  group->SetPropertyText("PSK", psk);
  group->SetPropertyText("LT", lt);
  group->SetPlocha(1.25);
  return group;
}

inline plan::TEtaz* AddLayer(plan::TPorostniSkupina* group, const std::string& etaz, int hs) {
  group->EtazMN()->SetNovyPrvek(etaz);
  auto* layer = static_cast<plan::TEtaz*>(group->EtazMN()->AktualniPrvek());
  layer->SetETAZ(etaz);
  layer->SetPropertyText("HS", std::to_string(hs));
  return layer;
}

inline plan::TDrevina* AddSpecies(plan::TEtaz* layer, const std::string& code,
                                  const std::vector<std::string>& damages) {
  layer->DrevinaMN()->SetNovyPrvek(code);
  auto* species = static_cast<plan::TDrevina*>(layer->DrevinaMN()->AktualniPrvek());
  species->SetDR_ZKR(code);
  for (const std::string& kind : damages) {
    species->PoskozeniMN()->SetNovyPrvek(kind);
    species->PoskozeniMN()->AktualniPrvek()->SetPropertyText("POSKOZ_D", kind);
  }
  return species;
}

template <class T>
T* AddPlot(plan::TLesniMnozina* set, int number, int ku, double area) {
  set->SetNovyPrvekVzdy(std::to_string(number));
  auto* plot = static_cast<T*>(set->AktualniPrvek());
  plot->SetCislo(number);
  plot->SetKU_KOD(ku);
  plot->SetPlocha(area);
  plot->SetPlocha0(area);
  plot->SetVymera(area);
  return plot;
}

}  // namespace tarnik::islh::testunit
