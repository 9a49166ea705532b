// The compartment list of a forest unit: compartment numbers as texts left-padded with blanks to
// three characters ("  5" before " 12"), kept sorted and free of duplicates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnik::plan {

// The number's text left-padded with blanks to three characters; longer texts stay as they are.
std::string PadCompartment(std::string_view number);

class CompartmentList {
 public:
  // Adds the padded number unless the list holds it; answers whether it was added.
  bool Add(std::string_view number);
  bool Contains(std::string_view number) const;
  void Clear() { items_.clear(); }
  bool empty() const { return items_.empty(); }
  size_t size() const { return items_.size(); }
  const std::vector<std::string>& items() const { return items_; }

 private:
  std::vector<std::string> items_;
};

}  // namespace tarnik::plan
