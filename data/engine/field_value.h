// Conversions between Values and the Paradox field types: what a write stores for a field
// (texts cut to the declared width in characters, numbers parsed from texts, dates normalised to
// 'YYYY-MM-DD') and how a stored value reads as text, integer, float or boolean. Pure functions;
// failures throw EngineError.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/engine/database.h"
#include "data/engine/value.h"
#include "platform/numtext.h"

namespace tarnik::engine {

// The value stored when `value` is written into the field.
Value ValueForField(const ColumnInfo& field, const Value& value);

std::string ValueAsString(const ColumnInfo& field, const Value& value);
int64_t ValueAsInteger(const ColumnInfo& field, const Value& value);
double ValueAsFloat(const ColumnInfo& field, const Value& value);
bool ValueAsBoolean(const ColumnInfo& field, const Value& value);
std::optional<platform::Date> ValueAsDate(const Value& value);
// 'YYYY-MM-DD' of a date.
std::string IsoDate(const platform::Date& date);

}  // namespace tarnik::engine
