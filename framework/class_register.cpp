#include "framework/class_register.h"

#include <exception>
#include <map>
#include <utility>

#include "framework/errors.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineKelvaClass(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaClass> d(out);
  d.String("ElementClassName", &TKelvaClass::ElementClassName, nullptr);
  d.String("AncestorClassName", &TKelvaClass::AncestorClassName, nullptr);
  d.Integer("PropCount", &TKelvaClass::PropCount, nullptr);
}

void DefineKelvaClassProperty(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaClassProperty> d(out);
  d.Integer("PropIndex", &TKelvaClassProperty::PropIndex, &TKelvaClassProperty::SetPropIndex);
  d.Integer("TypeKind", &TKelvaClassProperty::TypeKind, &TKelvaClassProperty::SetTypeKind);
  d.Boolean("LostProperty", &TKelvaClassProperty::LostProperty,
            &TKelvaClassProperty::SetLostProperty);
}

void DefineKelvaClasses(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaClasses> d(out);
  d.Boolean("ShowProperties", &TKelvaClasses::ShowProperties, &TKelvaClasses::SetShowProperties);
  d.Boolean("SortByName", &TKelvaClasses::SortByName, &TKelvaClasses::SetSortByName);
}

TKelvaClasses* g_register = nullptr;
TOwnerEntity* g_register_keeper = nullptr;  // keeps the register alive whoever else holds it

}  // namespace

TARNIK_DEFINE_CLASS(TKelvaClass, TOwnerEntity, DefineKelvaClass)
TARNIK_DEFINE_CLASS(TKelvaClassProperty, TNameElement, DefineKelvaClassProperty)
TARNIK_DEFINE_CLASS(TKelvaInstance, TKelvaClass, nullptr)
TARNIK_DEFINE_CLASS(TKelvaClasses, TOwnerEntity, DefineKelvaClasses)

void TKelvaClass::SetInfo(const TClassInfo* info) {
  info_ = info;
  SetName(info ? info->Name() : std::string());
}

const TPropInfo* TKelvaClass::PropAt(int i) const {
  if (!info_ || i < 0 || i >= info_->PropCount()) return nullptr;
  return &info_->Properties()[static_cast<size_t>(i)];
}

std::string TKelvaClass::PropertyName(int i) const {
  const TPropInfo* p = PropAt(i);
  return p ? p->name : std::string();
}

TTypeKind TKelvaClass::PropertyKind(int i) const {
  const TPropInfo* p = PropAt(i);
  return p ? p->kind : TTypeKind::tkUnknown;
}

bool TKelvaClass::IsPropertyStored(int i) {
  if (!info_) return true;
  const TPropInfo* p = PropAt(i);
  return !p || p->DeclaredStored();
}

bool TKelvaClass::IsReadOrWriteOnly(int i) const {
  if (!info_) return true;
  const TPropInfo* p = PropAt(i);
  return !p || !p->HasReader() || !p->HasWriter();
}

const TClassInfo* TKelvaClass::PropertyClass(int i) const {
  const TPropInfo* p = PropAt(i);
  return p && p->kind == TTypeKind::tkClass ? p->RefClass() : nullptr;
}

int TKelvaClass::IndexOfProperty(std::string_view name) const {
  if (!info_) return -1;
  int i = info_->IndexOf(name);
  if (i >= 0) return i;
  const auto& props = info_->Properties();
  for (size_t k = 0; k < props.size(); ++k) {
    if (platform::SameTextCz(props[k].name, name)) return static_cast<int>(k);
  }
  return -1;
}

void TKelvaClass::ListProperties() {
  FreeAll();
  if (!info_) return;
  const auto& props = info_->Properties();
  for (size_t k = 0; k < props.size(); ++k) {
    auto* p = new TKelvaClassProperty();
    p->SetName(props[k].name);
    p->SetPropIndex(static_cast<int>(k));
    p->SetTypeKind(static_cast<int>(props[k].kind));
    p->SetDescriptor(&props[k]);
    AddElement(p);
  }
}

void TKelvaInstance::SetInstance(TElement* object) {
  instance_ = object;
  SetInfo(object ? &object->ClassType() : nullptr);
}

bool TKelvaInstance::IsPropertyStored(int i) {
  TElement* object = Instance();
  const TPropInfo* p = PropAt(i);
  if (!object || !p) return TKelvaClass::IsPropertyStored(i);
  return p->IsStoredFor(*object);
}

TRawValue TKelvaInstance::GetRawValue(int i) {
  TElement* object = Instance();
  const TPropInfo* p = PropAt(i);
  if (!object || !p) return {};
  return framework::GetRawValue(*object, *p);
}

void TKelvaInstance::SetRawValue(int i, const TRawValue& value) {
  TElement* object = Instance();
  const TPropInfo* p = PropAt(i);
  if (object && p) framework::SetRawValue(*object, *p, value);
}

void TKelvaClasses::FindIndex(std::string_view name, bool* found, int* position) const {
  const auto& entries = Children();
  *found = false;
  int count = static_cast<int>(entries.size());
  if (count == 0) {
    *position = 0;
    return;
  }
  auto cmp = [&](int i) {
    return platform::CompareTextCz(name, entries[static_cast<size_t>(i)]->GetName());
  };
  int last = count - 1;
  int c = cmp(last);
  if (c > 0) {
    *position = count;
    return;
  }
  if (c == 0) {
    *found = true;
    *position = last;
    return;
  }
  if (count == 1) {
    *position = 0;
    return;
  }
  c = cmp(0);
  if (c <= 0) {
    *found = c == 0;
    *position = 0;
    return;
  }
  int low = 0;
  int high = last;
  while (high - low > 1) {
    int mid = low + (high - low) / 2;
    c = cmp(mid);
    if (c < 0) {
      high = mid;
    } else if (c > 0) {
      low = mid;
    } else {
      *found = true;
      *position = mid;
      return;
    }
  }
  *position = high;
}

TKelvaClass* TKelvaClasses::RegisterClass(const TClassInfo& info) {
  auto* entry = new TKelvaClass();
  entry->SetInfo(&info);
  if (show_properties_) entry->ListProperties();
  AddClassEntry(entry);
  return entry;
}

void TKelvaClasses::AddClassEntry(TKelvaClass* entry) {
  if (!entry) return;
  bool found = false;
  int position = 0;
  FindIndex(entry->GetName(), &found, &position);
  entry->SetID(next_number_++);
  if (position >= GetCount()) {
    AddElement(entry);
  } else {
    InsertElement(position, entry);
  }
  last_ = entry;
}

TKelvaClass* TKelvaClasses::FindClassEntry(std::string_view name) {
  if (found_version_ != ChildrenVersion() || found_.size() > 4096) {
    found_.Clear();
    found_version_ = ChildrenVersion();
  }
  int position = found_.Find(name);
  if (position < 0) {
    bool found = false;
    FindIndex(name, &found, &position);
    if (!found) return nullptr;
    found_.Insert(name, position);
  }
  auto* entry = static_cast<TKelvaClass*>(Children()[static_cast<size_t>(position)]);
  last_ = entry;
  return entry;
}

TKelvaClasses& ClassRegister() {
  if (!g_register) {
    g_register_keeper = new TOwnerEntity();
    g_register_keeper->SetName("ClassRegisterKeeper");
    g_register = new TKelvaClasses();
    g_register->SetName("ObjectClasses");
    g_register->SetShowProperties(true);
    g_register_keeper->AddElement(g_register);
  }
  return *g_register;
}

void RegisterElementClass(const TClassInfo& info) { ClassRegister().RegisterClass(info); }

TKelvaClass* FindClassEntry(std::string_view name) { return ClassRegister().FindClassEntry(name); }

namespace {

std::string g_context;

// Context → upper-cased class name → class.
std::map<std::string, std::map<std::string, const TClassInfo*>>& ContextClasses() {
  static auto* classes = new std::map<std::string, std::map<std::string, const TClassInfo*>>();
  return *classes;
}

const TClassInfo* ContextClass(std::string_view name) {
  if (g_context.empty()) return nullptr;
  auto context = ContextClasses().find(g_context);
  if (context == ContextClasses().end()) return nullptr;
  auto it = context->second.find(platform::UpperCz(std::string(name)));
  return it == context->second.end() ? nullptr : it->second;
}

}  // namespace

void RegisterContextClass(std::string_view context, const TClassInfo& info) {
  ContextClasses()[std::string(context)][platform::UpperCz(info.Name())] = &info;
}

const std::string& CurrentClassContext() { return g_context; }

TClassContextScope::TClassContextScope(std::string context) : previous_(std::move(g_context)) {
  g_context = std::move(context);
}

TClassContextScope::~TClassContextScope() { g_context = std::move(previous_); }

const TClassInfo* FindElementClass(std::string_view name) {
  if (const TClassInfo* info = ContextClass(name)) return info;
  TKelvaClass* entry = FindClassEntry(name);
  return entry ? entry->Info() : nullptr;
}

const TClassInfo& GetElementClass(std::string_view name) {
  const TClassInfo* info = FindElementClass(name);
  if (!info) throw EClassNotFound("Kelva nenašel třídu " + std::string(name));
  return *info;
}

void AddClassEntry(TKelvaClass* entry) { ClassRegister().AddClassEntry(entry); }

TElement* CreateElementByClassName(std::string_view name) {
  const TClassInfo* info = FindElementClass(name);
  if (!info) info = FindElementClass("T" + std::string(name));
  if (!info) {
    platform::ui().ShowMessage("Neregistrovaný element: " + std::string(name),
                               platform::Severity::kPassedOver);
    return nullptr;
  }
  try {
    return info->Create();
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace tarnik::framework
