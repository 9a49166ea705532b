#include "forest/property_writes.h"

#include <cmath>

#include "framework/class_info.h"
#include "framework/element.h"
#include "platform/checked_math.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

const framework::TPropInfo* Find(framework::TElement& element, std::string_view property) {
  return element.ClassType().Find(property);
}

}  // namespace

void PutInt(framework::TElement& element, std::string_view property, int64_t value) {
  const framework::TPropInfo* prop = Find(element, property);
  if (!prop) return;
  if (prop->set_ord)
    prop->set_ord(element, value);
  else if (prop->set_float)
    prop->set_float(element, static_cast<double>(value));
  else if (prop->set_str)
    prop->set_str(element, std::to_string(value));
}

void PutFloat(framework::TElement& element, std::string_view property, double value) {
  const framework::TPropInfo* prop = Find(element, property);
  if (!prop) return;
  if (prop->set_float)
    prop->set_float(element, value);
  else if (prop->set_ord)
    prop->set_ord(element, std::isfinite(value) ? platform::RoundToInt64(value) : 0);
  else if (prop->set_str)
    prop->set_str(element, platform::FloatToTextDot(value));
}

void PutText(framework::TElement& element, std::string_view property, const std::string& value) {
  const framework::TPropInfo* prop = Find(element, property);
  if (!prop) return;
  if (prop->set_str)
    prop->set_str(element, value);
  else if (prop->set_ord)
    prop->set_ord(element, platform::TextToInt(platform::Trim(value)).value_or(0));
  else if (prop->set_float)
    prop->set_float(element, platform::TextToFloatDot(platform::Trim(value)).value_or(0.0));
}

double GetFloat(framework::TElement& element, std::string_view property) {
  const framework::TPropInfo* prop = Find(element, property);
  if (!prop) return 0;
  if (prop->get_float) return prop->get_float(element);
  if (prop->get_ord) return static_cast<double>(prop->get_ord(element));
  if (prop->get_str)
    return platform::TextToFloatDot(platform::Trim(prop->get_str(element))).value_or(0);
  return 0;
}

std::string GetText(framework::TElement& element, std::string_view property) {
  const framework::TPropInfo* prop = Find(element, property);
  if (!prop) return std::string();
  return element.GetPropertyText(property);
}

}  // namespace tarnik::plan
