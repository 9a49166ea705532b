// Typed value elements: small named elements holding one value of a basic type, converted to and
// from the other types by one fixed table. TTypeElement is the common base; on its own every
// setter does nothing and every getter answers 0, empty text or false. Typed values are
// owner-tracking: one value may sit in several entities and is freed by the last holder.
#pragma once

#include <cstdint>
#include <string>

#include "framework/element.h"

namespace tarnik::framework {

// The kind of a typed value; the ordinals are stored in model files.
enum class TType : uint8_t {
  _Boolean = 0,
  _Char = 1,
  _Byte = 2,
  _Float = 3,
  _String = 4,
  _Integer = 5,
  _Pointer = 6,
  _Other = 7,
};

// The identifier of a TType ordinal ("_Boolean" .. "_Other").
const char* TTypeName(TType type);

class TTypeElement : public TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TTypeElement)

  virtual TType GetTyp() const { return TType::_Other; }
  // "boolean", "char", ...; empty for the base.
  virtual std::string GetTypeAsString() const { return {}; }
  virtual uint8_t GetAsByte() const { return 0; }
  virtual void SetAsByte(uint8_t) {}
  virtual int32_t GetAsInteger() const { return 0; }
  virtual void SetAsInteger(int32_t) {}
  // Characters are Windows-1250 bytes.
  virtual unsigned char GetAsChar() const { return 0; }
  virtual void SetAsChar(unsigned char) {}
  virtual std::string GetAsString() const { return {}; }
  virtual void SetAsString(const std::string&) {}
  virtual double GetAsFloat() const { return 0; }
  virtual void SetAsFloat(double) {}
  virtual bool GetAsBoolean() const { return false; }
  virtual void SetAsBoolean(bool) {}
  // A pointer value is an element handle (handles.h); 0 is none.
  virtual int32_t GetAsPointer() const { return 0; }
  virtual void SetAsPointer(int32_t) {}
  // The name (the class name when unnamed) upper-cased by ASCII rules.
  virtual std::string GetUpperName() const;
  // A new element of the same class with the same name and value, owned by the caller; nil for
  // the base class.
  virtual TTypeElement* Clone() const { return nullptr; }
};

}  // namespace tarnik::framework
