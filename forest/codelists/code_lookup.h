// Turning a code into its description, testing membership and counting rows over one open code
// list table. The table is borrowed (never owned or closed here); nullptr stands for a list that
// could not be opened. Lookups never throw: failures answer the markers "*zz1*", "*zz2*",
// "*zz3*" or false.
#pragma once

#include <string>

namespace tarnik::engine {
class Table;
}

namespace tarnik::plan {

enum class SearchStart { kFirst, kCurrent, kNext };

// Sequential search of `text` in `key_column`, rows in table order. The text and each row's key
// are upper-cased by the Czech rules unless `exact`. On success the table stays on the matching
// row (unless `keep_position`); on failure it returns to the row it started on. Throws the
// engine's error when the column does not exist.
bool SequentialSearch(engine::Table& table, const std::string& key_column, const std::string& text,
                      bool exact, SearchStart start, bool keep_position = false);

// The description of a code: the `description_column` of the row found from the first row;
// "*zz1*" + code without a table, "*zz2*" + code when the code is missing, a step label
// ("i1" ... "i5") + "*zz3*" + code when the search fails with an error.
std::string CodeDescription(engine::Table* table, const std::string& key_column,
                            const std::string& code, const std::string& description_column,
                            bool exact = false);

// Whether the code is in the list; an empty code answers `if_empty`; no table answers false.
bool CodeInList(engine::Table* table, const std::string& key_column, const std::string& code,
                bool if_empty, bool exact = false);

// Number of rows whose `column` holds exactly `text`; the position is restored; 0 without a
// table or on an error.
int CountRowsWithText(engine::Table* table, const std::string& column, const std::string& text);

}  // namespace tarnik::plan
