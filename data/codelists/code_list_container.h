// The code-list container of a forest unit (tciselnik): an entity that owns the unit's code-list
// tables (lazily opened lists and the bindings of the plan container, see CodeLists). Forest
// elements find it through their Ciselnik lookup. Lives as long as its holders keep it.
#pragma once

#include "data/codelists/code_lists.h"
#include "framework/entity.h"

namespace tarnik::plan {

class tciselnik : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(tciselnik)
  tciselnik();
  ~tciselnik() override;

  CodeLists& Lists() { return lists_; }

 private:
  CodeLists lists_;
};

}  // namespace tarnik::plan
