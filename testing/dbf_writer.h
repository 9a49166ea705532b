// Writing dBase attribute tables for fixtures and the sample map, through shapelib: the fields,
// the language-driver byte (0 for an unmarked table) and rows of texts encoded in the given code
// page. Numeric fields take their value as a decimal text ("" for an empty value). Deleted rows
// can be marked. False when the file cannot be written or a value does not fit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gis/code_pages.h"

namespace tarnik::gis::testing {

struct DbfFieldLayout {
  std::string name;
  char type = 'C';  // 'C', 'N' or 'L'
  int width = 10;
  int decimals = 0;
};

struct DbfTableLayout {
  std::vector<DbfFieldLayout> fields;
  std::vector<std::vector<std::string>> rows;  // UTF-8 texts, one per field
  std::vector<size_t> deleted;                 // rows marked deleted
  TextCodePage code_page = TextCodePage::kCp1250;
  uint8_t language_driver = 0;  // written into header byte 29
};

bool WriteDbf(const std::string& path, const DbfTableLayout& table);

}  // namespace tarnik::gis::testing
