// The element: the base of every framework, forest-model and map object. An element has a class
// (with its published-property table), an ID, an optional name and a handle. Elements are heap
// objects freed by the last entity that holds them (entity.h) or by their creator; destroying an
// element removes it from every entity list it sits in, so no list ever keeps a dead pointer.
// Non-owning references to elements are TElementRef (handles.h). Single-threaded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/class_info.h"
#include "framework/handles.h"

namespace tarnik::framework {

class TEntity;
class TKelvaMessage;

class TElement {
 public:
  TElement() = default;
  virtual ~TElement();
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(const TClassInfo& c) const { return ClassType().InheritsFrom(c); }
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }

  int32_t ID() const { return id_; }
  void SetID(int32_t id) { id_ = id; }
  // The element's handle, given on first request.
  int32_t Handle();

  // Sizes (informative): the element alone, and the element with everything below it.
  virtual int64_t GetSize() const;
  int64_t GetWholeSize();
  virtual int64_t CountWholeSize();

  // The name; the class name for classes without a name or with an empty one.
  virtual std::string GetName() const;
  virtual void SetName(const std::string& name);
  virtual bool IsNameStored() const { return false; }

  // Owner bookkeeping; plain elements record no owners.
  virtual TEntity* GetOwner(int index) const;
  virtual void InsertOwner(int index, TEntity* owner);
  virtual int GetOwnersCount() const { return 0; }
  virtual void AddOwner(TEntity* owner);
  virtual void RemoveOwner(TEntity* owner);
  virtual bool HasOwner(const TEntity* owner) const;
  bool HasNoOwners() const { return GetOwnersCount() < 1; }
  virtual TElement* FindOwnerByClass(const TClassInfo& c) const;
  // Exact, case-sensitive comparison of the owners' names.
  virtual TElement* FindOwnerByName(std::string_view name) const;
  // Itself when of the class, else the first hit climbing through the owners (cycles end).
  TElement* FindUpByClass(const TClassInfo& c);
  // Whether `asker` (the entity about to let go of the element, may be nullptr) may free it: no
  // owner besides the asker, or every other owner allows it.
  virtual bool CanBeFreed(const TEntity* asker) const;

  virtual bool IsEmpty() const { return true; }
  // A new element of the same class named "Obálka: " + name (entities add their children).
  virtual TElement* CreateEnvelope();
  virtual void TouchAll() {}

  // Traversal stamp walks.
  void MarkAll();
  virtual void Mark();

  // Framework messages.
  virtual void HandleMessage(TKelvaMessage& message, bool& handled);
  virtual void PassToOwners(TKelvaMessage& message, bool& handled);
  void SendMsg(int32_t code, TElement* receiver, TElement* data);
  void PostMsg(int32_t code, TElement* receiver, TElement* data);
  void SendToOwners(int32_t code, TElement* data);
  void PostToOwners(int32_t code, TElement* data);
  void PostTextMessage(int32_t code, const std::string& text, TElement* receiver);

  // Path queries (path_query.cpp); errors raise EKelvaError with the Czech texts.
  std::string GetValueByPath(std::string_view path);
  std::vector<std::string> ListByPath(std::string_view path);
  TElement* FindByPath(std::string_view path);

  // Published properties by name, as text. Unknown names: empty text, writes ignored.
  virtual bool HasProperty(std::string_view name) const;
  virtual std::string GetPropertyText(std::string_view name);
  virtual void SetPropertyText(std::string_view name, const std::string& value);
  virtual int32_t GetPropertyInteger(std::string_view name);
  virtual void SetPropertyInteger(std::string_view name, int32_t value);
  virtual bool GetPropertyBoolean(std::string_view name);
  virtual void SetPropertyBoolean(std::string_view name, bool value);

  // The entities whose child lists hold this element (each occurrence once), owner-tracking or
  // not. Maintained by TEntity.
  const std::vector<TEntity*>& Holders() const { return holders_; }

  // FindUpByClass with the elements already visited (internal to the walk).
  virtual TElement* FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited);

 protected:
  // Owner lists shared by the owner-tracking classes.
  static TEntity* OwnerAt(const std::vector<TEntity*>& owners, int index);
  static void InsertOwnerInto(std::vector<TEntity*>& owners, int index, TEntity* owner);
  static void RemoveOwnerFrom(std::vector<TEntity*>& owners, TEntity* owner);
  static bool OwnersAllowFree(const std::vector<TEntity*>& owners, const TElement* element,
                              const TEntity* asker);
  static TElement* FindOwnerByClassIn(const std::vector<TEntity*>& owners, const TClassInfo& c);
  static TElement* FindOwnerByNameIn(const std::vector<TEntity*>& owners, std::string_view name);
  // Removes the element from its owners' lists through their RemoveElement, last owner first.
  void DetachFromOwners(std::vector<TEntity*>& owners);
  // Takes the element out of every list that still holds it (first step of destruction).
  void UnlinkFromAllHolders();

  enum Flag : uint8_t { kDestroying = 1, kInFreeAll = 2, kInTouch = 4, kInEnvelope = 8 };
  bool HasFlag(Flag f) const { return (flags_ & f) != 0; }
  void SetFlag(Flag f, bool on) {
    flags_ = static_cast<uint8_t>(on ? (flags_ | f) : (flags_ & ~f));
  }

 private:
  friend class TEntity;
  int32_t id_ = -1;
  int32_t handle_ = 0;
  uint8_t flags_ = 0;
  std::vector<TEntity*> holders_;
};

class TNameElement : public TElement {
 public:
  TARNIK_ELEMENT_CLASS(TNameElement)
  int64_t GetSize() const override;
  std::string GetName() const override;
  void SetName(const std::string& name) override { name_ = name; }
  bool IsNameStored() const override { return !name_.empty(); }
  const std::string& OwnName() const { return name_; }

 private:
  std::string name_;
};

class TOwnerElement : public TNameElement {
 public:
  TARNIK_ELEMENT_CLASS(TOwnerElement)
  ~TOwnerElement() override;
  TEntity* GetOwner(int index) const override { return OwnerAt(owners_, index); }
  void InsertOwner(int index, TEntity* owner) override { InsertOwnerInto(owners_, index, owner); }
  int GetOwnersCount() const override { return static_cast<int>(owners_.size()); }
  void AddOwner(TEntity* owner) override { owners_.push_back(owner); }
  void RemoveOwner(TEntity* owner) override { RemoveOwnerFrom(owners_, owner); }
  bool HasOwner(const TEntity* owner) const override;
  TElement* FindOwnerByClass(const TClassInfo& c) const override {
    return FindOwnerByClassIn(owners_, c);
  }
  TElement* FindOwnerByName(std::string_view name) const override {
    return FindOwnerByNameIn(owners_, name);
  }
  bool CanBeFreed(const TEntity* asker) const override {
    return OwnersAllowFree(owners_, this, asker);
  }

 protected:
  TElement* FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) override;

 private:
  std::vector<TEntity*> owners_;
};

// An alias names a target element it does not own.
class TAliasElement : public TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TAliasElement)
  TElement* Target() const { return target_.Get(); }
  void SetTarget(TElement* target) { target_ = target; }

 private:
  TElementRef target_;
};

// The element as a T when its class (in the class register's sense) is T or derives from it, else
// nullptr. The same answer as dynamic_cast for every registered class, whose register parent is
// its C++ base, without comparing type names; for lookups that test many elements.
template <class T>
T* ClassCast(TElement* element) {
  if (!element || !element->ClassType().InheritsFrom(T::StaticClass())) return nullptr;
  return static_cast<T*>(element);
}

}  // namespace tarnik::framework
