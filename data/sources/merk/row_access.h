// The two layers under the plan readers: typed reads of the current row of a plan table (Row)
// and typed writes of published properties of a model element (Put*, PutColour), so that the
// readers state only which column goes to which property. Row reads throw EngineError for a
// column the table lacks or a value of the wrong kind; property writes never throw for an
// unknown property name (they tell the missing-property hook and do nothing).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/engine/field_type.h"
#include "data/engine/table.h"
#include "platform/name_index.h"

namespace tarnik::framework {
class TElement;
}

namespace tarnik::plan {
class TObecnyLesniPrvek;
}

namespace tarnik::plan::readers {

// round(x * 1 000 000) / 1 000 000 with ties to even.
double Round6(double x);

// Positions of a table's fields by the names the readers spell, resolved once. The names are
// nearly always literals: a small table keyed by the text's address answers them before the
// text is hashed (the text itself is still compared, so any string may be asked).
class ColumnMap {
 public:
  // The position remembered for `name` (-1: the table lacks it), or nullptr when not asked yet.
  const int* Find(std::string_view name);
  void Add(std::string_view name, int position);

 private:
  struct Recent {
    const char* data = nullptr;
    size_t size = 0;
    int entry = -1;  // into positions_
  };
  Recent& SlotOf(std::string_view name) {
    // Literals lie a few bytes apart: every bit of the address counts (Fibonacci hashing).
    const uint64_t address = reinterpret_cast<uintptr_t>(name.data());
    return recent_[static_cast<size_t>(((address ^ (name.size() << 7)) * 0x9E3779B97F4A7C15ULL) >>
                                       56)];
  }

  std::array<Recent, 256> recent_{};  // 2^8 slots
  platform::NameIndex names_;         // name → entry
  std::vector<std::string> spelled_;  // entry → name
  std::vector<int> positions_;        // entry → position
};

// Column maps per table, for as long as the tables live (a table's fields never change while it
// is open); whoever owns the tables may keep one across compartments.
class ColumnMapStore {
 public:
  ColumnMap& For(const engine::Table& table) { return maps_[&table]; }

 private:
  std::unordered_map<const engine::Table*, ColumnMap> maps_;
};

// The current row of a table. With a column map the field names are resolved once per map;
// without one on every read.
class Row {
 public:
  explicit Row(engine::Table& table, ColumnMap* columns = nullptr)
      : table_(table), columns_(columns) {}
  engine::Table& table() { return table_; }

  bool Has(std::string_view column) const { return Position(column) >= 0; }
  engine::FieldType Type(std::string_view column) const;
  const engine::Value& Value(std::string_view column) const;
  int64_t Int(std::string_view column) const;
  // Floating columns rounded to six decimals.
  double Float(std::string_view column) const { return Round6(RawFloat(column)); }
  double RawFloat(std::string_view column) const;
  std::string Text(std::string_view column) const;
  // A whole number of a text or number column; 0 when it is not one.
  int64_t IntOrZero(std::string_view column) const;
  // The integer text of a number column (an integer value without decimals).
  std::string IntText(std::string_view column) const { return std::to_string(Int(column)); }

 private:
  int Position(std::string_view column) const;
  // The position of a column that must exist (throws EngineError otherwise).
  int Required(std::string_view column) const;

  engine::Table& table_;
  ColumnMap* columns_;
};

// Typed writes of published properties through their writers (the model's setters apply
// their normalisation). A value of another kind than the property's is converted: integers and
// floats to decimal text with ".", texts to numbers (0 when not a number), floats to integers
// rounded with ties to even.
void PutInt(framework::TElement& element, std::string_view property, int64_t value);
void PutFloat(framework::TElement& element, std::string_view property, double value);
void PutText(framework::TElement& element, std::string_view property, const std::string& value);
void PutBool(framework::TElement& element, std::string_view property, bool value);

// Called with the class and property name when a Put* names a property the element does not
// publish, or one without a writer; nothing is called by default. Answers the previous hook.
using MissingPropertyHook = std::function<void(const std::string&, const std::string&)>;
MissingPropertyHook SetMissingPropertyHook(MissingPropertyHook hook);

// Copies a column into a property by the column's declared type: integer columns as integers,
// floating columns rounded to six decimals, everything else as text.
void CopyColumn(Row& row, framework::TElement& element, std::string_view column,
                std::string_view property);
// The same with the property named like the column.
inline void CopyColumn(Row& row, framework::TElement& element, std::string_view column) {
  CopyColumn(row, element, column, column);
}

// The colour of a "_br" code on the property `key` of the element's metadata.
void PutColour(TObecnyLesniPrvek& element, std::string_view key, int64_t code);

}  // namespace tarnik::plan::readers
