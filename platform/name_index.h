// An exact (case-sensitive) map from short names to small numbers, for the look-ups done again
// and again while reading and writing (property names, column names, class names): one flat
// open-addressed table, a cheap hash, no allocation per look-up. The first number given to a
// name stays. Not thread-safe; the caller owns it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::platform {

class NameIndex {
 public:
  // The number of `name`, or -1.
  int Find(std::string_view name) const;
  // Gives `name` the number `value` unless it has one; answers the number it has then.
  int Insert(std::string_view name, int value);
  void Clear();
  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string name;
    uint64_t hash;
    int value;
  };
  static uint64_t Hash(std::string_view name);
  void Grow();

  std::vector<Entry> entries_;
  std::vector<int32_t> slots_;  // indexes into entries_, -1 when free; size a power of two
};

}  // namespace tarnik::platform
