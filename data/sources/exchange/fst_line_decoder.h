// The raw decoder of a standard exchange data file (PP.FST, BZL.FST, JP.FST, LHC.FST, Maj.FST):
// bytes to columns. It reads the header (the column separator, the separator of multiple values,
// the column count, the column names upper-cased, the declared count of data lines) and then one
// data line at a time, through 40000-byte blocks of the file (or of bytes held in memory). Every
// count, length and offset is checked: no read goes past the end of the bytes, a value is at most
// kMaxValueLength long (a longer one is cut and the rest of it skipped up to its separator), and
// a line with more values than columns has the extra ones skipped. What is passed over is
// reported through the callback given, never thrown. Values are the file's bytes as they stand
// (code page 852); the translator converts them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::plan {

// The longest value a column holds.
inline constexpr size_t kMaxValueLength = 2000;
// The size of one block read from the file.
inline constexpr size_t kFstBlockSize = 40000;

// The known columns by number, as the translator and the unit refer to them.
enum FstColumn : int {
  kColLHC_KOD = 0,
  kColLHC_NAZ = 1,
  kColODD = 7,
  kColDIL = 8,
  kColPOR = 9,
  kColPSK = 22,
  kColETAZ = 37,
  kColDR_ZKR = 62,
  kColBZL = 82,
  kColJP = 87,
};
inline constexpr int kKnownColumnCount = 119;
// The name of a known column; empty for a number out of range.
std::string_view KnownColumnName(int number);

class FstLineDecoder {
 public:
  // Receives the texts of what was passed over (already worded, in Czech).
  using Report = std::function<void(const std::string&)>;

  FstLineDecoder();
  ~FstLineDecoder();
  FstLineDecoder(const FstLineDecoder&) = delete;
  FstLineDecoder& operator=(const FstLineDecoder&) = delete;

  // Opens a file (read-only, bytes) and reads its header; false when it cannot be opened, which
  // leaves no columns, PocetDatovychRadku -1 and the decoder at its end. `label` names the file
  // in reports.
  bool OpenFile(const std::string& path, const std::string& label, Report report = {});
  // The same over bytes held in memory.
  void OpenBytes(std::string bytes, const std::string& label, Report report = {});

  bool opened() const { return opened_; }
  char column_separator() const { return column_separator_; }
  char value_separator() const { return value_separator_; }
  const std::vector<std::string>& columns() const { return columns_; }
  int32_t declared_lines() const { return declared_lines_; }
  // Whether the header was complete (separators, count, names and line count before the end).
  bool has_header() const { return has_header_; }

  // Reads the next data line into the values; at the end nothing is read and the values of the
  // previous line stay. With `only_to_odd` a line is read up to and including the column ODD
  // and the rest of it skipped.
  void NextLine(bool only_to_odd = false);
  // Skips the characters up to and including the next CR LF (or to the end of the bytes) and
  // answers them without the CR LF.
  std::string SkipRestOfLine();
  // Moves to a byte offset (clamped to the size); the next line starts there. At or past the
  // size the decoder is at its end.
  void Seek(uint64_t offset);

  // The values of the line last read, one per column.
  const std::vector<std::string>& values() const { return values_; }
  // The value of the known column in the line last read; empty when the file has no such
  // column.
  const std::string& Known(int number) const;
  // The position of a known column in the header; -1 when the file has none.
  int KnownPosition(int number) const;

  int32_t line_number() const { return line_number_; }
  void set_line_number(int32_t n) { line_number_ = n; }
  uint64_t line_offset() const { return line_offset_; }
  uint64_t size() const { return size_; }
  // Decide the end of data by the declared line count alone.
  void set_end_by_count(bool value) { end_by_count_ = value; }
  // The end of data: more lines read than declared, or (unless decided by the count alone) the
  // line last read started at the end of the bytes.
  bool AtEnd() const;
  // The compartment of the line last read: 32000 at the end, otherwise ODD read as a whole
  // number (0 when that fails or the file has no ODD).
  int32_t Compartment() const;
  // The text read last: a header line or the value last read.
  const std::string& last_text() const { return last_text_; }

  // Where the bytes come from (defined in the .cpp).
  class Bytes;

 private:
  void Start(std::unique_ptr<Bytes> bytes, const std::string& label, Report report);
  void ReadHeader();
  // The next byte, or -1 past the end (the position still advances by one).
  int Next();
  int Peek();
  bool FillFrom(uint64_t offset);
  std::string HeaderLine(bool& complete);
  void Tell(const std::string& text) const;

  std::unique_ptr<Bytes> bytes_;
  std::string label_;
  Report report_;
  bool opened_ = false;
  bool has_header_ = false;
  char column_separator_ = '\0';
  char value_separator_ = '\0';
  int32_t declared_lines_ = -1;
  std::vector<std::string> columns_;
  std::vector<std::string> values_;
  int known_[kKnownColumnCount];
  int odd_position_ = -1;
  // The block buffer and where it lies in the bytes.
  std::string block_;
  uint64_t block_offset_ = 0;
  size_t index_ = 0;
  uint64_t size_ = 0;
  uint64_t line_offset_ = 0;
  int32_t line_number_ = 0;
  bool end_by_count_ = false;
  bool at_end_ = true;
  std::string last_text_;
};

}  // namespace tarnik::plan
