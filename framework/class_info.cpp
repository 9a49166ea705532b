#include "framework/class_info.h"

#include <algorithm>
#include <array>

#include "framework/element.h"
#include "platform/text.h"

namespace tarnik::framework {
namespace {

int CompareAsciiNoCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(a[i]);
    unsigned char cb = static_cast<unsigned char>(b[i]);
    if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 32);
    if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 32);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

bool TPropInfo::HasReader() const {
  switch (kind) {
    case TTypeKind::tkFloat:
      return static_cast<bool>(get_float);
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      return static_cast<bool>(get_str);
    case TTypeKind::tkClass:
      return static_cast<bool>(get_obj);
    case TTypeKind::tkMethod:
      return static_cast<bool>(get_method);
    default:
      return static_cast<bool>(get_ord);
  }
}

bool TPropInfo::HasWriter() const {
  switch (kind) {
    case TTypeKind::tkFloat:
      return static_cast<bool>(set_float);
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      return static_cast<bool>(set_str);
    case TTypeKind::tkClass:
      return static_cast<bool>(set_obj);
    case TTypeKind::tkMethod:
      return static_cast<bool>(set_method);
    default:
      return static_cast<bool>(set_ord);
  }
}

bool TPropInfo::IsOrdinal() const {
  return kind == TTypeKind::tkInteger || kind == TTypeKind::tkChar ||
         kind == TTypeKind::tkEnumeration || kind == TTypeKind::tkSet ||
         kind == TTypeKind::tkInt64 || kind == TTypeKind::tkWChar;
}

bool TPropInfo::IsStoredFor(TElement& element) const {
  switch (stored) {
    case TStoredKind::kTrue:
      return true;
    case TStoredKind::kFalse:
      return false;
    case TStoredKind::kTest:
      return stored_test ? stored_test(element) : true;
  }
  return true;
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, TCreateFn create,
                       DefineFn define)
    : name_(std::move(name)), parent_(parent), create_(create) {
  static unsigned classes_made = 0;
  class_bit_ = uint64_t{1} << (classes_made++ % 64);
  lineage_ = class_bit_ | (parent_ ? parent_->lineage_ : 0);
  if (parent_) props_ = parent_->props_;
  if (define) {
    std::vector<TPropInfo> own;
    define(own);
    for (TPropInfo& p : own) {
      auto same = std::find_if(props_.begin(), props_.end(), [&](const TPropInfo& q) {
        return CompareAsciiNoCase(q.name, p.name) == 0;
      });
      if (same != props_.end()) {
        *same = std::move(p);
      } else {
        props_.push_back(std::move(p));
      }
    }
  }
  index_.reserve(props_.size());
  for (size_t i = 0; i < props_.size(); ++i) {
    index_.emplace_back(platform::UpperAscii(props_[i].name), static_cast<int>(i));
  }
  std::sort(index_.begin(), index_.end());
  exact_.Clear();
  for (size_t i = 0; i < props_.size(); ++i) exact_.Insert(props_[i].name, static_cast<int>(i));
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    if (c == &other) return true;
  }
  return false;
}

int TClassInfo::IndexOf(std::string_view name) const {
  // Readers and writers name properties by literals, again and again for every element: a small
  // table keyed by the class and the text's address answers before the text is hashed. A hit is
  // checked against the property's own name, so a reused address never answers wrongly.
  struct Recent {
    const TClassInfo* info = nullptr;
    const char* data = nullptr;
    size_t size = 0;
    int index = -1;
  };
  constexpr size_t kSlots = 2048;  // the classes and names of a compartment, with room
  thread_local std::array<Recent, kSlots> recent{};
  const auto address = reinterpret_cast<uintptr_t>(name.data());
  const auto self = reinterpret_cast<uintptr_t>(this);
  // Literals lie a few bytes apart: every bit of the address counts (Fibonacci hashing).
  const uint64_t mixed = (address ^ (self << 17) ^ (name.size() << 7)) * 0x9E3779B97F4A7C15ULL;
  Recent& slot = recent[static_cast<size_t>(mixed >> 53)];  // 2^11 = kSlots
  static_assert(kSlots == size_t{1} << 11);
  if (slot.info == this && slot.data == name.data() && slot.size == name.size() &&
      static_cast<size_t>(slot.index) < props_.size() && props_[slot.index].name == name)
    return slot.index;
  if (const int hit = exact_.Find(name); hit >= 0) {
    slot = {this, name.data(), name.size(), hit};
    return hit;
  }
  auto it = std::lower_bound(index_.begin(), index_.end(), name,
                             [](const std::pair<std::string, int>& entry, std::string_view key) {
                               return CompareAsciiNoCase(entry.first, key) < 0;
                             });
  if (it != index_.end() && CompareAsciiNoCase(it->first, name) == 0) return it->second;
  return -1;
}

}  // namespace tarnik::framework
