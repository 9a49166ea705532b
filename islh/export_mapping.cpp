#include "islh/export_mapping.h"

#include <algorithm>
#include <string_view>

#include "forest/codelists/cisel_kelva.h"
#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/export_preparation.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/mzd_list.h"
#include "forest/layers/parcel_part.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "islh/ascii_names.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {

using framework::TElement;
using plan::TLesniMnozina;

plan::TOddeleni* TExportUnit::AktualniOddeleni() {
  plan::TLHC* lhc = LHC();
  return lhc ? lhc->Oddeleni() : nullptr;
}

namespace {

struct KindName {
  std::string_view name;
  int kind;
};

void Snapshot(TExportMappingCursor& c, TLesniMnozina& set) {
  c.set = &set;
  const std::vector<TElement*> elements = set.Prvky();
  c.items.assign(elements.begin(), elements.end());
}

template <class T>
T* As(TElement* element) {
  return dynamic_cast<T*>(element);
}

}  // namespace

void TExportMapping::ZnovuNacti() { unit_.ZnovuNacti(); }

TElement* TExportMapping::LhcRecord() { return unit_.LHC(); }

void TExportMapping::MovedAll() {
  ++moves_;
  moved_at_.fill(moves_);
}

TExportMapping::Kind TExportMapping::Parent(Kind kind) const {
  switch (kind) {
    case POR:
      return DIL;
    case KAT:
    case PSK:
    case BZL:
    case JP:
    case OP:
      return POR;
    case ETZ:
    case CPP:
      return PSK;
    case CPB:
      return BZL;
    case CPJ:
      return parcels_of_other_land_ ? OP : JP;
    case DRV:
    case ZAL:
      return ETZ;
    case POS:
      return DRV;
    default:
      return kKindCount;
  }
}

void TExportMapping::ResetIterator() {
  MovedAll();
  for (Cursor& c : cursors_) c = Cursor{};
  first_compartment_ = true;
  parcels_of_other_land_ = false;
}

void TExportMapping::RozvinMZDHospSoub() {
  MovedAll();
  if (plan::TCiselKelva* codes = unit_.CiselKelva()) plan::RozvinMZDHospSoub(*codes);
}

TElement* TExportMapping::NextObject(const std::string& element_name) {
  static constexpr KindName kNames[] = {{"HS", HS},   {"SCHU", SCHU}, {"OU1", OU1}, {"OU2", OU2},
                                        {"OLH", OLH}, {"MZD", MZD},   {"DIL", DIL}, {"POR", POR},
                                        {"KAT", KAT}, {"PSK", PSK},   {"BZL", BZL}, {"JP", JP},
                                        {"OP", OP},   {"ETZ", ETZ},   {"CPP", CPP}, {"CPB", CPB},
                                        {"CPJ", CPJ}, {"DRV", DRV},   {"ZAL", ZAL}, {"POS", POS}};
  if (SameAsciiNoCase(element_name, "LHC")) return unit_.LHC();
  if (SameAsciiNoCase(element_name, "ODD")) return NextCompartment();
  for (const KindName& k : kNames)
    if (SameAsciiNoCase(element_name, k.name)) return Step(static_cast<Kind>(k.kind));
  return nullptr;
}

TElement* TExportMapping::CurrentObject(const std::string& element_name) {
  static constexpr KindName kNames[] = {{"DIL", DIL}, {"POR", POR}, {"PSK", PSK}, {"BZL", BZL},
                                        {"JP", JP},   {"OP", OP},   {"ETZ", ETZ}};
  if (SameAsciiNoCase(element_name, "LHC")) return unit_.LHC();
  if (SameAsciiNoCase(element_name, "ODD")) return unit_.AktualniOddeleni();
  for (const KindName& k : kNames)
    if (SameAsciiNoCase(element_name, k.name)) return Current(static_cast<Kind>(k.kind));
  return nullptr;
}

TLesniMnozina* TExportMapping::SourceSet(Kind kind) {
  plan::TCiselKelva* codes = nullptr;
  if (kind <= MZD) {
    codes = unit_.CiselKelva();
    if (!codes) return nullptr;
  }
  switch (kind) {
    case HS:
      return codes->CisHsMN();
    case SCHU:
      return codes->CisSCHUMN();
    case OU1:
      return codes->OrgUrMN(1);
    case OU2:
      return codes->OrgUrMN(2);
    case OLH:
      return codes->OLHMN();
    case MZD:
      return codes->MZDHospSoubMN();
    case DIL: {
      plan::TOddeleni* compartment = unit_.AktualniOddeleni();
      return compartment ? compartment->DilecMN() : nullptr;
    }
    case POR: {
      auto* dilec = As<plan::TDilec>(Current(DIL));
      return dilec ? dilec->PorostMN() : nullptr;
    }
    case KAT:
    case PSK:
    case BZL:
    case JP:
    case OP: {
      auto* stand = As<plan::TPorost>(Current(POR));
      if (!stand) return nullptr;
      if (kind == KAT) return stand->Kategorie1MN();
      if (kind == PSK) return stand->PorostniSkupinaMN();
      if (kind == BZL) return stand->BezlesiMN();
      if (kind == JP) return stand->JinyPozemekMN();
      return stand->OstatniMN();
    }
    case ETZ:
    case CPP: {
      auto* group = As<plan::TPorostniSkupina>(Current(PSK));
      if (!group) return nullptr;
      return kind == ETZ ? group->EtazMN() : group->CastParcelyMN();
    }
    case CPB:
    case CPJ: {
      Kind owner = kind == CPB ? BZL : (parcels_of_other_land_ ? OP : JP);
      auto* plot = As<plan::TLesniPlosnyNeporostniPrvek>(Current(owner));
      return plot ? plot->CastParcelyMN() : nullptr;
    }
    case DRV:
    case ZAL: {
      auto* layer = As<plan::TEtaz>(Current(ETZ));
      if (!layer) return nullptr;
      if (kind == DRV) return layer->DrevinaMN();
      return layer->ZalesneniMN();
    }
    case POS: {
      auto* species = As<plan::TDrevina>(Current(DRV));
      return species ? species->PoskozeniMN() : nullptr;
    }
    case kKindCount:
      break;
  }
  return nullptr;
}

TElement* TExportMapping::Current(Kind kind) {
  Cursor& c = cursors_[kind];
  if (c.position < 0) return nullptr;
  uint64_t moved = 0;
  for (Kind k = kind; k != kKindCount; k = Parent(k)) moved = std::max(moved, moved_at_[k]);
  if (found_at_[kind] > moved) return found_[kind].Get();
  TElement* found = Find(kind);
  found_[kind] = found;
  found_at_[kind] = ++moves_;
  return found;
}

TElement* TExportMapping::Find(Kind kind) {
  Cursor& c = cursors_[kind];
  // The position counts within the current parent: a parent that changed without restarting
  // this kind gives the element at the same position among its own elements.
  TLesniMnozina* set = SourceSet(kind);
  if (!set) return nullptr;
  if (c.set.Get() != set) Snapshot(c, *set);
  if (c.position >= static_cast<int>(c.items.size())) return nullptr;
  return c.items[static_cast<size_t>(c.position)].Get();
}

TElement* TExportMapping::Step(Kind kind) {
  TElement* element = Advance(kind);
  Moved(kind);
  return element;
}

TElement* TExportMapping::Advance(Kind kind) {
  Moved(kind);
  Cursor& c = cursors_[kind];
  TLesniMnozina* set = SourceSet(kind);
  if (set && (c.position < 0 || c.set.Get() != set)) Snapshot(c, *set);
  if (set) {
    while (c.position + 1 < static_cast<int>(c.items.size())) {
      ++c.position;
      if (TElement* element = c.items[static_cast<size_t>(c.position)].Get()) {
        Taken(kind);
        return element;
      }
    }
  }
  // These kinds return to "before the first" after their last element.
  switch (kind) {
    case JP:
    case OP:
    case ETZ:
    case CPP:
    case CPB:
    case CPJ:
    case DRV:
    case ZAL:
    case POS:
      c = Cursor{};
      break;
    default:
      break;
  }
  return nullptr;
}

void TExportMapping::Restart(std::initializer_list<Kind> kinds) {
  for (Kind k : kinds) {
    cursors_[k] = Cursor{};
    Moved(k);
  }
}

void TExportMapping::Taken(Kind kind) {
  switch (kind) {
    case DIL:
      Restart({POR, KAT, PSK, ETZ});
      break;
    case POR:
      Restart({KAT, PSK, BZL, JP, OP, ETZ});
      break;
    case PSK:
      Restart({ETZ, CPP});
      break;
    case BZL:
      Restart({ETZ, CPB});
      break;
    case JP:
    case OP:
      parcels_of_other_land_ = kind == OP;
      Restart({ETZ, CPJ});
      break;
    case ETZ:
      Restart({DRV, ZAL});
      break;
    case DRV:
      Restart({POS});
      break;
    default:
      break;
  }
}

TElement* TExportMapping::NextCompartment() {
  if (!first_compartment_ && unit_.JeKonec()) return nullptr;
  plan::TOddeleni* candidate = nullptr;
  MovedAll();  // the compartment goes, and every element with it
  do {
    if (!first_compartment_) {
      plan::TOddeleni* leaving = unit_.AktualniOddeleni();
      if (progress_line_) {
        platform::ui().SetStatus("exportuji oddělění " +
                                 (leaving ? std::to_string(leaving->ODD()) : std::string()));
      }
      framework::TElementRef before(leaving);
      unit_.NactiDalsiOddeleni(true);
      // A unit that could not load a further compartment keeps the one it had: the walk ends
      // there instead of yielding that compartment again.
      if (before.Get() && unit_.AktualniOddeleni() == before.Get()) return nullptr;
    }
    first_compartment_ = false;
    candidate = unit_.AktualniOddeleni();
    // A unit without compartments yields none.
    if (!candidate) return nullptr;
    PrepareCompartment(*candidate);
    MovedAll();
  } while (plan::CountIn(candidate->DilecMN()) == 0 && !unit_.JeKonec());
  if (forest::Flags().sestavit_mzd) CollectMzdKeys(*candidate);
  Restart({DIL, POR, PSK, KAT, ETZ});
  return candidate;
}

void TExportMapping::PrepareCompartment(plan::TOddeleni& compartment) {
  plan::NastavAktualniCastiParcel(compartment);
  plan::SlucStejnePlochy(compartment);
  plan::DoplnKategorii10(compartment);
  plan::OdstranPrazdnaZalesneni(compartment);
  if (forest::Flags().smaz_zvl_st) plan::OdstranNeexportovaneZvlSt(compartment);
  plan::TLHC* lhc = unit_.LHC();
  if (!lhc || !lhc->ExportProLCR()) plan::OdstranPrazdnePorosty(compartment);
  MovedAll();  // elements went away
}

void TExportMapping::CollectMzdKeys(plan::TOddeleni& compartment) {
  plan::TCiselKelva* codes = unit_.CiselKelva();
  if (!codes) return;
  plan::TMZDHospSoubMN* list = codes->MZDHospSoubMN();
  for (const plan::MzdKey& key : plan::KliceMZDPodleHS(compartment))
    plan::PridejKlicMZD(*list, key.cislo_hs, key.lt_slt);
}

}  // namespace tarnik::islh
