#include "framework/values/string_element.h"

#include "framework/int_text.h"
#include "framework/values/integer_list.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::framework {
namespace {

void DefineString(std::vector<TPropInfo>& out) {
  TPropDefs<TStringElement> d(out);
  d.String("Value", &TStringElement::GetAsString, &TStringElement::SetAsString);
  // A view of Name and Value, both stored on their own: storing it too would make a copy
  // re-split the value (an empty value would take the name, blanks would be trimmed).
  d.String("NameIsValue", &TStringElement::GetNameIsValue, &TStringElement::SetNameIsValue)
      .NotStored();
}

bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TARNIK_DEFINE_CLASS(TStringElement, TTypeElement, DefineString)
TARNIK_DEFINE_CLASS(TPathElement, TStringElement, nullptr)

TStringElement::TStringElement(const std::string& name, std::string value)
    : value_(std::move(value)) {
  SetName(name);
}

TStringElement::TStringElement(TNameIsValueText, const std::string& text) { SetNameIsValue(text); }

int32_t TStringElement::GetAsInteger() const { return WholeTextToInteger(value_).value_or(0); }

double TStringElement::GetAsFloat() const { return ReadDecimalText(value_).value_or(0.0); }

void TStringElement::SetAsFloat(double value) { value_ = platform::FloatToText(value); }

bool TStringElement::GetAsBoolean() const {
  if (auto number = ReadDecimalText(value_)) return *number != 0;
  std::string upper = platform::UpperCz(value_);
  return upper == "TRUE" || upper == "ANO";
}

TTypeElement* TStringElement::Clone() const { return new TStringElement(OwnName(), value_); }

std::string TStringElement::GetNameIsValue() const { return OwnName() + "=" + value_; }

void TStringElement::SetNameIsValue(const std::string& text) {
  size_t eq = text.find('=');
  std::string left = platform::Trim(std::string_view(text).substr(0, eq));
  std::string right = eq == std::string::npos
                          ? std::string()
                          : platform::Trim(std::string_view(text).substr(eq + 1));
  if (left.empty()) return;
  if (right.empty()) {
    value_ = left;
  } else {
    SetName(left);
    value_ = right;
  }
}

TIntegerListElement* TStringElement::AsIntegerList() const {
  TIntegerListElement* list = nullptr;
  const std::string& t = value_;
  size_t i = 0;
  while (i < t.size()) {
    while (i < t.size() && !IsSign(t[i]) && !IsDigit(t[i])) ++i;
    if (i == t.size()) break;
    size_t start = i;
    while (i < t.size() && IsSign(t[i])) ++i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    auto n = WholeTextToInteger(std::string_view(t).substr(start, i - start));
    if (!n) break;
    if (!list) list = new TIntegerListElement();
    list->AddValue(*n);
  }
  return list;
}

TTypeElement* TPathElement::Clone() const { return new TPathElement(OwnName(), GetAsString()); }

}  // namespace tarnik::framework
