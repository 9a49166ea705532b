// Child sets of the hierarchy's holders: each holder keeps a non-owning slot per kind of child;
// the set is created on first access, named after its field and added as a child of the holder,
// which then owns it like any child. A slot that is empty but whose holder already has a child
// of that name and class (a model read from a file) adopts that child. Set classes of other model
// parts are created through the class register by name, so a holder never depends on their
// headers; while such a class is not registered, the slot answers nil.
#pragma once

#include <string>

#include "forest/forest_element.h"
#include "forest/forest_set.h"
#include "framework/handles.h"

namespace tarnik::plan {

// The set of the slot, created when missing; nil when the set class is not registered.
TLesniMnozina* ChildSetByClassName(TObecnyLesniPrvek& holder, framework::TElementRef& slot,
                                   const char* set_class, const char* name);
// The set of the slot if it exists already (never creates).
TLesniMnozina* ExistingChildSet(TObecnyLesniPrvek& holder, framework::TElementRef& slot,
                                const char* set_class, const char* name);

// The same for a set class known here.
TLesniMnozina* ChildSetOfClass(TObecnyLesniPrvek& holder, framework::TElementRef& slot,
                               const framework::TClassInfo& set_class, const char* name);
template <class S>
S* ChildSet(TObecnyLesniPrvek& holder, framework::TElementRef& slot, const char* name) {
  return static_cast<S*>(ChildSetOfClass(holder, slot, S::StaticClass(), name));
}

// Whether the element's class is the named class or derives from it (no registration needed).
bool IsOfClassNamed(const framework::TElement& element, std::string_view class_name);

// A numeric property of an element: a float property read as it is, any other as its text read
// by the decimal-text rule (0 for an unreadable text or an unknown property).
double NumericProperty(framework::TElement& element, std::string_view name);

// The first holder of the element that is a forest set; nil when none.
TLesniMnozina* HoldingSet(const framework::TElement& element);
// Renames the element to the holding set's prefix + " " + key, or `fallback_prefix` + " " + key
// when no set holds it.
void RenameByKey(framework::TElement& element, const std::string& key, const char* fallback_prefix);

// Number of elements of a set that may be absent.
int CountIn(const TLesniMnozina* set);

}  // namespace tarnik::plan
