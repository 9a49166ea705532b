// Two fills of the unit's second code-list set that read program-wide tables: the names of the
// cadastral areas from KatasCel and the decision types from CisDokum, both in the program
// directory's "ciselnik" database. Tables are borrowed or opened read-only for the call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnik::engine {
class Table;
}

namespace tarnik::plan {

// The POPIS of the KatasCel row with exactly this Kod, else "Není v seznamu." (also without a
// table).
std::string CadastreNameOf(engine::Table* katas_cel, int64_t code);

struct DecisionType {
  std::optional<std::string> typ_dokum;  // absent when the table lacks the column
  std::optional<std::string> kod;
  std::optional<std::string> popis;
  std::string Key() const;  // Typ_Dokum + "-" + Kod
};

// The rows of the table at `path` (e.g. "<ciselnik>/CisDokum.DB"), read-only. An error stops
// the reading with "Problémy v tabulce "<path>". Volejte horkou linku. Pkod=<previous Kod>
// Krok=<step>"; the rows read so far are answered.
std::vector<DecisionType> ReadDecisionTypes(const std::string& path);

}  // namespace tarnik::plan
