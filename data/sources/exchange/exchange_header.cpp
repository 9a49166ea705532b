#include "data/sources/exchange/exchange_header.h"

#include <cstdint>
#include <fstream>

#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// The digits rule of the exchange files: only the digits count, none gives 0.
int64_t DigitsOf(const std::string& text) {
  int64_t value = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      if (value > 1000000) return value;  // no header has that many columns
    }
  }
  return value;
}

bool ReadLine(std::ifstream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

std::vector<std::string> StandardFileColumns(const std::string& path) {
  std::vector<std::string> columns;
  std::ifstream in(platform::ResolvePath(path), std::ios::binary);
  if (!in) return columns;
  std::string line;
  if (!ReadLine(in, line) || !ReadLine(in, line) || !ReadLine(in, line)) return columns;
  const int64_t count = DigitsOf(line);
  for (int64_t i = 0; i < count && ReadLine(in, line); ++i) {
    columns.push_back(platform::UpperAscii(platform::Trim(line)));
  }
  return columns;
}

std::string FirstLineTrimmed(const std::string& path) {
  std::ifstream in(platform::ResolvePath(path), std::ios::binary);
  std::string line;
  if (!in || !ReadLine(in, line)) return "";
  return platform::Trim(line);
}

}  // namespace tarnik::plan
