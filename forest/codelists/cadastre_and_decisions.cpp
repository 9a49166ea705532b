#include "forest/codelists/cadastre_and_decisions.h"

#include <exception>

#include "data/engine/table.h"
#include "platform/ui.h"

namespace tarnik::plan {

std::string CadastreNameOf(engine::Table* katas_cel, int64_t code) {
  const std::string missing = "Není v seznamu.";
  if (katas_cel == nullptr) return missing;
  try {
    if (katas_cel->IsEmpty()) return missing;
    katas_cel->SetIndexFieldNames("Kod");
    katas_cel->FindNearest({engine::Value(code)});
    if (katas_cel->AsInteger("Kod") == code) return katas_cel->AsString("POPIS");
  } catch (const std::exception&) {
  }
  return missing;
}

std::string DecisionType::Key() const { return typ_dokum.value_or("") + "-" + kod.value_or(""); }

std::vector<DecisionType> ReadDecisionTypes(const std::string& path) {
  std::vector<DecisionType> rows;
  int step = 1;
  std::string previous_kod;
  try {
    auto table = engine::Table::OpenPath(path, engine::OpenMode::kReadOnly);
    step = 2;
    const bool has_typ = table->HasField("Typ_Dokum");
    const bool has_kod = table->HasField("Kod");
    const bool has_popis = table->HasField("Popis");
    step = 3;
    for (table->First(); !table->Eof(); table->Next()) {
      step = 4;
      DecisionType row;
      if (has_typ) row.typ_dokum = table->AsString("Typ_Dokum");
      step = 5;
      if (has_kod) row.kod = table->AsString("Kod");
      step = 6;
      if (has_popis) row.popis = table->AsString("Popis");
      step = 7;
      previous_kod = row.kod.value_or("");
      rows.push_back(std::move(row));
    }
  } catch (const std::exception&) {
    platform::ui().ShowMessage("Problémy v tabulce \"" + path + "\". Volejte horkou linku. Pkod=" +
                                   previous_kod + " Krok=" + std::to_string(step),
                               platform::Severity::kPassedOver);
  }
  return rows;
}

}  // namespace tarnik::plan
