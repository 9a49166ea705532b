// Shared pieces of the layer-level model classes (layers, species, afforestation rows, damages,
// land, categories, statuses, multi-valued codes): the base class they derive from, field
// accessors for the property tables, the lookups of the element above a set and of code-list
// names, and the lazily created child sets. Nothing here owns anything beyond what the holder
// adds as its own child.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "forest/forest_element.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/lesni_prvek.h"
#include "framework/handles.h"

namespace tarnik::plan {

// The base of the layer-level classes (layers, species, rows, damages, categories, statuses,
// levels).
using TLayerElementBase = TLesniPrvek;

// Static accessors of a data member, usable as getter and setter in TPropDefs.
template <auto M>
struct Field;
template <class C, class T, T C::*M>
struct Field<M> {
  using Arg = std::conditional_t<std::is_same_v<T, std::string>, const std::string&, T>;
  static T Get(C& c) { return c.*M; }
  static void Set(C& c, Arg value) { c.*M = value; }
};
#define TARNIK_FIELD(member) &Field<member>::Get, &Field<member>::Set

// Marks an element created during this run (RId -1, Puvodni_oznaceni "+-=+-=").
void MarkAsNew(TObecnyLesniPrvek& element);

// The forest element that holds the set of the given class holding `element` (the stand group
// of a layer, the stand of a category, ...); nil when the element is not in such a set or the
// set has no forest holder.
TObecnyLesniPrvek* HolderAboveSet(TObecnyLesniPrvek& element, const framework::TClassInfo& set);

// A description from the element's code list; the not-found markers of the code lists, "*zz1*"
// + code when the element reaches no code list.
std::string CodeListName(TObecnyLesniPrvek& element, const std::string& list,
                         const std::string& code, const std::string& result_column = "POPIS",
                         const std::string& key_column = "KOD");
// Whether the code is in the list (true when the element reaches no code list, as an unchecked
// value).
bool CodeListHas(TObecnyLesniPrvek& element, const std::string& list, const std::string& code,
                 const std::string& key_column = "KOD");

// Renames an element to prefix + " " + key.
void RenameToKey(framework::TElement& element, std::string_view prefix, std::string_view key);

// The child set of type S held by `holder` through `ref`, named `name`: an existing child of
// that name and class (a model read from a file) is adopted, else the set is created and added.
template <class S>
S* OwnChildSet(framework::TEntity& holder, framework::TElementRef& ref, const char* name) {
  if (auto* existing = ref.As<S>()) return existing;
  for (framework::TElement* child : holder.Children()) {
    if (child->Is<S>() && child->GetName() == name) {
      ref = child;
      return static_cast<S*>(child);
    }
  }
  auto* created = new S();
  created->SetName(name);
  holder.AddElement(created);
  ref = created;
  return created;
}

// The integer property of an element read as text (0 for nil or non-numbers), and a double.
int32_t IntProperty(framework::TElement* element, std::string_view name);
double FloatProperty(framework::TElement* element, std::string_view name);
std::string TextProperty(framework::TElement* element, std::string_view name);

}  // namespace tarnik::plan
