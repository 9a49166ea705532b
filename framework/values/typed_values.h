// The concrete typed value elements except the string ones (string_element.h): boolean,
// character, byte, float, integer and pointer (an element handle). Each converts by the fixed
// table of the typed values: a setter that does not apply, or a text that does not parse, leaves
// the value as it was; an integer overflow while converting is swallowed (the value stays, a
// getter answers 0). Clone answers a new element owned by the caller.
#pragma once

#include <cstdint>
#include <string>

#include "framework/values/type_element.h"

namespace tarnik::framework {

class TBooleanElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TBooleanElement)
  TBooleanElement() = default;
  explicit TBooleanElement(bool value) : value_(value) {}

  TType GetTyp() const override { return TType::_Boolean; }
  std::string GetTypeAsString() const override { return "boolean"; }
  bool GetAsBoolean() const override { return value_; }
  void SetAsBoolean(bool value) override { value_ = value; }
  uint8_t GetAsByte() const override { return value_ ? 1 : 0; }
  void SetAsByte(uint8_t value) override { value_ = value != 0; }
  // Only the exact texts "true" and "false" are recognised.
  std::string GetAsString() const override { return value_ ? "true" : "false"; }
  void SetAsString(const std::string& text) override;
  TTypeElement* Clone() const override;

 private:
  bool value_ = false;
};

class TCharElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TCharElement)
  TCharElement() = default;
  explicit TCharElement(unsigned char value) : value_(value) {}

  TType GetTyp() const override { return TType::_Char; }
  std::string GetTypeAsString() const override { return "char"; }
  unsigned char GetAsChar() const override { return value_; }
  void SetAsChar(unsigned char value) override { value_ = value; }
  uint8_t GetAsByte() const override { return value_; }
  void SetAsByte(uint8_t value) override { value_ = value; }
  int32_t GetAsInteger() const override { return value_; }
  // Stores the code only when 0 < value < 256.
  void SetAsInteger(int32_t value) override;
  // The one character as UTF-8; writing stores the first character of the text when Windows-1250
  // has it (an empty text changes nothing).
  std::string GetAsString() const override;
  void SetAsString(const std::string& text) override;
  TTypeElement* Clone() const override;

 private:
  unsigned char value_ = 0;
};

class TByteElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TByteElement)
  TByteElement() = default;
  explicit TByteElement(uint8_t value) : value_(value) {}

  TType GetTyp() const override { return TType::_Byte; }
  std::string GetTypeAsString() const override { return "byte"; }
  uint8_t GetAsByte() const override { return value_; }
  void SetAsByte(uint8_t value) override { value_ = value; }
  bool GetAsBoolean() const override { return value_ != 0; }
  void SetAsBoolean(bool value) override { value_ = value ? 1 : 0; }
  unsigned char GetAsChar() const override { return value_; }
  void SetAsChar(unsigned char value) override { value_ = value; }
  // Writing keeps the low 8 bits.
  int32_t GetAsInteger() const override { return value_; }
  void SetAsInteger(int32_t value) override { value_ = static_cast<uint8_t>(value & 0xFF); }
  double GetAsFloat() const override { return value_; }
  void SetAsFloat(double value) override;
  std::string GetAsString() const override { return std::to_string(value_); }
  void SetAsString(const std::string& text) override;
  TTypeElement* Clone() const override;

 private:
  uint8_t value_ = 0;
};

class TFloatElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TFloatElement)
  TFloatElement() = default;
  explicit TFloatElement(double value) : value_(value) {}

  TType GetTyp() const override { return TType::_Float; }
  std::string GetTypeAsString() const override { return "float"; }
  double GetAsFloat() const override { return value_; }
  void SetAsFloat(double value) override { value_ = value; }
  // Truncated; 0 when it does not fit 32 bits.
  int32_t GetAsInteger() const override;
  void SetAsInteger(int32_t value) override { value_ = value; }
  // The scientific form " 1.50000000000000E+0000"; writing accepts only "." as decimal point.
  std::string GetAsString() const override;
  void SetAsString(const std::string& text) override;
  TTypeElement* Clone() const override;

 private:
  double value_ = 0;
};

class TIntegerElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TIntegerElement)
  TIntegerElement() = default;
  explicit TIntegerElement(int32_t value) : value_(value) {}

  TType GetTyp() const override { return TType::_Integer; }
  std::string GetTypeAsString() const override { return "integer"; }
  int32_t GetAsInteger() const override { return value_; }
  void SetAsInteger(int32_t value) override { value_ = value; }
  int32_t GetAsPointer() const override { return value_; }
  void SetAsPointer(int32_t value) override { value_ = value; }
  uint8_t GetAsByte() const override { return static_cast<uint8_t>(value_ & 0xFF); }
  void SetAsByte(uint8_t value) override { value_ = value; }
  bool GetAsBoolean() const override { return value_ != 0; }
  void SetAsBoolean(bool value) override { value_ = value ? 1 : 0; }
  double GetAsFloat() const override { return value_; }
  // Truncated; a value that does not fit 32 bits changes nothing.
  void SetAsFloat(double value) override;
  std::string GetAsString() const override { return std::to_string(value_); }
  // Only a text that is wholly an integer is stored.
  void SetAsString(const std::string& text) override;
  TTypeElement* Clone() const override;

 private:
  int32_t value_ = 0;
};

// Holds an element handle (0 for none); Target() reads nil once the element is gone.
class TPointerElement : public TTypeElement {
 public:
  TARNIK_ELEMENT_CLASS(TPointerElement)
  TPointerElement() = default;
  explicit TPointerElement(int32_t handle) : value_(handle) {}

  TType GetTyp() const override { return TType::_Pointer; }
  std::string GetTypeAsString() const override { return "pointer"; }
  int32_t GetAsPointer() const override { return value_; }
  void SetAsPointer(int32_t value) override { value_ = value; }
  int32_t GetAsInteger() const override { return value_; }
  void SetAsInteger(int32_t value) override { value_ = value; }
  std::string GetAsString() const override { return std::to_string(value_); }
  // The integer prefix of the text ("12ab" stores 12).
  void SetAsString(const std::string& text) override;
  TTypeElement* Clone() const override;

  TElement* Target() const;
  void SetTarget(TElement* element);

 private:
  int32_t value_ = 0;
};

}  // namespace tarnik::framework
