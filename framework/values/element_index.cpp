#include "framework/values/element_index.h"

#include <algorithm>

#include "framework/entity.h"
#include "framework/values/key_callbacks.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineElementIndex(std::vector<TPropInfo>& out) {
  TPropDefs<TElementIndex> d(out);
  d.Object("Entity", TElement::StaticClass(), nullptr, &TElementIndex::SetEntity);
  d.String(
      "Value", [](TElementIndex& self) { return self.Value(); }, &TElementIndex::SetValue);
  d.Object("Element", TElement::StaticClass(), &TElementIndex::Element, nullptr);
  d.Integer("Count", &TElementIndex::Count, nullptr);
  d.Integer("ElementIndex", &TElementIndex::ElementIndex, &TElementIndex::SetElementIndex);
  d.Boolean("Sorted", &TElementIndex::Sorted, &TElementIndex::SetSorted);
  d.Method(
      "OnAddElement", "TOnAddElement", [](TElementIndex& self) { return self.OnAddElement(); },
      [](TElementIndex& self, TMethod m) { self.SetOnAddElement(m); });
}

constexpr int kProgressStep = 100;

}  // namespace

TARNIK_DEFINE_CLASS(TElementIndex, TNameElement, DefineElementIndex)

size_t TElementIndex::LowerBound(const std::string& key) const {
  auto it = std::lower_bound(
      entries_.begin(), entries_.end(), key,
      [](const Entry& e, const std::string& k) { return platform::CompareTextCz(e.key, k) < 0; });
  return static_cast<size_t>(it - entries_.begin());
}

int TElementIndex::Find(const std::string& key) const {
  size_t pos = LowerBound(key);
  if (pos < entries_.size() && platform::CompareTextCz(entries_[pos].key, key) == 0) {
    return static_cast<int>(pos);
  }
  return -1;
}

void TElementIndex::AddElement(TElement* element) {
  if (!element) return;
  auto key = ComputeKey(on_add_, *element);
  if (!key) return;
  size_t pos = LowerBound(*key);
  if (pos < entries_.size() && platform::CompareTextCz(entries_[pos].key, *key) == 0) return;
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(pos), Entry{*key, element});
}

void TElementIndex::SetEntity(TElement* element) {
  auto* entity = dynamic_cast<TEntity*>(element);
  if (!entity) return;
  std::vector<TElementRef> children(entity->Children().begin(), entity->Children().end());
  long max = static_cast<long>(children.size());
  platform::Ui& ui = platform::ui();
  ui.Progress(0, max);
  // New entries are appended and merged in one sort; existing keys and earlier children win.
  size_t old_count = entries_.size();
  for (size_t i = 0; i < children.size(); ++i) {
    if (i > 0 && i % kProgressStep == 0) ui.Progress(static_cast<long>(i), max);
    TElement* child = children[i].Get();
    if (!child || (filter_ && !child->InheritsFrom(*filter_))) continue;
    if (auto key = ComputeKey(on_add_, *child)) entries_.push_back(Entry{*key, child});
  }
  if (entries_.size() != old_count) Sort();
  ui.Progress(0, 0);
}

void TElementIndex::Sort() {
  auto less = [](const Entry& a, const Entry& b) {
    return platform::CompareTextCz(a.key, b.key) < 0;
  };
  std::stable_sort(entries_.begin(), entries_.end(), less);
  auto last = std::unique(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return platform::CompareTextCz(a.key, b.key) == 0;
  });
  entries_.erase(last, entries_.end());
}

TElement* TElementIndex::Element() const {
  int pos = Find(value_);
  return pos < 0 ? nullptr : entries_[static_cast<size_t>(pos)].element.Get();
}

int TElementIndex::ElementIndex() const { return value_.empty() ? -1 : Find(value_); }

void TElementIndex::SetElementIndex(int index) {
  if (index < 0 || index >= Count()) return;
  value_ = entries_[static_cast<size_t>(index)].key;
}

}  // namespace tarnik::framework
