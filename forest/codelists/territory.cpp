#include "forest/codelists/territory.h"

#include <exception>

#include "data/engine/table.h"

namespace tarnik::plan {

int64_t OfficeOfCadastralArea(engine::Table* ku, engine::Table* obce, int64_t cadastral_code) {
  if (ku == nullptr || obce == nullptr) return 0;
  try {
    if (ku->IsEmpty() || obce->IsEmpty()) return 0;
    ku->SetIndexFieldNames("KODKU6");
    ku->FindNearest({engine::Value(cadastral_code)});
    const int64_t municipality = ku->AsInteger("KODOB");
    // The municipality row already current is reused when it is the one needed.
    if (obce->RecNo() > 0 && !obce->Eof() && obce->AsInteger("KODOB") == municipality)
      return obce->AsInteger("CISORP") + 200000;
    obce->SetIndexFieldNames("KODOB");
    obce->FindNearest({engine::Value(municipality)});
    if (obce->AsInteger("KODOB") == municipality) return obce->AsInteger("CISORP") + 200000;
    return 0;
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace tarnik::plan
