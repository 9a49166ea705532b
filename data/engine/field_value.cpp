#include "data/engine/field_value.h"

#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "platform/encoding.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {

std::optional<platform::Date> ParseIsoDate(std::string_view t) {
  if (t.size() < 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  auto y = platform::TextToInt(t.substr(0, 4));
  auto m = platform::TextToInt(t.substr(5, 2));
  auto d = platform::TextToInt(t.substr(8, 2));
  if (!y || !m || !d) return std::nullopt;
  platform::Date date{*d, *m, *y};
  if (!platform::IsValidDate(date)) return std::nullopt;
  return date;
}

int64_t RoundToInteger(double x, const ColumnInfo& field) {
  if (!std::isfinite(x) || std::fabs(x) > 9.2e18)
    throw EngineError(fmt::format("Hodnota {} se nevejde do položky \"{}\".", x, field.name));
  return std::llround(x);
}

int64_t CheckIntegerRange(int64_t v, const ColumnInfo& field) {
  int64_t lo = std::numeric_limits<int64_t>::min(), hi = std::numeric_limits<int64_t>::max();
  if (field.shape.type == FieldType::kSmallInt) {
    lo = -32768;
    hi = 32767;
  } else if (field.shape.type == FieldType::kInteger || field.shape.type == FieldType::kAutoInc) {
    lo = std::numeric_limits<int32_t>::min();
    hi = std::numeric_limits<int32_t>::max();
  }
  if (v < lo || v > hi)
    throw EngineError(fmt::format("Hodnota {} se nevejde do položky \"{}\".", v, field.name));
  return v;
}

bool TextIsTrue(const std::string& t) {
  std::string u = platform::UpperCz(platform::Trim(t));
  return u == "TRUE" || u == "T" || u == "ANO" || u == "A" || u == "Y" || u == "YES" || u == "1";
}

}  // namespace

std::string IsoDate(const platform::Date& d) {
  return fmt::format("{:04}-{:02}-{:02}", d.year, d.month, d.day);
}

Value ValueForField(const ColumnInfo& field, const Value& value) {
  if (value.is_null()) return Value();
  if (value.is_text() && value.text().empty() && field.shape.type != FieldType::kBlob &&
      field.shape.type != FieldType::kBytes)
    return Value();
  FieldType type = field.shape.type;
  if (IsIntegerType(type)) {
    int64_t v;
    if (value.is_integer()) {
      v = value.integer();
    } else if (value.is_real()) {
      v = RoundToInteger(value.real(), field);
    } else if (value.is_text()) {
      if (type == FieldType::kLogical) {
        std::string u = platform::UpperCz(platform::Trim(value.text()));
        if (u == "FALSE" || u == "F" || u == "NE" || u == "N" || u == "NO" || u == "0") {
          v = 0;
        } else if (TextIsTrue(value.text())) {
          v = 1;
        } else {
          throw EngineError(fmt::format("\"{}\" není logická hodnota (položka \"{}\").",
                                        value.text(), field.name));
        }
      } else if (auto i = platform::TextToInt64(value.text())) {
        v = *i;
      } else if (auto f = platform::TextToFloat(value.text())) {
        v = RoundToInteger(*f, field);
      } else {
        throw EngineError(fmt::format("\"{}\" není platné celé číslo (položka \"{}\").",
                                      value.text(), field.name));
      }
    } else {
      throw EngineError(fmt::format("Položka \"{}\" nepřijme binární data.", field.name));
    }
    if (type == FieldType::kLogical) return Value(static_cast<int64_t>(v != 0));
    return Value(CheckIntegerRange(v, field));
  }
  if (IsRealType(type)) {
    if (value.is_number()) return Value(value.number());
    if (value.is_text()) {
      if (auto f = platform::TextToFloat(value.text())) return Value(*f);
      throw EngineError(
          fmt::format("\"{}\" není platné číslo (položka \"{}\").", value.text(), field.name));
    }
    throw EngineError(fmt::format("Položka \"{}\" nepřijme binární data.", field.name));
  }
  if (type == FieldType::kDate) {
    if (value.is_timestamp()) return Value(value.timestamp().IsoText().substr(0, 10));
    if (!value.is_text()) throw EngineError(fmt::format("Položka \"{}\" čeká datum.", field.name));
    std::string t = platform::Trim(value.text());
    if (auto iso = ParseIsoDate(t)) return Value(IsoDate(*iso));
    if (auto d = platform::TextToDate(t)) return Value(IsoDate(*d));
    throw EngineError(
        fmt::format("\"{}\" není platné datum (položka \"{}\").", value.text(), field.name));
  }
  if (type == FieldType::kBlob || type == FieldType::kBytes) {
    std::string bytes = value.is_bytes()  ? value.bytes().data
                        : value.is_text() ? value.text()
                                          : ValueAsString(field, value);
    if (type == FieldType::kBytes && field.shape.size > 0 &&
        bytes.size() > static_cast<size_t>(field.shape.size))
      bytes.resize(field.shape.size);
    return Value(Bytes{bytes});
  }
  // Texts: alpha, memo, time, timestamp.
  std::string text;
  if (value.is_text()) {
    text = value.text();
  } else if (value.is_integer()) {
    text = std::to_string(value.integer());
  } else if (value.is_real()) {
    text = platform::FloatToText(value.real());
  } else if (value.is_timestamp()) {
    text = value.timestamp().IsoText();
  } else {
    text = value.bytes().data;
  }
  if (type == FieldType::kAlpha && field.shape.size > 0 &&
      platform::Utf8Length(text) > static_cast<size_t>(field.shape.size))
    text = platform::Utf8Prefix(text, field.shape.size);
  if (text.empty()) return Value();
  return Value(text);
}

std::string ValueAsString(const ColumnInfo& field, const Value& v) {
  if (v.is_null()) return "";
  if (field.shape.type == FieldType::kLogical && v.is_number())
    return v.number() != 0 ? "True" : "False";
  if (v.is_integer()) return std::to_string(v.integer());
  if (v.is_real()) return platform::FloatToText(v.real());
  if (v.is_bytes()) return v.bytes().data;
  if (v.is_timestamp()) return v.timestamp().IsoText();
  if (field.shape.type == FieldType::kDate) {
    if (auto d = ParseIsoDate(v.text())) return platform::DateToText(*d);
  }
  return v.text();
}

int64_t ValueAsInteger(const ColumnInfo& field, const Value& v) {
  if (v.is_null()) return 0;
  if (v.is_integer()) return v.integer();
  if (v.is_real()) return RoundToInteger(v.real(), field);
  if (v.is_text()) {
    if (platform::Trim(v.text()).empty()) return 0;
    if (auto i = platform::TextToInt64(v.text())) return *i;
    if (auto f = platform::TextToFloat(v.text())) return RoundToInteger(*f, field);
    if (field.shape.type == FieldType::kLogical) return TextIsTrue(v.text()) ? 1 : 0;
  }
  throw EngineError(fmt::format("Hodnota položky \"{}\" není celé číslo.", field.name));
}

double ValueAsFloat(const ColumnInfo& field, const Value& v) {
  if (v.is_null()) return 0.0;
  if (v.is_number()) return v.number();
  if (v.is_text()) {
    if (platform::Trim(v.text()).empty()) return 0.0;
    if (auto f = platform::TextToFloat(v.text())) return *f;
  }
  throw EngineError(fmt::format("Hodnota položky \"{}\" není číslo.", field.name));
}

bool ValueAsBoolean(const ColumnInfo& field, const Value& v) {
  if (v.is_null()) return false;
  if (v.is_number()) return v.number() != 0;
  if (v.is_text()) return TextIsTrue(v.text());
  throw EngineError(fmt::format("Hodnota položky \"{}\" není logická.", field.name));
}

std::optional<platform::Date> ValueAsDate(const Value& v) {
  if (!v.is_text()) return std::nullopt;
  if (auto d = ParseIsoDate(v.text())) return d;
  return platform::TextToDate(v.text());
}

}  // namespace tarnik::engine
