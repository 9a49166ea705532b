// TElementIndex: a sorted index of elements by a text key. Keys compare case-insensitively under
// the Czech rules; a key already present is not added again (the element first stored stays).
// The index holds its elements by handle only: an element destroyed meanwhile reads as nil.
// The key of an element comes from the OnAddElement callback (key_callbacks.h); at creation it
// is the element's name followed by its "SPACEID" text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/element.h"

namespace tarnik::framework {

class TElementIndex : public TNameElement {
 public:
  TARNIK_ELEMENT_CLASS(TElementIndex)

  // Adds every child of the entity that passes the class filter, with a progress window whose
  // maximum is the child count, updated every 100 children. Non-entities add nothing.
  void SetEntity(TElement* entity);
  // Adds one element under its key; nothing while OnAddElement is unset or for nil.
  void AddElement(TElement* element);

  const std::string& Value() const { return value_; }
  void SetValue(const std::string& value) { value_ = value; }
  // The element stored under Value; nil when absent (or destroyed).
  TElement* Element() const;
  int Count() const { return static_cast<int>(entries_.size()); }
  // Position of Value, -1 when absent or empty; writing sets Value to the key at that position
  // (a position outside the list changes nothing).
  int ElementIndex() const;
  void SetElementIndex(int index);
  const std::string& KeyAt(int index) const { return entries_.at(static_cast<size_t>(index)).key; }

  // The list is always sorted; both leave it so.
  bool Sorted() const { return true; }
  void SetSorted(bool) { Sort(); }
  void Sort();

  const TMethod& OnAddElement() const { return on_add_; }
  void SetOnAddElement(const TMethod& method) { on_add_ = method; }
  // Only elements of this class or a descendant are added from an entity; nil: all.
  const TClassInfo* ClassFilter() const { return filter_; }
  void SetClassFilter(const TClassInfo* filter) { filter_ = filter; }

 private:
  struct Entry {
    std::string key;
    TElementRef element;
  };
  // Position of the first key not less than `key`.
  size_t LowerBound(const std::string& key) const;
  int Find(const std::string& key) const;

  std::vector<Entry> entries_;
  std::string value_;
  const TClassInfo* filter_ = nullptr;
  TMethod on_add_{1, 0};
};

}  // namespace tarnik::framework
