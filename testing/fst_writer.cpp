#include "testing/fst_writer.h"

#include <fstream>
#include <stdexcept>

#include "platform/encoding.h"
#include "platform/encoding_tables.h"
#include "platform/fs.h"

namespace tarnik::testing {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(platform::ResolvePath(path), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string Line(const FstRow& row, size_t columns, char separator) {
  std::string line;
  const size_t count = std::max(columns, row.size());
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) line.push_back(separator);
    if (i < row.size()) line += Utf8ToFstBytes(row[i]);
  }
  return line + "\r\n";
}

}  // namespace

std::string Utf8ToFstBytes(std::string_view utf8) {
  std::string out;
  size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = platform::NextCodePoint(utf8, &pos);
    bool done = false;
    for (const auto& letter : platform::internal::kCp852ExchangeLetters) {
      if (letter.unicode == cp) {
        out.push_back(static_cast<char>(letter.byte));
        done = true;
        break;
      }
    }
    if (done) continue;
    const int byte = platform::UnicodeToCp1250Byte(cp);
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

std::string FstDataBytes(const FstTable& table) {
  std::string bytes;
  bytes += std::string(1, table.separator) + "\r\n";
  bytes += std::string(1, table.value_separator) + "\r\n";
  bytes += std::to_string(table.columns.size()) + "\r\n";
  for (const std::string& column : table.columns) bytes += column + "\r\n";
  bytes += std::to_string(table.rows.size()) + "\r\n";
  for (const FstRow& row : table.rows) bytes += Line(row, table.columns.size(), table.separator);
  return bytes;
}

std::string FstCodeListBytes(const std::string& name, const FstTable& table) {
  std::string bytes = Utf8ToFstBytes(name) + "\r\n";
  bytes += std::to_string(table.columns.size()) + "\r\n";
  for (const std::string& column : table.columns) bytes += column + "\r\n";
  bytes += std::string(1, table.separator) + "\r\n";
  bytes += std::to_string(table.rows.size()) + "\r\n";
  for (const FstRow& row : table.rows) bytes += Line(row, table.columns.size(), table.separator);
  return bytes;
}

void WriteFstData(const std::string& path, const FstTable& table) {
  WriteBytes(path, FstDataBytes(table));
}

void WriteFstCodeList(const std::string& path, const std::string& name, const FstTable& table) {
  WriteBytes(path, FstCodeListBytes(name, table));
}

}  // namespace tarnik::testing
