// TSumaPodleProperty: sums one numeric property over an element and everything below it,
// parents before children. Every element on the walk that publishes the property adds its text
// read as a decimal number (unreadable texts add 0). A child that is already on the path from
// the input (a cycle) is not entered again. The walker keeps no references between runs.
#pragma once

#include <string>
#include <vector>

#include "framework/entity.h"

namespace tarnik::plan {

class TSumaPodleProperty : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSumaPodleProperty)
  const std::string& PropertaStr() const { return property_; }
  void SetPropertaStr(const std::string& name) { property_ = name; }
  double Suma() const { return sum_; }
  void SetSuma(double sum) { sum_ = sum; }

  // Adds the property over `input` and its subtree to the running sum.
  void Secti(framework::TElement* input);

 private:
  void Visit(framework::TElement* element, std::vector<framework::TElement*>& path);
  std::string property_;
  double sum_ = 0;
};

}  // namespace tarnik::plan
