#include "forest/codelists/code_lookup.h"

#include <exception>

#include "data/engine/table.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// Returns the table to a remembered row (RecNo 0 stands for an empty row set).
void RestorePosition(engine::Table& table, int64_t recno) {
  if (recno > 0 && recno <= table.RecordCount()) table.GoTo(recno);
}

}  // namespace

bool SequentialSearch(engine::Table& table, const std::string& key_column, const std::string& text,
                      bool exact, SearchStart start, bool keep_position) {
  table.FieldByName(key_column);  // throws for a missing column before the table moves
  const int64_t started_at = table.RecNo();
  const std::string sought = exact ? text : platform::UpperCz(text);
  if (table.IsEmpty()) return false;
  switch (start) {
    case SearchStart::kFirst:
      table.First();
      break;
    case SearchStart::kCurrent:
      break;
    case SearchStart::kNext:
      table.Next();
      break;
  }
  while (!table.Eof()) {
    std::string key = table.AsString(key_column);
    if (!exact) key = platform::UpperCz(key);
    if (key == sought) {
      if (keep_position) RestorePosition(table, started_at);
      return true;
    }
    table.Next();
  }
  RestorePosition(table, started_at);
  return false;
}

std::string CodeDescription(engine::Table* table, const std::string& key_column,
                            const std::string& code, const std::string& description_column,
                            bool exact) {
  if (table == nullptr) return "*zz1*" + code;
  const char* step = "i1";
  try {
    step = "i2";
    if (!table->HasField(description_column)) return "i2*zz3*" + code;
    step = "i3";
    if (!SequentialSearch(*table, key_column, code, exact, SearchStart::kFirst))
      return "*zz2*" + code;
    step = "i4";
    std::string description = table->AsString(description_column);
    step = "i5";
    return description;
  } catch (const std::exception&) {
    return std::string(step) + "*zz3*" + code;
  }
}

bool CodeInList(engine::Table* table, const std::string& key_column, const std::string& code,
                bool if_empty, bool exact) {
  if (code.empty()) return if_empty;
  if (table == nullptr) return false;
  try {
    return SequentialSearch(*table, key_column, code, exact, SearchStart::kFirst);
  } catch (const std::exception&) {
    return false;
  }
}

int CountRowsWithText(engine::Table* table, const std::string& column, const std::string& text) {
  if (table == nullptr) return 0;
  int count = 0;
  int64_t started_at = table->RecNo();
  try {
    table->FieldByName(column);
    for (table->First(); !table->Eof(); table->Next())
      if (table->AsString(column) == text) ++count;
  } catch (const std::exception&) {
    count = 0;
  }
  try {
    RestorePosition(*table, started_at);
  } catch (const std::exception&) {
  }
  return count;
}

}  // namespace tarnik::plan
