// String typed values: TStringElement (a text with the string column of the conversion table,
// the name=value form NameIsValue and integer lists read out of the text) and TPathElement (a
// string holding a file or directory path). Clone and AsIntegerList answer new elements owned by
// the caller.
#pragma once

#include <string>

#include "framework/values/type_element.h"

namespace tarnik::framework {

class TIntegerListElement;

// Tag of the constructor that parses its one text as NameIsValue.
struct TNameIsValueText {};
inline constexpr TNameIsValueText kNameIsValue{};

class TStringElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TStringElement)
  TStringElement() = default;
  explicit TStringElement(std::string value) : value_(std::move(value)) {}
  TStringElement(const std::string& name, std::string value);
  TStringElement(TNameIsValueText, const std::string& text);

  TType GetTyp() const override { return TType::_String; }
  std::string GetTypeAsString() const override { return "string"; }
  std::string GetAsString() const override { return value_; }
  void SetAsString(const std::string& text) override { value_ = text; }
  // The integer when the whole text is one, else 0; writing stores the decimal text.
  int32_t GetAsInteger() const override;
  void SetAsInteger(int32_t value) override { value_ = std::to_string(value); }
  // Read by the decimal-text rule (0 when it fails); written in general format with the user's
  // decimal separator.
  double GetAsFloat() const override;
  void SetAsFloat(double value) override;
  // A text that reads as a number is true when the number is not 0; otherwise "TRUE" or "ANO"
  // in any letter case. Writing stores "TRUE" or "FALSE".
  bool GetAsBoolean() const override;
  void SetAsBoolean(bool value) override { value_ = value ? "TRUE" : "FALSE"; }
  TTypeElement* Clone() const override;

  // name + "=" + value (an unnamed value gives "=" + value).
  std::string GetNameIsValue() const;
  // Splits at the first "=" into trimmed left and right parts: both non-empty set name and
  // value; only the left one sets the value (the name stays); an empty left one changes nothing.
  void SetNameIsValue(const std::string& text);

  // The integers found in the text, or nil when there is none: characters other than signs and
  // digits are skipped; a run of signs followed by digits is read; the scan stops at the end or
  // at the first run that is not an integer.
  TIntegerListElement* AsIntegerList() const;

 private:
  std::string value_;
};

class TPathElement : public TStringElement {
 public:
  TARNIK_ELEMENT_CLASS(TPathElement)
  TPathElement() = default;
  explicit TPathElement(std::string path) : TStringElement(std::move(path)) {}
  TPathElement(const std::string& name, std::string path) : TStringElement(name, std::move(path)) {}
  TTypeElement* Clone() const override;
};

}  // namespace tarnik::framework
