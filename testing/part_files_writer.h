// Old plan part files written by tests: 160-character records built field by field (values
// given as UTF-8, stored in Windows-1250, left-aligned and blank-filled to the field's width),
// part files with CR LF and a closing ^Z, description files (.tlh) and dBase parts (fields D1 to
// D65). WriteSamplePartFiles writes the part-file form of a small unit. Throws std::runtime_error
// when a file cannot be written.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::testing {

class PartLine {
 public:
  PartLine();
  // Field `n` (1 to 65): the value's Windows-1250 bytes cut to the width, blank-filled.
  PartLine& Set(int n, std::string_view utf8);
  // The 160 bytes.
  const std::string& Bytes() const { return bytes_; }
  // The raw bytes of field n.
  std::string Field(int n) const;

 private:
  std::string bytes_;
};

// Position (from 1) and width of field n.
std::pair<int, int> PartFieldAt(int n);

// The lines with CR LF and, when asked, the closing ^Z.
std::string PartFileBytes(const std::vector<PartLine>& lines, bool closing_eof = true);
void WritePartFile(const std::string& path, const std::vector<PartLine>& lines,
                   bool closing_eof = true);

// One description record: nine strings of at most 88 bytes (Windows-1250).
using DescriptionStrings = std::array<std::string, 9>;
std::string DescriptionBytes(const std::vector<DescriptionStrings>& records);
void WriteDescriptionFile(const std::string& path, const std::vector<DescriptionStrings>& records);

// A dBase table with the character fields D1 to D65 (each as wide as in a line), one row per line.
void WritePartTable(const std::string& path, const std::vector<PartLine>& lines);

// The part-file form of the sample unit 615203 in `dir`: "615203.01V" with its description file
// "61520301.tlh" and "615203.02V". Compartment 11 (sub-compartments a and b, the state as owner),
// 12 (sub-compartment a with two owners, sub-compartment b an unstocked clearing with
// afforestation) and 13, which starts in the first part and continues in the second.
void WriteSamplePartFiles(const std::string& dir);

}  // namespace tarnik::testing
