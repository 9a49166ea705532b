// The raw records of the old plan part files, decoded apart from the model: a 160-character line
// cut into its 65 fields by byte position before any decoding (CR and ^Z dropped first, a
// shorter line blank-filled, bytes past 160 ignored), each field then read as Windows-1250; a
// record of the description file (.tlh, 801 bytes: nine strings of a length byte and 88 bytes,
// a length above 88 read as 88); and the digits rule the readers read numbers by. Pure functions,
// no failure: every length and offset is checked, any bytes give a record.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::plan {

inline constexpr int kPartFieldCount = 65;
inline constexpr size_t kPartLineLength = 160;
inline constexpr size_t kDescriptionRecordSize = 801;
inline constexpr size_t kDescriptionStringCount = 9;
inline constexpr size_t kDescriptionStringSize = 89;  // the length byte and 88 bytes

// Position (counted from 1) and width of field `n` (1 to 65) of a part-file line.
struct PartField {
  int position;
  int width;
};
PartField PartFieldLayout(int n);

// One record: the fields D1 to D65 as UTF-8 texts (blanks kept), and the raw first byte of the
// sub-compartment field D8, by which the description records are keyed.
class PartRecord {
 public:
  PartRecord();
  // Field n (1 to 65); the empty text outside that range.
  const std::string& D(int n) const;
  unsigned char SubCompartmentByte() const { return d8_byte_; }

  // A line of a text part, as the file holds it (Windows-1250, with or without its line end).
  static PartRecord FromLine(std::string_view bytes);

 private:
  std::array<std::string, kPartFieldCount> fields_;
  unsigned char d8_byte_ = ' ';
};

// The records of a text part: its lines (LF, CR LF or CR ends), the text from the first ^Z on
// left out (the end of a DOS text file) and blank lines dropped (they carry no record).
std::vector<std::string> SplitPartText(std::string_view bytes);

// The line as its 160 bytes: CR and ^Z removed, cut at 160, blank-filled to 160.
std::string NormalizePartLine(std::string_view bytes);

// A row of a dBase part laid out as a line: the raw bytes of each field D1 to D65 (missing ones
// empty), each fitted to the field's width as a line is (CR and ^Z dropped, cut, blank-filled).
std::string LayOutFields(const std::array<std::string, kPartFieldCount>& raw);

// The nine strings of a description record (UTF-8); `bytes` shorter than a record gives the
// strings whose bytes exist (the rest empty).
using DescriptionRecord = std::array<std::string, kDescriptionStringCount>;
DescriptionRecord DecodeDescriptionRecord(std::string_view bytes);

// The digits rule: only "0" to "9" kept, "0" when none, read as a whole number; 0 when that does
// not fit 32 bits.
int32_t DigitsNumber(std::string_view text);

// The species abbreviation (three characters, blank-padded) of an afforestation species number;
// three blanks for a number the table lacks.
std::string SpeciesOfNumber(int32_t number);

}  // namespace tarnik::plan
