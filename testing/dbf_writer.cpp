#include "testing/dbf_writer.h"

#include <shapefil.h>

#include <cstdio>
#include <string>

#include "platform/fs.h"
#include "platform/numtext.h"

namespace tarnik::gis::testing {

bool WriteDbf(const std::string& path, const DbfTableLayout& table) {
  const std::string ldid = "LDID/" + std::to_string(table.language_driver);
  // shapelib names the file it creates "<name>.dbf" whatever the extension asked for.
  const std::string created = platform::ChangeExtension(path, ".dbf");
  DBFHandle dbf = DBFCreateEx(created.c_str(), ldid.c_str());
  if (!dbf) return false;
  bool ok = true;
  for (const DbfFieldLayout& f : table.fields) {
    const DBFFieldType type = f.type == 'N' ? (f.decimals > 0 ? FTDouble : FTInteger)
                                            : (f.type == 'L' ? FTLogical : FTString);
    ok = ok && DBFAddField(dbf, f.name.c_str(), type, f.width, f.decimals) >= 0;
  }
  for (size_t r = 0; ok && r < table.rows.size(); ++r) {
    const int row = static_cast<int>(r);
    for (size_t i = 0; ok && i < table.fields.size(); ++i) {
      const DbfFieldLayout& f = table.fields[i];
      const std::string& value = i < table.rows[r].size() ? table.rows[r][i] : std::string();
      const int field = static_cast<int>(i);
      if (value.empty()) {
        ok = DBFWriteNULLAttribute(dbf, row, field);
      } else if (f.type == 'N') {
        const auto number = platform::TextToFloatDot(value);
        ok = number && DBFWriteDoubleAttribute(dbf, row, field, *number);
      } else if (f.type == 'L') {
        ok = DBFWriteLogicalAttribute(dbf, row, field, value[0]);
      } else {
        std::string bytes;
        ok = EncodeText(value, table.code_page, &bytes) &&
             bytes.size() <= static_cast<size_t>(f.width) &&
             DBFWriteStringAttribute(dbf, row, field, bytes.c_str());
      }
    }
  }
  for (const size_t r : table.deleted) {
    ok = ok && DBFMarkRecordDeleted(dbf, static_cast<int>(r), 1);
  }
  DBFClose(dbf);
  if (!ok || (created != path && std::rename(created.c_str(), path.c_str()) != 0)) return false;
  // shapelib marks an unmarked table as "ANSI" (87); the byte is written as asked.
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  if (!f) return false;
  const bool patched = std::fseek(f, 29, SEEK_SET) == 0 &&
                       std::fputc(table.language_driver, f) == table.language_driver;
  return std::fclose(f) == 0 && patched;
}

}  // namespace tarnik::gis::testing
