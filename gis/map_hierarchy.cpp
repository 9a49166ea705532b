#include "gis/map_hierarchy.h"

#include <vector>

#include "framework/class_register.h"
#include "platform/text.h"
#include "spatial/area_element.h"

namespace tarnik::gis {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineGeometryElement(std::vector<TPropInfo>& out) {
  TPropDefs<TGeometryElement> d(out);
  d.Object(
      "Geometry", spatial::TRectEntity::StaticClass(),
      [](TGeometryElement& e) -> TElement* { return e.Geometry(); },
      [](TGeometryElement& e, TElement* g) { e.SetGeometry(g); });
  d.Boolean("NoGeometry", &TGeometryElement::NoGeometry, nullptr);
}

template <class T>
T* OwnerOf(const TElement& element) {
  return framework::ClassCast<T>(element.FindOwnerByClass(T::StaticClass()));
}

}  // namespace

TARNIK_DEFINE_CLASS(TGeometryElement, spatial::TRectEntity, DefineGeometryElement)
TARNIK_DEFINE_CLASS(TForestUnit, TGeometryElement, nullptr)
TARNIK_DEFINE_CLASS(TLHC, TForestUnit, nullptr)
TARNIK_DEFINE_CLASS(TOddeleni, TForestUnit, nullptr)
TARNIK_DEFINE_CLASS(TDilec, TForestUnit, nullptr)
TARNIK_DEFINE_CLASS(TPorost, TForestUnit, nullptr)
TARNIK_DEFINE_CLASS(TPorostniSkupina, TForestUnit, nullptr)
TARNIK_DEFINE_CLASS(TEtaz, TForestUnit, nullptr)

spatial::TRectEntity* TGeometryElement::FindGeometry() const {
  return framework::ClassCast<spatial::TRectEntity>(FindElementByName(kGeometryName));
}

spatial::TRectEntity* TGeometryElement::Geometry() {
  if (spatial::TRectEntity* g = FindGeometry()) return g;
  auto* g = new spatial::TRectEntity();
  g->SetName(kGeometryName);
  AddElement(g);
  return g;
}

void TGeometryElement::SetGeometry(TElement* geometry) {
  TElement* former = FindElementByName(kGeometryName);
  if (former == geometry && geometry) return;
  if (former) FreeElement(former);
  if (!geometry) return;
  geometry->SetName(kGeometryName);
  AddElement(geometry);
}

TLHC* TOddeleni::GetLHC() const { return OwnerOf<TLHC>(*this); }

TOddeleni* TDilec::GetOddeleni() const { return OwnerOf<TOddeleni>(*this); }
TLHC* TDilec::GetLHC() const {
  TOddeleni* o = GetOddeleni();
  return o ? o->GetLHC() : nullptr;
}

TDilec* TPorost::GetDilec() const { return OwnerOf<TDilec>(*this); }
TOddeleni* TPorost::GetOddeleni() const {
  TDilec* d = GetDilec();
  return d ? d->GetOddeleni() : nullptr;
}
TLHC* TPorost::GetLHC() const {
  TDilec* d = GetDilec();
  return d ? d->GetLHC() : nullptr;
}

TPorost* TPorostniSkupina::GetPorost() const { return OwnerOf<TPorost>(*this); }
TDilec* TPorostniSkupina::GetDilec() const {
  TPorost* p = GetPorost();
  return p ? p->GetDilec() : nullptr;
}
TOddeleni* TPorostniSkupina::GetOddeleni() const {
  TPorost* p = GetPorost();
  return p ? p->GetOddeleni() : nullptr;
}
TLHC* TPorostniSkupina::GetLHC() const {
  TPorost* p = GetPorost();
  return p ? p->GetLHC() : nullptr;
}

void RegisterMapHierarchyClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  // The base classes have names of their own; the levels share theirs with the plan.
  framework::RegisterElementClass<TGeometryElement>();
  framework::RegisterElementClass<TForestUnit>();
  for (const framework::TClassInfo* c :
       {&TLHC::StaticClass(), &TOddeleni::StaticClass(), &TDilec::StaticClass(),
        &TPorost::StaticClass(), &TPorostniSkupina::StaticClass(), &TEtaz::StaticClass()}) {
    framework::RegisterContextClass(framework::kMapContext, *c);
  }
}

namespace {

void RenameWithoutBlanks(TElement& element) {
  std::string name = element.GetName();
  std::string cleaned = platform::RemoveBlanks(name);
  if (cleaned != name) element.SetName(cleaned);
}

void RemoveBlanksInto(TElement* element, std::vector<const TElement*>& path) {
  auto* entity = dynamic_cast<framework::TEntity*>(element);
  if (!entity) return;
  for (const TElement* p : path)
    if (p == element) return;  // a child list leading back
  path.push_back(element);
  for (TElement* child : std::vector<TElement*>(entity->Children())) {
    if (framework::ClassCast<TPorostniSkupina>(child)) {
      RenameWithoutBlanks(*child);
      continue;
    }
    if (framework::ClassCast<TOddeleni>(child) || framework::ClassCast<TDilec>(child) ||
        framework::ClassCast<TPorost>(child)) {
      RenameWithoutBlanks(*child);
    }
    RemoveBlanksInto(child, path);
  }
  path.pop_back();
}

}  // namespace

void RemoveBlanksBelow(TElement* hierarchy) {
  std::vector<const TElement*> path;
  RemoveBlanksInto(hierarchy, path);
}

}  // namespace tarnik::gis
