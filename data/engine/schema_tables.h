// Internal to the schema: the table lists of each set and the shorthand the lists are written in
// (kF floating point, kI integer, kS small integer, kD date, kM text without width, A(n) text of
// n characters). The lists are built once and never change.
#pragma once

#include <vector>

#include "data/engine/schema.h"

namespace tarnik::engine::schema_internal {

inline constexpr FieldShape kF{FieldType::kFloat, 0};
inline constexpr FieldShape kI{FieldType::kInteger, 0};
inline constexpr FieldShape kS{FieldType::kSmallInt, 0};
inline constexpr FieldShape kD{FieldType::kDate, 0};
inline constexpr FieldShape kM{FieldType::kMemo, 0};
inline constexpr FieldShape kL{FieldType::kLogical, 0};
constexpr FieldShape A(int width) { return FieldShape{FieldType::kAlpha, width}; }

std::vector<SchemaTable> BuildPlanTables();
std::vector<SchemaTable> BuildOlderPlanOnlyTables();
std::vector<SchemaTable> BuildPhsTables();
std::vector<SchemaTable> BuildCodeListTables();

}  // namespace tarnik::engine::schema_internal
