// The bases of the stand hierarchy. TLesniPrvek: a forest element of the plan with the sets of
// categories, special statuses and organisational levels (used on stands) and their deleted
// sets, the subtree sums of growing stock and fellings, and the edit bookkeeping of a new
// element (RId -1, Puvodni_oznaceni "+-=+-="). TLesniSlozenyPrvek: an element made of other
// elements, with the stocked-area sums over its subtree. The sets are owned children created on
// first access; their classes belong to another model part and are created by name (nil until
// registered).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forest/forest_element.h"
#include "forest/forest_set.h"
#include "framework/handles.h"

namespace tarnik::plan {

class TLesniPrvek : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesniPrvek)
  TLesniPrvek();

  int32_t KontrolaP0110() const { return kontrola_p0110_; }
  void SetKontrolaP0110(int32_t value) { kontrola_p0110_ = value; }
  bool JeNactenCely() const { return je_nacten_cely_; }
  void SetJeNactenCely(bool value) { je_nacten_cely_ = value; }

  // Subtree sums of the layers' values (m³), rounded half to even.
  int32_t ZasobaCelkem();
  int32_t HektarovaZasobaCelkem();
  int32_t SouseCelkem();
  int32_t TezbyCelkem();
  int32_t TezbyVychovne();

  // The child sets (created on first access; nil while their classes are not registered).
  TLesniMnozina* Kategorie1MN();
  TLesniMnozina* ZvlStMN();
  TLesniMnozina* Org_UrovenMN();
  TLesniMnozina* SmazanyKategorie1MN();
  TLesniMnozina* SmazanyZvlStMN();
  TLesniMnozina* SmazanyDalsiMN();

  // Deleting a category or a special status: moved into the deleted set, or freed when this
  // holder is new itself.
  void SmazKategorii(framework::TElement* category);
  void SmazZvlSt(framework::TElement* status);

  bool MaSmazany() override;

 protected:
  // The deleted sets that exist, for MaSmazany; descendants append theirs.
  virtual void DeletedSets(std::vector<TLesniMnozina*>& out);

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);

  int32_t kontrola_p0110_ = 0;
  bool je_nacten_cely_ = true;
  framework::TElementRef kategorie_, zvl_st_, org_uroven_;
  framework::TElementRef smaz_kategorie_, smaz_zvl_st_, smaz_dalsi_;
};

class TLesniSlozenyPrvek : public TLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesniSlozenyPrvek)

  // Sums of Plocha (Vymera) of the stand groups, non-forest plots and other plots below the
  // element, through every composite element; other land and deleted sets are not counted.
  double PlochaPUPFL();
  double VymeraPUPFL();

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
};

// Moves an element from a live set into its deleted set (`holder` new: frees it instead).
void MoveToDeleted(TObecnyLesniPrvek& holder, TLesniMnozina* live, TLesniMnozina* deleted,
                   framework::TElement* element);
// Whether a child set is one of the deleted sets (named "Smazany...").
bool IsDeletedSet(const framework::TElement& set);
// The live elements of the kinds of `class_names` below `root`: children and the elements of the
// child sets, walking down through every composite element (deleted sets skipped).
void CollectBelow(framework::TEntity& root, const std::vector<const char*>& class_names,
                  std::vector<framework::TElement*>& out);

}  // namespace tarnik::plan
