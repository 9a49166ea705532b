// The code-list container of a forest unit (tciselnik): an entity that owns the unit's code-list
// tables (lazily opened lists and the bindings of the plan container, see CodeLists) and
// publishes one database class per list (created on first read, then kept as a child). Forest
// elements find the container through their Ciselnik lookup. Lives as long as its holders keep
// it; its database classes find no rows once it is gone.
#pragma once

#include <map>
#include <string>

#include "data/codelists/code_lists.h"
#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::plan {

class TDatabaseClass;

class tciselnik : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(tciselnik)
  tciselnik();
  ~tciselnik() override;

  CodeLists& Lists() { return lists_; }

  // The database class of a list property ("Tb_LTClass", ...), created and added on first
  // request; nil for an unknown property name.
  TDatabaseClass* DatabaseClass(const std::string& property);

 private:
  CodeLists lists_;
  std::map<std::string, framework::TElementRef> classes_;  // upper-cased property -> class
};

}  // namespace tarnik::plan
