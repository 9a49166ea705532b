#include "platform/name_index.h"

namespace tarnik::platform {

uint64_t NameIndex::Hash(std::string_view name) {
  // FNV-1a: names are a few bytes long, where it beats the hashes made for long texts.
  uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : name) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h ^ (h >> 29);
}

int NameIndex::Find(std::string_view name) const {
  if (slots_.empty()) return -1;
  const uint64_t h = Hash(name);
  const size_t mask = slots_.size() - 1;
  for (size_t i = h & mask;; i = (i + 1) & mask) {
    const int32_t at = slots_[i];
    if (at < 0) return -1;
    const Entry& e = entries_[static_cast<size_t>(at)];
    if (e.hash == h && e.name == name) return e.value;
  }
}

int NameIndex::Insert(std::string_view name, int value) {
  if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
  const uint64_t h = Hash(name);
  const size_t mask = slots_.size() - 1;
  for (size_t i = h & mask;; i = (i + 1) & mask) {
    const int32_t at = slots_[i];
    if (at < 0) {
      slots_[i] = static_cast<int32_t>(entries_.size());
      entries_.push_back({std::string(name), h, value});
      return value;
    }
    const Entry& e = entries_[static_cast<size_t>(at)];
    if (e.hash == h && e.name == name) return e.value;
  }
}

void NameIndex::Clear() {
  entries_.clear();
  slots_.clear();
}

void NameIndex::Grow() {
  // At most half full, so a probe ends soon.
  size_t size = slots_.empty() ? 16 : slots_.size() * 2;
  slots_.assign(size, -1);
  const size_t mask = size - 1;
  for (size_t k = 0; k < entries_.size(); ++k) {
    size_t i = entries_[k].hash & mask;
    while (slots_[i] >= 0) i = (i + 1) & mask;
    slots_[i] = static_cast<int32_t>(k);
  }
}

}  // namespace tarnik::platform
