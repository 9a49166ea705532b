// The class register: every creatable element class by name, with its property table. One
// register exists per process; it is filled by the libraries' registration functions at start
// (RegisterFrameworkClasses and its peers) and lives to the end of the process. Lookups compare
// names case-insensitively under the Czech rules.
#pragma once

#include <string>
#include <string_view>

#include "framework/entity.h"
#include "framework/property_text.h"
#include "platform/name_index.h"

namespace tarnik::framework {

class TKelvaClassProperty;

// One registered class (or, for the model stream, one class table read from a file).
class TKelvaClass : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaClass)
  // The class described; nullptr for entries without a running class.
  const TClassInfo* Info() const { return info_; }
  void SetInfo(const TClassInfo* info);

  std::string ElementClassName() const { return info_ ? info_->Name() : std::string(); }
  std::string AncestorClassName() const {
    return info_ && info_->Parent() ? info_->Parent()->Name() : std::string();
  }
  int PropCount() const { return info_ ? info_->PropCount() : 0; }

  std::string PropertyName(int i) const;
  TTypeKind PropertyKind(int i) const;
  // The class-level stored flag; TKelvaInstance evaluates the test on its object instead.
  virtual bool IsPropertyStored(int i);
  bool IsReadOrWriteOnly(int i) const;
  const TClassInfo* PropertyClass(int i) const;
  int IndexOfProperty(std::string_view name) const;
  // Frees the children, then adds one TKelvaClassProperty per property.
  void ListProperties();

 protected:
  const TPropInfo* PropAt(int i) const;

 private:
  const TClassInfo* info_ = nullptr;
};

class TKelvaClassProperty : public TNameElement {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaClassProperty)
  int PropIndex() const { return prop_index_; }
  void SetPropIndex(int i) { prop_index_ = i; }
  int TypeKind() const { return static_cast<int>(kind_); }
  void SetTypeKind(int k) { kind_ = static_cast<TTypeKind>(k & 0xFF); }
  bool LostProperty() const { return lost_; }
  void SetLostProperty(bool lost) { lost_ = lost; }
  int MatchIndex() const { return match_index_; }
  void SetMatchIndex(int i) { match_index_ = i; }
  const TPropInfo* Descriptor() const { return descriptor_; }
  void SetDescriptor(const TPropInfo* d) { descriptor_ = d; }

 private:
  int prop_index_ = 0;
  int match_index_ = -1;
  bool lost_ = false;
  TTypeKind kind_ = TTypeKind::tkUnknown;
  const TPropInfo* descriptor_ = nullptr;
};

// The property table of one object together with the object (not owned).
class TKelvaInstance : public TKelvaClass {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaInstance)
  void SetInstance(TElement* object);
  TElement* Instance() const { return instance_.Get(); }
  bool IsPropertyStored(int i) override;
  TRawValue GetRawValue(int i);
  void SetRawValue(int i, const TRawValue& value);

 private:
  TElementRef instance_;
};

class TKelvaClasses : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaClasses)
  bool ShowProperties() const { return show_properties_; }
  void SetShowProperties(bool v) { show_properties_ = v; }
  bool SortByName() const { return sort_by_name_; }
  void SetSortByName(bool v) { sort_by_name_ = v; }

  // Found position and insertion position of a name in the sorted entries.
  void FindIndex(std::string_view name, bool* found, int* position) const;
  TKelvaClass* RegisterClass(const TClassInfo& info);
  void AddClassEntry(TKelvaClass* entry);
  TKelvaClass* FindClassEntry(std::string_view name);
  TKelvaClass* LastEntry() const { return last_.As<TKelvaClass>(); }

 private:
  TElementRef last_;
  // Names found before → their position, while the entries stay as they were.
  platform::NameIndex found_;
  uint64_t found_version_ = ~uint64_t{0};
  bool show_properties_ = false;
  bool sort_by_name_ = false;
  int32_t next_number_ = 0;
};

// Names shared by two classes. A class registered for a context (RegisterContextClass) is not an
// entry of the register: its name creates the register's class of that name everywhere except
// while that context is entered (TClassContextScope), when it creates the context's class. So
// the plan's TLHC ... TEtaz are created by their names in stored models and scripts, and the
// map's classes of the same names only while the map is read and grouped (context "MAPA").
inline constexpr const char* kMapContext = "MAPA";
void RegisterContextClass(std::string_view context, const TClassInfo& info);
// The context entered now; empty outside every scope.
const std::string& CurrentClassContext();
// Enters a context for its lifetime (scopes nest; leaving restores the previous context).
class TClassContextScope {
 public:
  explicit TClassContextScope(std::string context);
  ~TClassContextScope();
  TClassContextScope(const TClassContextScope&) = delete;
  TClassContextScope& operator=(const TClassContextScope&) = delete;

 private:
  std::string previous_;
};

// The process-wide register (created on first use with ShowProperties set).
TKelvaClasses& ClassRegister();

void RegisterElementClass(const TClassInfo& info);
template <class T>
void RegisterElementClass() {
  RegisterElementClass(T::StaticClass());
}
TKelvaClass* FindClassEntry(std::string_view name);
// The class of the current context when one is registered for the name there, else the entry's.
const TClassInfo* FindElementClass(std::string_view name);
// Raises EClassNotFound "Kelva nenašel třídu " + name.
const TClassInfo& GetElementClass(std::string_view name);
void AddClassEntry(TKelvaClass* entry);
// A new element of the named class (also tried with a "T" prefix); an unknown name shows
// "Neregistrovaný element: " + name and answers nil, as does a failing constructor.
TElement* CreateElementByClassName(std::string_view name);

}  // namespace tarnik::framework
