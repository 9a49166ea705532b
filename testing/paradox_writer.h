// Test helper: writes small Paradox tables with pxlib, texts given in UTF-8 and stored as
// Windows-1250, optionally protected by a password.
#pragma once

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

extern "C" {
#include <paradox.h>
}

namespace tarnik::engine::test {

struct PxColumn {
  std::string name;
  char type;   // pxfAlpha, pxfShort, pxfLong, pxfNumber, pxfDate, pxfLogical, ...
  int length;  // bytes of an alpha field; 0 for the fixed-size types
};

// A cell: null, an integer (short, long, logical, date as days since 1.1.0001), a double or a text.
using PxCell = std::variant<std::monostate, long, double, std::string>;

inline void WriteParadoxTable(const std::string& path, const std::vector<PxColumn>& columns,
                              int primary_key_fields, const std::vector<std::vector<PxCell>>& rows,
                              const std::string& password = "") {
  pxdoc_t* doc = PX_new();
  if (!doc) throw std::runtime_error("PX_new");
  auto* fields =
      static_cast<pxfield_t*>(doc->malloc(doc, columns.size() * sizeof(pxfield_t), "fields"));
  for (size_t i = 0; i < columns.size(); ++i) {
    fields[i].px_fname = PX_strdup(doc, columns[i].name.c_str());
    fields[i].px_ftype = columns[i].type;
    int len = columns[i].length;
    switch (columns[i].type) {
      case pxfShort:
        len = 2;
        break;
      case pxfLong:
      case pxfDate:
      case pxfAutoInc:
      case pxfTime:
        len = 4;
        break;
      case pxfNumber:
      case pxfCurrency:
      case pxfTimestamp:
        len = 8;
        break;
      case pxfLogical:
        len = 1;
        break;
      default:
        break;
    }
    fields[i].px_flen = len;
    fields[i].px_fdc = 0;
  }
  if (PX_create_file(doc, fields, static_cast<int>(columns.size()), path.c_str(),
                     pxfFileTypIndexDB) < 0)
    throw std::runtime_error("PX_create_file " + path);
  PX_set_value(doc, "codepage", 1250);
  PX_set_parameter(doc, "targetencoding", "CP1250");
  PX_set_parameter(doc, "inputencoding", "UTF-8");
  if (primary_key_fields > 0) PX_set_value(doc, "numprimkeys", primary_key_fields);
  if (!password.empty()) PX_set_parameter(doc, "password", password.c_str());
  // Records are built field by field; a null cell stays all zero bytes, as Paradox stores blanks.
  std::vector<char> record(PX_get_recordsize(doc));
  for (const auto& row : rows) {
    std::fill(record.begin(), record.end(), 0);
    int offset = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
      char* at = record.data() + offset;
      int len = fields[i].px_flen;
      offset += len;
      const PxCell& cell = i < row.size() ? row[i] : PxCell{};
      if (std::holds_alternative<std::monostate>(cell)) continue;
      if (auto* l = std::get_if<long>(&cell)) {
        if (columns[i].type == pxfShort) {
          PX_put_data_short(doc, at, len, static_cast<short>(*l));
        } else if (columns[i].type == pxfLogical) {
          PX_put_data_byte(doc, at, len, static_cast<char>(*l));
        } else {
          PX_put_data_long(doc, at, len, static_cast<int>(*l));
        }
      } else if (auto* d = std::get_if<double>(&cell)) {
        PX_put_data_double(doc, at, len, *d);
      } else {
        std::string text = std::get<std::string>(cell);
        PX_put_data_alpha(doc, at, len, text.data());
      }
    }
    if (PX_put_record(doc, record.data()) < 0) throw std::runtime_error("PX_put_record");
  }
  PX_close(doc);
  PX_delete(doc);
}

}  // namespace tarnik::engine::test
