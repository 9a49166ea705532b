// Standard exchange files written by tests: data files (separator lines, column count, column
// names, line count, then the lines) and code-list files, with CR LF and the texts in code page
// 852 as the exchange files hold them. Values are given as UTF-8; the 38 Czech letters the
// readers convert go to their code-page-852 codes, other characters of Windows-1250 to that code
// page's bytes. Throws std::runtime_error when a file cannot be written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnik::testing {

using FstRow = std::vector<std::string>;

// UTF-8 to the bytes of an exchange file.
std::string Utf8ToFstBytes(std::string_view utf8);

struct FstTable {
  std::vector<std::string> columns;
  std::vector<FstRow> rows;
  char separator = '|';
  char value_separator = '$';
};

// The bytes of a data file; a row may have fewer or more values than columns (the missing ones
// empty, the extra ones written as they are).
std::string FstDataBytes(const FstTable& table);
// The bytes of a code-list file named `name`.
std::string FstCodeListBytes(const std::string& name, const FstTable& table);
void WriteFstData(const std::string& path, const FstTable& table);
void WriteFstCodeList(const std::string& path, const std::string& name, const FstTable& table);

}  // namespace tarnik::testing
