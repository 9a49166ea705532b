// TSumaPodleProperty: a recursor that sums one numeric property over its Input and everything
// below it, parents before children. Every element on the walk that publishes the property adds
// its text read as a decimal number (unreadable texts add 0); the sum keeps running across runs
// until Suma is written. Cycles end as every recursor walk does.
#pragma once

#include <string>

#include "framework/tools/recursor.h"

namespace tarnik::plan {

class TSumaPodleProperty : public framework::TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TSumaPodleProperty)
  const std::string& PropertaStr() const { return property_; }
  void SetPropertaStr(const std::string& name) { property_ = name; }
  double Suma() const { return sum_; }
  void SetSuma(double sum) { sum_ = sum; }

  bool QProcessBefore(framework::TElement* /*element*/) override { return true; }
  void Process(framework::TElement* element) override;

 private:
  std::string property_;
  double sum_ = 0;
};

}  // namespace tarnik::plan
