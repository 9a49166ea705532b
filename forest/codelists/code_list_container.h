// The code-list container of a forest unit (tciselnik): an entity that owns the unit's code-list
// tables (lazily opened lists and the bindings of the plan container, see CodeLists) and
// publishes one database class per list (created on first read, then kept as a child). Forest
// elements find the container through their Ciselnik lookup. Lives as long as its holders keep
// it; its database classes find no rows once it is gone. A unit read from the LČR database gives
// the container its document source (owned), which answers the LČR name lookups.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "forest/codelists/code_lists.h"
#include "forest/codelists/lcr_lookup.h"
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

  // The per-stand texts of the stand-category table (nothing bound: the answers of no rows).
  std::string KategorieVcetnePrekryvu(const std::string& odd, const std::string& dil,
                                      const std::string& por);
  std::string ZvlStVcetnePrekryvu(const std::string& odd, const std::string& dil,
                                  const std::string& por);
  std::string TextyZKategPor(const std::string& odd, const std::string& dil,
                             const std::string& por);
  // Growth-table values of a species (all 0 without the table).
  GrowthValues RustovaTabulka(const std::string& species, int vek, int obmyti, int bon_a,
                              bool under_bark);

  // The LČR document source: the unit's LČR identifier and the source of its code lists.
  // Replacing it frees the previous one; nil removes it.
  void SetLcrSource(std::unique_ptr<LcrCodeSource> source, std::string lhc_id);
  bool HasLcrSource() const { return lcr_source_ != nullptr; }
  const std::string& LcrId() const { return lcr_id_; }
  // Names from the LČR code lists; "-" + code + "-" without a source or a row.
  std::string LcrJmenoOLH(const std::string& code);
  std::string LcrJmenoVlastnika(const std::string& owner_code, const std::string& owner_kind);
  std::string LcrOrgUroven(const std::string& code, int level);
  std::string LcrKatastr(const std::string& code);

 private:
  CodeLists lists_;
  std::unique_ptr<LcrCodeSource> lcr_source_;
  std::string lcr_id_;
  std::map<std::string, framework::TElementRef> classes_;  // upper-cased property -> class
};

}  // namespace tarnik::plan
