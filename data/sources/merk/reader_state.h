// The state one compartment read shares between the readers of its levels: the plan tables by
// their container names, the read options, the message and progress outlets, and the colour
// step every reader runs (property metadata created once, then "_br" codes read into colours).
// Internal to the plan readers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "data/engine/plan_tables.h"
#include "data/sources/merk/plan_readers.h"
#include "data/sources/merk/row_access.h"

namespace tarnik::plan {
class TObecnyLesniPrvek;
}

namespace tarnik::plan::readers {

class ReaderState {
 public:
  explicit ReaderState(PlanReadContext& ctx);

  PlanReadContext& ctx() { return ctx_; }
  // The older table set reads no colours and no stored designations.
  bool older() const { return ctx_.older_set; }
  bool colours() const { return !ctx_.no_colours && !ctx_.older_set; }
  bool national_park() const { return ctx_.national_park; }

  // A table by its container name; nullptr when the plan lacks it.
  engine::Table* Get(const char* name) { return ctx_.tables->Get(name); }
  // The current row of a table with the table's field names resolved once per state.
  Row RowOf(engine::Table& table) {
    return Row(table, ctx_.column_maps ? &ctx_.column_maps->For(table) : &columns_.For(table));
  }

  // The modal message and the progress line.
  void Message(const std::string& text);
  void Progress(const std::string& text);

  // Prepares an element for its colours: metadata created when the element has none (only
  // with colours on).
  void PrepareColours(TObecnyLesniPrvek& element);
  // Reads colour column `column` of the row onto property `key` when colours are on and the
  // table has the column.
  void Colour(Row& row, TObecnyLesniPrvek& element, const std::string& column,
              std::string_view key);
  // The same with the key equal to the column name without its "_br" suffix.
  void Colour(Row& row, TObecnyLesniPrvek& element, const std::string& column);

  // The office code of a cadastral area (0 for an unknown area); nullopt without code lists.
  std::optional<int64_t> OfficeOfCadastralArea(int64_t cadastral_code);

 private:
  PlanReadContext& ctx_;
  ColumnMapStore columns_;  // when the context keeps none
};

// The element's full designation (its published CeleOznaceni).
std::string Designation(framework::TElement& element);

}  // namespace tarnik::plan::readers
