#include "data/sources/merk/row_access.h"

#include <fmt/format.h>
#include <cmath>

#include "data/engine/field_type.h"
#include "data/engine/field_value.h"
#include "forest/colour.h"
#include "forest/forest_element.h"
#include "framework/element.h"
#include "platform/checked_math.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan::readers {

namespace {

MissingPropertyHook& Hook() {
  static MissingPropertyHook hook;
  return hook;
}

const framework::TPropInfo* Writable(framework::TElement& element, std::string_view property) {
  const framework::TPropInfo* prop = element.ClassType().Find(property);
  if (!prop || !prop->HasWriter()) {
    if (Hook()) Hook()(element.ClassName(), std::string(property));
    return nullptr;
  }
  return prop;
}

int64_t RoundEven(double x) {
  if (!std::isfinite(x)) return 0;
  return platform::RoundToInt64(x);  // ties to even; beyond the range at its ends
}

std::string DotText(double x) { return fmt::format("{}", x); }

}  // namespace

double Round6(double x) {
  if (!std::isfinite(x)) return x;
  double scaled = x * 1000000.0;
  if (std::fabs(scaled) >= 9.0e15) return x;  // beyond the precision of the scaled value
  return std::nearbyint(scaled) / 1000000.0;
}

const int* ColumnMap::Find(std::string_view name) {
  Recent& slot = SlotOf(name);
  if (slot.entry >= 0 && slot.data == name.data() && slot.size == name.size() &&
      spelled_[static_cast<size_t>(slot.entry)] == name)
    return &positions_[static_cast<size_t>(slot.entry)];
  const int entry = names_.Find(name);
  if (entry < 0) return nullptr;
  slot = {name.data(), name.size(), entry};
  return &positions_[static_cast<size_t>(entry)];
}

void ColumnMap::Add(std::string_view name, int position) {
  const int entry = names_.Insert(name, static_cast<int>(positions_.size()));
  if (entry == static_cast<int>(positions_.size())) {
    spelled_.emplace_back(name);
    positions_.push_back(position);
  }
  SlotOf(name) = {name.data(), name.size(), entry};
}

int Row::Position(std::string_view column) const {
  if (!columns_) return table_.FieldPosition(std::string(column));
  if (const int* known = columns_->Find(column)) return *known;
  const int position = table_.FieldPosition(std::string(column));
  columns_->Add(column, position);
  return position;
}

int Row::Required(std::string_view column) const {
  const int position = Position(column);
  if (position < 0) table_.FieldByName(std::string(column));  // throws the engine's error
  return position;
}

engine::FieldType Row::Type(std::string_view column) const {
  return table_.fields()[Required(column)].shape.type;
}

const engine::Value& Row::Value(std::string_view column) const {
  return table_.GetValueAt(Required(column));
}

int64_t Row::Int(std::string_view column) const {
  const int position = Required(column);
  return engine::ValueAsInteger(table_.fields()[position], table_.GetValueAt(position));
}

double Row::RawFloat(std::string_view column) const {
  const int position = Required(column);
  return engine::ValueAsFloat(table_.fields()[position], table_.GetValueAt(position));
}

std::string Row::Text(std::string_view column) const {
  const int position = Required(column);
  return engine::ValueAsString(table_.fields()[position], table_.GetValueAt(position));
}

int64_t Row::IntOrZero(std::string_view column) const {
  const engine::Value& v = Value(column);
  if (v.is_integer()) return v.integer();
  if (v.is_real()) return RoundEven(v.real());
  if (v.is_text()) return platform::TextToInt(platform::Trim(v.text())).value_or(0);
  return 0;
}

MissingPropertyHook SetMissingPropertyHook(MissingPropertyHook hook) {
  MissingPropertyHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

void PutInt(framework::TElement& element, std::string_view property, int64_t value) {
  const framework::TPropInfo* prop = Writable(element, property);
  if (!prop) return;
  if (prop->set_ord) {
    prop->set_ord(element, value);
  } else if (prop->set_float) {
    prop->set_float(element, static_cast<double>(value));
  } else if (prop->set_str) {
    prop->set_str(element, std::to_string(value));
  } else if (Hook()) {
    Hook()(element.ClassName(), std::string(property));
  }
}

void PutFloat(framework::TElement& element, std::string_view property, double value) {
  const framework::TPropInfo* prop = Writable(element, property);
  if (!prop) return;
  if (prop->set_float) {
    prop->set_float(element, value);
  } else if (prop->set_ord) {
    prop->set_ord(element, RoundEven(value));
  } else if (prop->set_str) {
    prop->set_str(element, DotText(value));
  } else if (Hook()) {
    Hook()(element.ClassName(), std::string(property));
  }
}

void PutText(framework::TElement& element, std::string_view property, const std::string& value) {
  const framework::TPropInfo* prop = Writable(element, property);
  if (!prop) return;
  if (prop->set_str) {
    prop->set_str(element, value);
  } else if (prop->set_ord) {
    prop->set_ord(element, platform::TextToInt(platform::Trim(value)).value_or(0));
  } else if (prop->set_float) {
    prop->set_float(element, platform::TextToFloatDot(platform::Trim(value)).value_or(0.0));
  } else if (Hook()) {
    Hook()(element.ClassName(), std::string(property));
  }
}

void PutBool(framework::TElement& element, std::string_view property, bool value) {
  PutInt(element, property, value ? 1 : 0);
}

void CopyColumn(Row& row, framework::TElement& element, std::string_view column,
                std::string_view property) {
  engine::FieldType type = row.Type(column);
  if (engine::IsIntegerType(type)) {
    PutInt(element, property, row.Int(column));
  } else if (engine::IsRealType(type)) {
    PutFloat(element, property, row.Float(column));
  } else {
    PutText(element, property, row.Text(column));
  }
}

void PutColour(TObecnyLesniPrvek& element, std::string_view key, int64_t code) {
  element.NastavBarvuProperty(key, ColorFromCode(static_cast<int>(code)));
}

}  // namespace tarnik::plan::readers
