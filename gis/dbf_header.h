// The header of a dBase table file, decoded and checked before the table is handed to shapelib:
// the record count, header and record lengths, the language-driver byte and the field
// descriptors up to the terminator byte 0x0D. A header is refused (with the reason in Czech)
// when it is shorter than 32 bytes, its descriptors run past the header length, a field has no
// name or no width or ends beyond the record length, or the file is shorter than the header and
// the records it announces. Pure decoding; ReadDbfLayout reads at most the header's bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::gis {

struct DbfField {
  std::string name;  // as stored (bytes up to the first NUL), without trailing blanks
  char type = 'C';
  int width = 0;
  int decimals = 0;
  int offset = 0;  // in the record, after the deletion byte
};

struct DbfLayout {
  int64_t record_count = 0;
  int header_length = 0;
  int record_length = 0;
  uint8_t language_driver = 0;
  std::vector<DbfField> fields;

  // The index of the field of that name (ASCII letters without regard to case), -1 when none.
  int FieldIndex(std::string_view name) const;
};

// `header` holds the file's first bytes (at least its header, or all of a shorter file).
std::optional<DbfLayout> DecodeDbfHeader(std::string_view header, int64_t file_size,
                                         std::string* problem);
// The layout of the table file at `path`; nullopt with the reason when the file cannot be read
// or its header is refused.
std::optional<DbfLayout> ReadDbfLayout(const std::string& path, std::string* problem);

}  // namespace tarnik::gis
