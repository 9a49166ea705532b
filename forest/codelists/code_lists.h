// The lookups that model properties make on the code lists, by list name: descriptions,
// membership, counts, the office of a cadastral area, the per-stand categories, the growth-table
// values and the cadastral-area names. Owns its CodeListTables (lazily opened lists, bindings of
// the plan container); the code-list container element of the unit holds one. Never throws.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "forest/codelists/code_list_tables.h"
#include "forest/codelists/growth_table.h"
#include "forest/codelists/stand_categories.h"

namespace tarnik::plan {

class CodeLists {
 public:
  CodeLists();
  ~CodeLists();

  CodeListTables& tables() { return tables_; }

  // Description of a code in a list ("*zz1*", "*zz2*", "*zz3*" markers as CodeDescription).
  std::string Description(const std::string& list, const std::string& code,
                          const std::string& description_column = "POPIS",
                          const std::string& key_column = "KOD", bool exact = false);
  bool Contains(const std::string& list, const std::string& code, bool if_empty,
                const std::string& key_column = "KOD", bool exact = false);
  int CountExact(const std::string& list, const std::string& column, const std::string& text);

  // 200000 + ORP of the cadastral area's municipality (lists tb_KU6b and tbObce6), 0 for none.
  int64_t OfficeOfCadastralArea(int64_t cadastral_code);
  // The stand's rows of the per-stand category table (list Tb_PorKtg1, bound by the container).
  StandCategoryRows StandCategories(const std::string& odd, const std::string& dil,
                                    const std::string& por);
  // Growth-table values (list Tb_RustTab).
  GrowthValues Growth(const std::string& species, int vek, int obmyti, int bon_a, bool under_bark);
  // The name of a cadastral area from the program's KatasCel, "Není v seznamu." when missing.
  std::string CadastreName(int64_t code);

 private:
  // Answers of the lists, which every species, stand and layer asks again: of the program's
  // read-only lists for the session; of lists bound to the plan and its sibling while their
  // table shows the same rows and its database reports no change. nullptr when no memo holds.
  std::unordered_map<std::string, std::string>* Memo(const std::string& list, engine::Table* table);

  struct BoundMemo {
    int generation = -1;
    uint64_t row_set = 0;
    engine::Database::ContentToken content{};
    std::unordered_map<std::string, std::string> answers;
  };

  CodeListTables tables_;
  std::unordered_map<std::string, std::string> memo_;
  int memo_generation_ = 0;
  std::unordered_map<const engine::Table*, BoundMemo> bound_memo_;
  std::unique_ptr<engine::Table> katas_cel_;
  bool katas_cel_attempted_ = false;
};

}  // namespace tarnik::plan
