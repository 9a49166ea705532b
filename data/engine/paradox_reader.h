// Reads one Paradox table file (.DB, with its memo file .MB when present) with pxlib: the field
// definitions mapped to engine field types, the number of primary-key fields, and every record
// as engine Values (texts decoded from the table's code page into UTF-8, dates as 'YYYY-MM-DD').
// Tables protected by a password are read as well when pxlib can decrypt them. The file is only
// read, never written or locked. Failures throw EngineError with a Czech message.
#pragma once

#include <string>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/value.h"

namespace tarnik::engine {

struct ParadoxTable {
  std::string file;              // the path read
  std::vector<FieldDef> fields;  // in table order
  int primary_key_fields = 0;    // the first n fields form the primary index
  int code_page = 0;             // as the header states it (1250 for the plan tables)
  bool encrypted = false;        // protected by a table password
  std::vector<std::vector<Value>> rows;
};

ParadoxTable ReadParadoxTable(const std::string& path);

}  // namespace tarnik::engine
