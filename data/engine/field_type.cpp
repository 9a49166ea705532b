#include "data/engine/field_type.h"

#include <fmt/format.h>

#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::engine {

FieldShape ParseDeclaredType(std::string_view declared) {
  std::string t = platform::UpperAscii(platform::Trim(declared));
  std::string base = t;
  int size = 0;
  if (auto open = t.find('('); open != std::string::npos) {
    base = platform::Trim(t.substr(0, open));
    auto close = t.find(')', open);
    std::string inner =
        t.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    if (auto comma = inner.find(','); comma != std::string::npos) inner = inner.substr(0, comma);
    size = platform::TextToInt(inner).value_or(0);
    if (size < 0) size = 0;
  }
  if (base == "VARCHAR" || base == "CHAR" || base == "CHARACTER" || base == "NVARCHAR" ||
      base == "ALPHA") {
    if (size > 0) return {FieldType::kAlpha, size};
    return {FieldType::kMemo, 0};
  }
  if (base == "SMALLINT" || base == "SHORT") return {FieldType::kSmallInt, 0};
  if (base == "INTEGER" || base == "INT" || base == "LONG" || base == "BIGINT")
    return {FieldType::kInteger, 0};
  if (base == "AUTOINC") return {FieldType::kAutoInc, 0};
  if (base == "DOUBLE" || base == "FLOAT" || base == "REAL" || base == "NUMERIC" ||
      base == "DECIMAL" || base == "NUMBER" || base == "BCD")
    return {FieldType::kFloat, 0};
  if (base == "CURRENCY" || base == "MONEY") return {FieldType::kCurrency, 0};
  if (base == "DATE") return {FieldType::kDate, 0};
  if (base == "TIME") return {FieldType::kTime, 0};
  if (base == "TIMESTAMP" || base == "DATETIME") return {FieldType::kTimestamp, 0};
  if (base == "LOGICAL" || base == "BOOLEAN" || base == "BOOL") return {FieldType::kLogical, 0};
  if (base == "BLOB") {
    if (size > 0) return {FieldType::kBytes, size};
    return {FieldType::kBlob, 0};
  }
  return {FieldType::kMemo, 0};
}

std::string DeclaredType(const FieldShape& shape) {
  switch (shape.type) {
    case FieldType::kAlpha:
      return fmt::format("VARCHAR({})", shape.size > 0 ? shape.size : 255);
    case FieldType::kSmallInt:
      return "SMALLINT";
    case FieldType::kInteger:
      return "INTEGER";
    case FieldType::kAutoInc:
      return "AUTOINC";
    case FieldType::kFloat:
      return "DOUBLE";
    case FieldType::kCurrency:
      return "CURRENCY";
    case FieldType::kDate:
      return "DATE";
    case FieldType::kTime:
      return "TIME";
    case FieldType::kTimestamp:
      return "TIMESTAMP";
    case FieldType::kLogical:
      return "LOGICAL";
    case FieldType::kMemo:
      return "TEXT";
    case FieldType::kBlob:
      return "BLOB";
    case FieldType::kBytes:
      return fmt::format("BLOB({})", shape.size);
  }
  return "TEXT";
}

bool IsTextType(FieldType type) {
  return type == FieldType::kAlpha || type == FieldType::kMemo || type == FieldType::kDate ||
         type == FieldType::kTime || type == FieldType::kTimestamp;
}
bool IsIntegerType(FieldType type) {
  return type == FieldType::kSmallInt || type == FieldType::kInteger ||
         type == FieldType::kAutoInc || type == FieldType::kLogical;
}
bool IsRealType(FieldType type) {
  return type == FieldType::kFloat || type == FieldType::kCurrency;
}

}  // namespace tarnik::engine
