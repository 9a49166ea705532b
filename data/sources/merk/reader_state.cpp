#include "data/sources/merk/reader_state.h"

#include "forest/codelists/code_list_container.h"
#include "forest/forest_element.h"
#include "platform/ui.h"

namespace tarnik::plan::readers {

ReaderState::ReaderState(PlanReadContext& ctx) : ctx_(ctx) {}

void ReaderState::Message(const std::string& text) {
  platform::ui().ShowMessage(text, platform::Severity::kPassedOver);
}

void ReaderState::Progress(const std::string& text) {
  if (ctx_.progress) ctx_.progress(text);
}

void ReaderState::PrepareColours(TObecnyLesniPrvek& element) {
  if (colours() && !element.Vlastnosti()) element.VytvorVlastnosti();
}

void ReaderState::Colour(Row& row, TObecnyLesniPrvek& element, const std::string& column,
                         std::string_view key) {
  if (!colours() || !row.Has(column)) return;
  PutColour(element, key, row.Int(column));
}

void ReaderState::Colour(Row& row, TObecnyLesniPrvek& element, const std::string& column) {
  std::string_view key = column;
  if (key.size() > 3 && (key.ends_with("_br") || key.ends_with("_BR") || key.ends_with("_Br")))
    key.remove_suffix(3);
  Colour(row, element, column, key);
}

std::optional<int64_t> ReaderState::OfficeOfCadastralArea(int64_t cadastral_code) {
  if (!ctx_.code_lists) return std::nullopt;
  return ctx_.code_lists->Lists().OfficeOfCadastralArea(cadastral_code);
}

std::string Designation(framework::TElement& element) {
  return element.GetPropertyText("CeleOznaceni");
}

}  // namespace tarnik::plan::readers
