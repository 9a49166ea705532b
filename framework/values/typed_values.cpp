#include "framework/values/typed_values.h"

#include "framework/handles.h"
#include "framework/int_text.h"
#include "framework/values/value_text.h"
#include "platform/encoding.h"

namespace tarnik::framework {
namespace {

template <class T>
T* CloneNamed(const T& source, T* copy) {
  copy->SetName(source.OwnName());
  return copy;
}

void DefineBoolean(std::vector<TPropInfo>& out) {
  TPropDefs<TBooleanElement> d(out);
  d.Boolean("Value", &TBooleanElement::GetAsBoolean, &TBooleanElement::SetAsBoolean);
}
void DefineChar(std::vector<TPropInfo>& out) {
  TPropDefs<TCharElement> d(out);
  d.Char("Value", &TCharElement::GetAsChar, &TCharElement::SetAsChar);
}
void DefineByte(std::vector<TPropInfo>& out) {
  TPropDefs<TByteElement> d(out);
  d.Byte("Value", &TByteElement::GetAsByte, &TByteElement::SetAsByte);
}
void DefineFloat(std::vector<TPropInfo>& out) {
  TPropDefs<TFloatElement> d(out);
  d.Float("Value", &TFloatElement::GetAsFloat, &TFloatElement::SetAsFloat);
}
void DefineInteger(std::vector<TPropInfo>& out) {
  TPropDefs<TIntegerElement> d(out);
  d.Integer("Value", &TIntegerElement::GetAsInteger, &TIntegerElement::SetAsInteger);
}
void DefinePointer(std::vector<TPropInfo>& out) {
  TPropDefs<TPointerElement> d(out);
  TPropInfo& p = d.Integer("Value", &TPointerElement::GetAsPointer, &TPointerElement::SetAsPointer);
  p.type_name = "Pointer";
}

}  // namespace

TARNIK_DEFINE_CLASS(TBooleanElement, TTypeElement, DefineBoolean)
TARNIK_DEFINE_CLASS(TCharElement, TTypeElement, DefineChar)
TARNIK_DEFINE_CLASS(TByteElement, TTypeElement, DefineByte)
TARNIK_DEFINE_CLASS(TFloatElement, TTypeElement, DefineFloat)
TARNIK_DEFINE_CLASS(TIntegerElement, TTypeElement, DefineInteger)
TARNIK_DEFINE_CLASS(TPointerElement, TTypeElement, DefinePointer)

// Boolean.

void TBooleanElement::SetAsString(const std::string& text) {
  if (text == "true") {
    value_ = true;
  } else if (text == "false") {
    value_ = false;
  }
}

TTypeElement* TBooleanElement::Clone() const {
  return CloneNamed(*this, new TBooleanElement(value_));
}

// Char.

void TCharElement::SetAsInteger(int32_t value) {
  if (value > 0 && value < 256) value_ = static_cast<unsigned char>(value);
}

std::string TCharElement::GetAsString() const {
  std::string out;
  platform::AppendUtf8(&out, platform::Cp1250ByteToUnicode(value_));
  return out;
}

void TCharElement::SetAsString(const std::string& text) {
  if (text.empty()) return;
  size_t pos = 0;
  int byte = platform::UnicodeToCp1250Byte(platform::NextCodePoint(text, &pos));
  if (byte >= 0) value_ = static_cast<unsigned char>(byte);
}

TTypeElement* TCharElement::Clone() const { return CloneNamed(*this, new TCharElement(value_)); }

// Byte.

void TByteElement::SetAsFloat(double value) {
  if (auto n = TruncToInt64(value)) value_ = static_cast<uint8_t>(*n & 0xFF);
}

void TByteElement::SetAsString(const std::string& text) {
  if (auto n = WholeTextToInteger(text)) value_ = static_cast<uint8_t>(*n & 0xFF);
}

TTypeElement* TByteElement::Clone() const { return CloneNamed(*this, new TByteElement(value_)); }

// Float.

int32_t TFloatElement::GetAsInteger() const { return TruncToInt32(value_).value_or(0); }

std::string TFloatElement::GetAsString() const { return FloatToScientific(value_); }

void TFloatElement::SetAsString(const std::string& text) {
  if (auto v = ParseFloatWithSeparator(text, '.')) value_ = *v;
}

TTypeElement* TFloatElement::Clone() const { return CloneNamed(*this, new TFloatElement(value_)); }

// Integer.

void TIntegerElement::SetAsFloat(double value) {
  if (auto n = TruncToInt32(value)) value_ = *n;
}

void TIntegerElement::SetAsString(const std::string& text) {
  if (auto n = WholeTextToInteger(text)) value_ = *n;
}

TTypeElement* TIntegerElement::Clone() const {
  return CloneNamed(*this, new TIntegerElement(value_));
}

// Pointer.

void TPointerElement::SetAsString(const std::string& text) { value_ = ReadIntegerPrefix(text); }

TTypeElement* TPointerElement::Clone() const {
  return CloneNamed(*this, new TPointerElement(value_));
}

TElement* TPointerElement::Target() const { return FindElementByHandle(value_); }

void TPointerElement::SetTarget(TElement* element) { value_ = element ? element->Handle() : 0; }

}  // namespace tarnik::framework
