#include "data/engine/paradox_reader.h"

#include <cmath>
#include <cstring>
#include <memory>

#include <fmt/format.h>

extern "C" {
#include <paradox.h>
}

#include "data/engine/engine_error.h"
#include "data/engine/field_value.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/numtext.h"

namespace tarnik::engine {

namespace {

// Julian day number of 1.1.0001 minus one: Paradox counts days from that date.
constexpr long kParadoxDayOffset = 1721425;
constexpr double kMillisPerDay = 86400000.0;
constexpr double kLastDay = 3652059;  // 31.12.9999 in days since 1.1.0001

struct DocCloser {
  void operator()(pxdoc_t* doc) const {
    PX_close(doc);
    PX_delete(doc);
  }
};

void CollectError(pxdoc_t*, int level, const char* msg, void* data) {
  if (level == PX_Warning || !data || !msg) return;
  auto* last = static_cast<std::string*>(data);
  *last = msg;
}

std::string DecodeText(std::string_view bytes, int code_page) {
  if (code_page == 852) return platform::Cp852ExchangeToUtf8(bytes);
  return platform::Cp1250ToUtf8(bytes);
}

FieldShape SpecOf(const pxfield_t& f) {
  switch (f.px_ftype) {
    case pxfAlpha:
      return {FieldType::kAlpha, f.px_flen};
    case pxfDate:
      return {FieldType::kDate, 0};
    case pxfShort:
      return {FieldType::kSmallInt, 0};
    case pxfLong:
      return {FieldType::kInteger, 0};
    case pxfAutoInc:
      return {FieldType::kAutoInc, 0};
    case pxfCurrency:
      return {FieldType::kCurrency, 0};
    case pxfNumber:
    case pxfBCD:
      return {FieldType::kFloat, 0};
    case pxfLogical:
      return {FieldType::kLogical, 0};
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb:
      return {FieldType::kMemo, 0};
    case pxfTime:
      return {FieldType::kTime, 0};
    case pxfTimestamp:
      return {FieldType::kTimestamp, 0};
    case pxfBytes:
      return {FieldType::kBytes, f.px_flen};
    default:  // BLOb, OLE, graphic
      return {FieldType::kBlob, 0};
  }
}

std::string DateText(long days) {
  int y = 0, m = 0, d = 0;
  PX_SdnToGregorian(days + kParadoxDayOffset, &y, &m, &d);
  return IsoDate(platform::Date{d, m, y});
}

std::string TimeText(long millis) {
  long s = millis / 1000;
  return fmt::format("{:02}:{:02}:{:02}", s / 3600, (s / 60) % 60, s % 60);
}

// Takes ownership of a pxlib-allocated string.
std::string TakeString(pxdoc_t* doc, char* value, size_t max_len) {
  if (!value) return "";
  std::string out(value, strnlen(value, max_len));
  doc->free(doc, value);
  return out;
}

bool AllZero(const char* data, int len) {
  for (int i = 0; i < len; ++i) {
    if (data[i] != 0) return false;
  }
  return true;
}

Value ReadField(pxdoc_t* doc, const pxfield_t& f, char* data, int code_page, bool has_blob) {
  int len = f.px_flen;
  // A blank field of any type is stored as zero bytes (pxlib does not tell it for every type).
  if (AllZero(data, len)) return Value();
  switch (f.px_ftype) {
    case pxfAlpha: {
      char* v = nullptr;
      if (PX_get_data_alpha(doc, data, len, &v) <= 0) {
        if (v) doc->free(doc, v);
        return Value();
      }
      std::string text = DecodeText(TakeString(doc, v, len), code_page);
      return text.empty() ? Value() : Value(text);
    }
    case pxfShort: {
      short v = 0;
      if (PX_get_data_short(doc, data, len, &v) <= 0) return Value();
      return Value(static_cast<int64_t>(v));
    }
    case pxfLong:
    case pxfAutoInc:
    case pxfDate:
    case pxfTime: {
      long v = 0;
      if (PX_get_data_long(doc, data, len, &v) <= 0) return Value();
      if (f.px_ftype == pxfDate) return Value(DateText(v));
      if (f.px_ftype == pxfTime) return Value(TimeText(v));
      return Value(static_cast<int64_t>(v));
    }
    case pxfNumber:
    case pxfCurrency:
    case pxfTimestamp: {
      double v = 0;
      if (PX_get_data_double(doc, data, len, &v) <= 0) return Value();
      if (f.px_ftype == pxfTimestamp) {
        double days = std::floor(v / kMillisPerDay);
        // Days up to 31.12.9999; anything else (or no number at all) is no timestamp.
        if (!(days >= 0 && days <= kLastDay)) return Value();
        long millis = static_cast<long>(v - days * kMillisPerDay);
        return Value(DateText(static_cast<long>(days)) + " " + TimeText(millis));
      }
      return Value(v);
    }
    case pxfLogical: {
      char v = 0;
      if (PX_get_data_byte(doc, data, len, &v) <= 0) return Value();
      return Value(static_cast<int64_t>(v != 0));
    }
    case pxfBCD: {
      char* v = nullptr;
      if (PX_get_data_bcd(doc, reinterpret_cast<unsigned char*>(data), f.px_fdc, &v) <= 0) {
        if (v) doc->free(doc, v);
        return Value();
      }
      std::string text = TakeString(doc, v, 64);
      if (auto x = platform::TextToFloatDot(text)) return Value(*x);
      return Value();
    }
    case pxfBytes: {
      char* v = nullptr;
      if (PX_get_data_bytes(doc, data, len, &v) <= 0) {
        if (v) doc->free(doc, v);
        return Value();
      }
      std::string bytes(v, len);
      doc->free(doc, v);
      return Value(Bytes{bytes});
    }
    default: {  // memo and binary fields live in the .MB file
      if (!has_blob) return Value();
      int mod = 0, size = 0;
      char* v = nullptr;
      if (PX_get_data_blob(doc, data, len, &mod, &size, &v) <= 0 || !v) return Value();
      std::string bytes(v, size);
      doc->free(doc, v);
      if (f.px_ftype == pxfMemoBLOb || f.px_ftype == pxfFmtMemoBLOb)
        return Value(DecodeText(bytes, code_page));
      return Value(Bytes{bytes});
    }
  }
}

}  // namespace

ParadoxTable ReadParadoxTable(const std::string& path) {
  std::string last_error;
  std::unique_ptr<pxdoc_t, DocCloser> doc(
      PX_new3(CollectError, nullptr, nullptr, nullptr, &last_error));
  if (!doc) throw EngineError("Knihovnu pro čtení tabulek Paradox nelze spustit.");
  if (PX_open_file(doc.get(), path.c_str()) < 0) {
    throw EngineError(fmt::format("Soubor \"{}\" nelze otevřít jako tabulku Paradox{}.", path,
                                  last_error.empty() ? "" : ": " + last_error));
  }
  pxhead_t* head = doc->px_head;
  ParadoxTable table;
  table.file = path;
  table.code_page = head->px_doscodepage;
  table.encrypted = head->px_encryption != 0;
  table.primary_key_fields = head->px_primarykeyfields;
  int n = PX_get_num_fields(doc.get());
  pxfield_t* fields = PX_get_fields(doc.get());
  if (n <= 0 || !fields) throw EngineError(fmt::format("Tabulka \"{}\" nemá žádné položky.", path));
  for (int i = 0; i < n; ++i) {
    std::string name = DecodeText(fields[i].px_fname ? fields[i].px_fname : "", table.code_page);
    table.fields.push_back(FieldDef{name, SpecOf(fields[i]), false});
  }
  bool has_blob = false;
  std::string mb = platform::ChangeExtension(path, ".MB");
  if (auto found = platform::FindInDirectory(platform::DirectoryOf(mb), platform::FileNameOf(mb)))
    has_blob = PX_set_blob_file(doc.get(), found->c_str()) == 0;

  std::vector<char> record(PX_get_recordsize(doc.get()));
  int count = PX_get_num_records(doc.get());
  for (int r = 0; r < count; ++r) {
    int deleted = 0;
    pxdatablockinfo_t info;
    if (!PX_get_record2(doc.get(), r, record.data(), &deleted, &info)) {
      if (table.encrypted)
        throw EngineError(fmt::format(
            "Tabulka \"{}\" je chráněna heslem, které knihovna Paradox neumí obejít.", path));
      throw EngineError(fmt::format("Záznam {} tabulky \"{}\" nelze přečíst{}.", r + 1, path,
                                    last_error.empty() ? "" : ": " + last_error));
    }
    if (deleted) continue;
    std::vector<Value> row;
    row.reserve(n);
    int offset = 0;
    for (int i = 0; i < n; ++i) {
      row.push_back(
          ReadField(doc.get(), fields[i], record.data() + offset, table.code_page, has_blob));
      offset += fields[i].px_flen;
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace tarnik::engine
