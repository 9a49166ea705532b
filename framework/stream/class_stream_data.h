// Per-class data of the old model format ("TPF0"): what a class writes into its record after the
// part every element writes (class name, number, children, name). A library registers a writer
// and a reader for a class once at start; a class without its own uses its nearest ancestor's.
// The reader gets the stream positioned after the common part; its reads check every length
// (StreamFormatError at the end of the input) and whatever it throws stops the load with the
// reader's report. Registration is not thread-safe; it happens at start.
#pragma once

#include <utility>
#include <vector>

#include "framework/class_info.h"
#include "framework/stream/value_io.h"

namespace tarnik::framework::stream {

struct ClassStreamData {
  void (*write)(TElement& element, ValueWriter& out) = nullptr;
  void (*read)(TElement& element, ValueReader& in) = nullptr;
};

namespace internal {
inline std::vector<std::pair<const TClassInfo*, ClassStreamData>>& ClassStreamDataTable() {
  static std::vector<std::pair<const TClassInfo*, ClassStreamData>> table;
  return table;
}
}  // namespace internal

// Registers (or replaces) the data of one class.
inline void RegisterClassStreamData(const TClassInfo& info, ClassStreamData data) {
  for (auto& entry : internal::ClassStreamDataTable()) {
    if (entry.first == &info) {
      entry.second = data;
      return;
    }
  }
  internal::ClassStreamDataTable().emplace_back(&info, data);
}

// The data of the class or of its nearest ancestor that has some; nil when none has.
inline const ClassStreamData* FindClassStreamData(const TClassInfo& info) {
  const auto& table = internal::ClassStreamDataTable();
  if (table.empty()) return nullptr;
  for (const TClassInfo* c = &info; c; c = c->Parent()) {
    for (const auto& entry : table) {
      if (entry.first == c) return &entry.second;
    }
  }
  return nullptr;
}

}  // namespace tarnik::framework::stream
