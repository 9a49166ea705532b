// Internal to the schema: the table lists of each set and the shorthand the lists are written in
// (kF floating point, kI integer, kS small integer, kD date, kM text without width, A(n) text of
// n characters). The lists are built once and never change.
#pragma once

#include <vector>

#include "data/engine/schema.h"

namespace tarnik::engine::schema_internal {

inline constexpr FieldSpec kF{FieldType::kFloat, 0};
inline constexpr FieldSpec kI{FieldType::kInteger, 0};
inline constexpr FieldSpec kS{FieldType::kSmallInt, 0};
inline constexpr FieldSpec kD{FieldType::kDate, 0};
inline constexpr FieldSpec kM{FieldType::kMemo, 0};
inline constexpr FieldSpec kL{FieldType::kLogical, 0};
constexpr FieldSpec A(int width) { return FieldSpec{FieldType::kAlpha, width}; }

std::vector<SchemaTable> BuildPlanTables();
std::vector<SchemaTable> BuildOlderPlanOnlyTables();
std::vector<SchemaTable> BuildPhsTables();
std::vector<SchemaTable> BuildCodeListTables();

}  // namespace tarnik::engine::schema_internal
