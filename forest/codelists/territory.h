// The office code of a cadastral area: the municipality of the area (table KU) and that
// municipality's ORP number (table Obce), answered as 200000 + ORP. Tables are borrowed; their
// current rows move. Answers 0 when no municipality matches or a table is missing.
#pragma once

#include <cstdint>

namespace tarnik::engine {
class Table;
}

namespace tarnik::plan {

int64_t OfficeOfCadastralArea(engine::Table* ku, engine::Table* obce, int64_t cadastral_code);

}  // namespace tarnik::plan
