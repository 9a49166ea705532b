// Writes of result columns into published properties of model elements, for the readers of the
// LČR server tables: through the property's own writer (so the model's setters apply their
// rules), converting between integer, float and text as the property needs. A property the
// element does not publish, or cannot write, is passed over silently. Never throws.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/engine/sql_connection.h"

namespace tarnik::framework {
class TElement;
}

namespace tarnik::plan::oracle {

// As the plan readers' writes (forest/property_writes.h), except that PutText reads a number for
// an integer property in the whole 64-bit range.
void PutInt(framework::TElement& element, std::string_view property, int64_t value);
void PutFloat(framework::TElement& element, std::string_view property, double value);
void PutText(framework::TElement& element, std::string_view property, const std::string& value);
// A column value by its kind: integers as integers, reals as floats, everything else as text
// (null as an empty text).
void PutValue(framework::TElement& element, std::string_view property, const engine::Value& value);
// Whether the element publishes a writable property of that name.
bool Writes(framework::TElement& element, std::string_view property);

// The decimal digits of a column's text read as one integer; 0 when it has none.
int64_t Digits(const engine::SqlResult& row, const std::string& column);

}  // namespace tarnik::plan::oracle
