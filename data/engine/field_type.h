// Paradox field types as the engine keeps them in SQLite declared column types, and the mapping
// both ways ("VARCHAR(40)" <-> alpha of width 40). Pure functions.
#pragma once

#include <string>
#include <string_view>

namespace tarnik::engine {

enum class FieldType {
  kAlpha,      // VARCHAR(n): text of at most n characters
  kSmallInt,   // SMALLINT
  kInteger,    // INTEGER
  kAutoInc,    // AUTOINC
  kFloat,      // DOUBLE
  kCurrency,   // CURRENCY
  kDate,       // DATE, stored 'YYYY-MM-DD'
  kTime,       // TIME, stored 'HH:MM:SS'
  kTimestamp,  // TIMESTAMP, stored 'YYYY-MM-DD HH:MM:SS'
  kLogical,    // LOGICAL, stored 0/1
  kMemo,       // TEXT: text without a width
  kBlob,       // BLOB
  kBytes,      // BLOB(n)
};

struct FieldShape {
  FieldType type = FieldType::kMemo;
  int size = 0;  // characters of an alpha field, bytes of a bytes field, otherwise 0
};

// Reads a declared column type. Besides the engine's own names it accepts the SQL spellings
// the statements of older tools use (CHAR(n), FLOAT, NUMERIC, BOOLEAN, ...); anything unknown
// is a memo (text without a width).
FieldShape ParseDeclaredType(std::string_view declared);
// The declared type written for a field ("VARCHAR(40)", "SMALLINT", ...).
std::string DeclaredType(const FieldShape& shape);

bool IsTextType(FieldType type);     // alpha, memo, date, time, timestamp
bool IsIntegerType(FieldType type);  // small int, integer, autoinc, logical
bool IsRealType(FieldType type);     // float, currency

}  // namespace tarnik::engine
