#include "forest/hierarchy/lesni_prvek.h"

#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/prop_fields.h"
#include "platform/checked_math.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TEntity;
using framework::TPropDefs;
using framework::TPropInfo;

int32_t TreeSum(TObecnyLesniPrvek& e, const char* property) {
  return platform::ClampToInt32(e.SoucetPropertyVeStromu(property));
}

void Collect(TEntity& root, const std::vector<const char*>& class_names,
             std::vector<TElement*>& out, std::vector<TEntity*>& path);

void Visit(TElement* element, const std::vector<const char*>& class_names,
           std::vector<TElement*>& out, std::vector<TEntity*>& path) {
  for (const char* name : class_names) {
    if (IsOfClassNamed(*element, name)) {
      out.push_back(element);
      return;
    }
  }
  if (auto* composite = dynamic_cast<TLesniSlozenyPrvek*>(element))
    Collect(*composite, class_names, out, path);
}

void Collect(TEntity& root, const std::vector<const char*>& class_names,
             std::vector<TElement*>& out, std::vector<TEntity*>& path) {
  for (TEntity* on_path : path) {
    if (on_path == &root) return;  // a cycle
  }
  path.push_back(&root);
  for (TElement* child : root.Children()) {
    if (auto* set = dynamic_cast<TLesniMnozina*>(child)) {
      if (IsDeletedSet(*set)) continue;
      for (TElement* element : set->Prvky()) Visit(element, class_names, out, path);
    } else {
      Visit(child, class_names, out, path);
    }
  }
  path.pop_back();
}

const std::vector<const char*>& StockedAreaClasses() {
  static const std::vector<const char*> names = {"TPorostniSkupina", "TBezlesi", "TJinyPozemek"};
  return names;
}

double SumOf(TLesniSlozenyPrvek& e, const char* property) {
  std::vector<TElement*> elements;
  CollectBelow(e, StockedAreaClasses(), elements);
  double sum = 0;
  for (TElement* element : elements) {
    sum += NumericProperty(*element, property);
  }
  return sum;
}

}  // namespace

void TLesniPrvek::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<TLesniPrvek> d(out);
  StoredInteger(d, "KontrolaP0110", &TLesniPrvek::kontrola_p0110_);
  StoredBoolean(d, "JeNactenCely", &TLesniPrvek::je_nacten_cely_);
  d.Integer("ZasobaCelkem", &TLesniPrvek::ZasobaCelkem, nullptr);
  d.Integer("HektarovaZasobaCelkem", &TLesniPrvek::HektarovaZasobaCelkem, nullptr);
  d.Integer("SouseCelkem", &TLesniPrvek::SouseCelkem, nullptr);
  d.Integer("TezbyCelkem", &TLesniPrvek::TezbyCelkem, nullptr);
  d.Integer("TezbyVychovne", &TLesniPrvek::TezbyVychovne, nullptr);
  d.Object(
      "ciselKelva", TEntity::StaticClass(),
      [](TLesniPrvek& e) -> TElement* { return e.ciselKelvaOwnEnt(); }, nullptr);
  d.Object(
      "Kategorie1MN", TLesniMnozina::StaticClass(),
      [](TLesniPrvek& e) -> TElement* { return e.Kategorie1MN(); }, nullptr);
  d.Object(
      "ZvlStMN", TLesniMnozina::StaticClass(),
      [](TLesniPrvek& e) -> TElement* { return e.ZvlStMN(); }, nullptr);
  d.Object(
      "Org_UrovenMN", TLesniMnozina::StaticClass(),
      [](TLesniPrvek& e) -> TElement* { return e.Org_UrovenMN(); }, nullptr);
  d.Object(
      "SmazanyKategorie1MN", TLesniMnozina::StaticClass(),
      [](TLesniPrvek& e) -> TElement* { return e.SmazanyKategorie1MN(); }, nullptr);
  d.Object(
      "SmazanyZvlStMN", TLesniMnozina::StaticClass(),
      [](TLesniPrvek& e) -> TElement* { return e.SmazanyZvlStMN(); }, nullptr);
}

TARNIK_DEFINE_CLASS(TLesniPrvek, TObecnyLesniPrvek, &TLesniPrvek::DefineProperties)

TLesniPrvek::TLesniPrvek() {
  SetRId(-1);
  SetPuvodni_oznaceni(kNewDesignation);
}

int32_t TLesniPrvek::ZasobaCelkem() { return TreeSum(*this, "Etaz_ZAS_CELK"); }
int32_t TLesniPrvek::HektarovaZasobaCelkem() { return TreeSum(*this, "Etaz_ZAS_HA"); }
int32_t TLesniPrvek::SouseCelkem() { return TreeSum(*this, "Etaz_OBJ_SOUS"); }
int32_t TLesniPrvek::TezbyCelkem() { return TreeSum(*this, "Etaz_TO") + TreeSum(*this, "Etaz_TV"); }
int32_t TLesniPrvek::TezbyVychovne() { return TreeSum(*this, "Etaz_TV"); }

TLesniMnozina* TLesniPrvek::Kategorie1MN() {
  return ChildSetByClassName(*this, kategorie_, "TKategorie1MN", "Kategorie1MN");
}
TLesniMnozina* TLesniPrvek::ZvlStMN() {
  return ChildSetByClassName(*this, zvl_st_, "TZvlStMN", "ZvlStMN");
}
TLesniMnozina* TLesniPrvek::Org_UrovenMN() {
  return ChildSetByClassName(*this, org_uroven_, "TOrg_UrovenMN", "Org_UrovenMN");
}
TLesniMnozina* TLesniPrvek::SmazanyKategorie1MN() {
  return ChildSetByClassName(*this, smaz_kategorie_, "TKategorie1MN", "SmazanyKategorie1MN");
}
TLesniMnozina* TLesniPrvek::SmazanyZvlStMN() {
  return ChildSetByClassName(*this, smaz_zvl_st_, "TZvlStMN", "SmazanyZvlStMN");
}
TLesniMnozina* TLesniPrvek::SmazanyDalsiMN() {
  return ChildSetByClassName(*this, smaz_dalsi_, "TOrg_UrovenMN", "SmazanyDalsiMN");
}

void TLesniPrvek::SmazKategorii(TElement* category) {
  MoveToDeleted(*this, Kategorie1MN(), SmazanyKategorie1MN(), category);
}

void TLesniPrvek::SmazZvlSt(TElement* status) {
  MoveToDeleted(*this, ZvlStMN(), SmazanyZvlStMN(), status);
}

void TLesniPrvek::DeletedSets(std::vector<TLesniMnozina*>& out) {
  if (auto* s = ExistingChildSet(*this, smaz_kategorie_, "TKategorie1MN", "SmazanyKategorie1MN"))
    out.push_back(s);
  if (auto* s = ExistingChildSet(*this, smaz_zvl_st_, "TZvlStMN", "SmazanyZvlStMN"))
    out.push_back(s);
  if (auto* s = ExistingChildSet(*this, smaz_dalsi_, "TOrg_UrovenMN", "SmazanyDalsiMN"))
    out.push_back(s);
}

bool TLesniPrvek::MaSmazany() {
  std::vector<TLesniMnozina*> deleted;
  DeletedSets(deleted);
  for (TLesniMnozina* set : deleted) {
    if (set->PocetPrvku() > 0) return true;
  }
  return false;
}

void TLesniSlozenyPrvek::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<TLesniSlozenyPrvek> d(out);
  d.Float("PlochaPUPFL", &TLesniSlozenyPrvek::PlochaPUPFL, nullptr);
  d.Float("VymeraPUPFL", &TLesniSlozenyPrvek::VymeraPUPFL, nullptr);
}

TARNIK_DEFINE_CLASS(TLesniSlozenyPrvek, TLesniPrvek, &TLesniSlozenyPrvek::DefineProperties)

double TLesniSlozenyPrvek::PlochaPUPFL() { return SumOf(*this, "Plocha"); }
double TLesniSlozenyPrvek::VymeraPUPFL() { return SumOf(*this, "Vymera"); }

void MoveToDeleted(TObecnyLesniPrvek& holder, TLesniMnozina* live, TLesniMnozina* deleted,
                   TElement* element) {
  if (!element || !live || live->IndexOf(element) < 0) return;
  if (holder.BylNoveVytvoren() || !deleted) {
    live->FreeElement(element);
    return;
  }
  // Into the deleted set first, so the element always has a holder.
  deleted->AddElement(element);
  if (deleted->IndexOf(element) < 0) return;  // refused by the deleted set
  live->RemoveElement(element);
}

bool IsDeletedSet(const TElement& set) { return set.GetName().rfind("Smazany", 0) == 0; }

void CollectBelow(TEntity& root, const std::vector<const char*>& class_names,
                  std::vector<TElement*>& out) {
  std::vector<TEntity*> path;
  Collect(root, class_names, out, path);
}

}  // namespace tarnik::plan
