#include "framework/values/integer_list.h"

#include "framework/int_text.h"
#include "framework/values/typed_values.h"
#include "platform/text.h"

namespace tarnik::framework {

TARNIK_DEFINE_CLASS(TIntegerListElement, TOwnerEntity, nullptr)

int32_t TIntegerListElement::ValueAt(int index) const {
  auto* value = dynamic_cast<TTypeElement*>(GetElement(index));
  return value ? value->GetAsInteger() : 0;
}

void TIntegerListElement::AddValue(int32_t value) {
  if (!sorted_) {
    AddElement(new TIntegerElement(value));
    return;
  }
  int count = GetCount();
  if (!duplicates_) {
    for (int i = 0; i < count; ++i) {
      if (ValueAt(i) == value) return;
    }
  }
  for (int i = 0; i < count; ++i) {
    if (ValueAt(i) > value) {
      InsertElement(i, new TIntegerElement(value));
      return;
    }
  }
  AddElement(new TIntegerElement(value));
}

void TIntegerListElement::AddValuesFromText(const std::string& text) {
  for (const std::string& part : platform::Split(text, ',')) {
    if (auto n = WholeTextToInteger(part)) AddValue(*n);
  }
}

}  // namespace tarnik::framework
