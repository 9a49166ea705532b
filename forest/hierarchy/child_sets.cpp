#include "forest/hierarchy/child_sets.h"

#include "framework/class_register.h"
#include "platform/numtext.h"

namespace tarnik::plan {
namespace {

using framework::TClassInfo;
using framework::TElement;

bool ClassIsNamed(const TClassInfo* info, std::string_view name) {
  for (; info; info = info->Parent()) {
    if (info->Name() == name) return true;
  }
  return false;
}

TLesniMnozina* Adopt(TObecnyLesniPrvek& holder, const char* set_class, const char* name) {
  for (TElement* child : holder.Children()) {
    if (child->GetName() == name && ClassIsNamed(&child->ClassType(), set_class)) {
      if (auto* set = dynamic_cast<TLesniMnozina*>(child)) return set;
    }
  }
  return nullptr;
}

}  // namespace

TLesniMnozina* ExistingChildSet(TObecnyLesniPrvek& holder, framework::TElementRef& slot,
                                const char* set_class, const char* name) {
  if (auto* set = framework::ClassCast<TLesniMnozina>(slot.Get())) return set;
  TLesniMnozina* set = Adopt(holder, set_class, name);
  if (set) slot = set;
  return set;
}

TLesniMnozina* ChildSetByClassName(TObecnyLesniPrvek& holder, framework::TElementRef& slot,
                                   const char* set_class, const char* name) {
  if (TLesniMnozina* set = ExistingChildSet(holder, slot, set_class, name)) return set;
  const TClassInfo* info = framework::FindElementClass(set_class);
  if (!info) return nullptr;
  return ChildSetOfClass(holder, slot, *info, name);
}

TLesniMnozina* ChildSetOfClass(TObecnyLesniPrvek& holder, framework::TElementRef& slot,
                               const TClassInfo& set_class, const char* name) {
  if (TLesniMnozina* set = ExistingChildSet(holder, slot, set_class.Name().c_str(), name))
    return set;
  if (!set_class.InheritsFrom(TLesniMnozina::StaticClass())) return nullptr;
  TElement* created = set_class.Create();
  auto* set = dynamic_cast<TLesniMnozina*>(created);
  if (!set) {
    delete created;
    return nullptr;
  }
  set->SetName(name);
  holder.AddElement(set);
  slot = set;
  return set;
}

bool IsOfClassNamed(const TElement& element, std::string_view class_name) {
  return ClassIsNamed(&element.ClassType(), class_name);
}

double NumericProperty(TElement& element, std::string_view name) {
  const framework::TPropInfo* prop = element.ClassType().Find(name);
  if (!prop) return 0;
  try {
    if (prop->kind == framework::TTypeKind::tkFloat && prop->get_float)
      return prop->get_float(element);
    if (prop->IsOrdinal() && prop->get_ord) return static_cast<double>(prop->get_ord(element));
  } catch (const std::exception&) {
    return 0;
  }
  return platform::DecimalTextToFloat(element.GetPropertyText(name));
}

TLesniMnozina* HoldingSet(const TElement& element) {
  for (int i = 0; i < element.GetOwnersCount(); ++i) {
    if (auto* set = dynamic_cast<TLesniMnozina*>(element.GetOwner(i))) return set;
  }
  return nullptr;
}

void RenameByKey(TElement& element, const std::string& key, const char* fallback_prefix) {
  if (TLesniMnozina* set = HoldingSet(element)) {
    element.SetName(set->NameForKey(key));
  } else {
    element.SetName(std::string(fallback_prefix) + " " + key);
  }
}

int CountIn(const TLesniMnozina* set) { return set ? set->PocetPrvku() : 0; }

}  // namespace tarnik::plan
