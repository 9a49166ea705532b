#include "data/codelists/code_lists.h"

#include <exception>

#include "data/codelists/cadastre_and_decisions.h"
#include "data/codelists/code_lookup.h"
#include "data/codelists/territory.h"
#include "data/engine/table.h"
#include "platform/fs.h"

namespace tarnik::plan {

CodeLists::CodeLists() = default;
CodeLists::~CodeLists() = default;

std::string CodeLists::Description(const std::string& list, const std::string& code,
                                   const std::string& description_column,
                                   const std::string& key_column, bool exact) {
  return CodeDescription(tables_.Get(list), key_column, code, description_column, exact);
}

bool CodeLists::Contains(const std::string& list, const std::string& code, bool if_empty,
                         const std::string& key_column, bool exact) {
  return CodeInList(tables_.Get(list), key_column, code, if_empty, exact);
}

int CodeLists::CountExact(const std::string& list, const std::string& column,
                          const std::string& text) {
  return CountRowsWithText(tables_.Get(list), column, text);
}

int64_t CodeLists::OfficeOfCadastralArea(int64_t cadastral_code) {
  return plan::OfficeOfCadastralArea(tables_.Get("tb_KU6b"), tables_.Get("tbObce6"),
                                     cadastral_code);
}

StandCategoryRows CodeLists::StandCategories(const std::string& odd, const std::string& dil,
                                             const std::string& por) {
  return StandCategoryRowsOf(tables_.Get("Tb_PorKtg1"), odd, dil, por);
}

GrowthValues CodeLists::Growth(const std::string& species, int vek, int obmyti, int bon_a,
                               bool under_bark) {
  return GrowthValuesOf(tables_.Get("Tb_RustTab"), species, vek, obmyti, bon_a, under_bark);
}

std::string CodeLists::CadastreName(int64_t code) {
  if (!katas_cel_attempted_) {
    katas_cel_attempted_ = true;
    try {
      const std::string dir = CodeListTables::Directory();
      if (platform::FileExists(platform::JoinPath(dir, engine::kDatabaseFileName)))
        katas_cel_ = engine::Table::OpenPath(platform::JoinPath(dir, "KatasCel.DB"),
                                             engine::OpenMode::kReadOnly);
    } catch (const std::exception&) {
      katas_cel_.reset();
    }
  }
  return CadastreNameOf(katas_cel_.get(), code);
}

}  // namespace tarnik::plan
