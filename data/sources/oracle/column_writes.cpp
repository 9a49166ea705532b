#include "data/sources/oracle/column_writes.h"

#include <limits>

#include "forest/property_writes.h"
#include "framework/class_info.h"
#include "framework/element.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan::oracle {

namespace {

const framework::TPropInfo* Writable(framework::TElement& element, std::string_view property) {
  const framework::TPropInfo* prop = element.ClassType().Find(property);
  return prop && prop->HasWriter() ? prop : nullptr;
}

}  // namespace

bool Writes(framework::TElement& element, std::string_view property) {
  return Writable(element, property) != nullptr;
}

void PutInt(framework::TElement& element, std::string_view property, int64_t value) {
  plan::PutInt(element, property, value);
}

void PutFloat(framework::TElement& element, std::string_view property, double value) {
  plan::PutFloat(element, property, value);
}

void PutText(framework::TElement& element, std::string_view property, const std::string& value) {
  const framework::TPropInfo* prop = Writable(element, property);
  if (!prop) return;
  if (prop->set_str)
    prop->set_str(element, value);
  else if (prop->set_ord)
    prop->set_ord(element, platform::TextToInt64(platform::Trim(value)).value_or(0));
  else if (prop->set_float)
    prop->set_float(element, platform::TextToFloatDot(platform::Trim(value)).value_or(0.0));
}

void PutValue(framework::TElement& element, std::string_view property, const engine::Value& value) {
  if (value.is_integer())
    PutInt(element, property, value.integer());
  else if (value.is_real())
    PutFloat(element, property, value.real());
  else if (value.is_text())
    PutText(element, property, value.text());
  else if (value.is_timestamp())
    PutText(element, property,
            platform::DateToText(
                {value.timestamp().day, value.timestamp().month, value.timestamp().year}));
  else
    PutText(element, property, std::string());
}

int64_t Digits(const engine::SqlResult& row, const std::string& column) {
  int64_t number = 0;
  for (char c : row.AsString(column)) {
    if (c < '0' || c > '9') continue;
    if (number > (std::numeric_limits<int64_t>::max() - 9) / 10) return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace tarnik::plan::oracle
