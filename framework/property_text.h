// Published properties read and written as text or as raw values. The text rules are the
// framework's one conversion table: readers never throw (errors read as "Err Ord Value" or
// "Err Value"), writers report a failure by a modal message and leave the property unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/class_info.h"

namespace tarnik::framework {

class TElement;

// A property value in its own kind, without text conversion.
struct TRawValue {
  TTypeKind kind = TTypeKind::tkUnknown;
  int64_t ord = 0;          // ordinal kinds
  double flt = 0;           // tkFloat
  std::string str;          // string kinds
  TElement* obj = nullptr;  // tkClass
  TMethod method;           // tkMethod
};

// How deeply property reads may nest (a getter reading another property by name is one level).
inline constexpr int kMaxPropertyNesting = 128;

// Text of a property by its kind; empty without a reader. A read that re-enters the same
// property of the same element, or nests deeper than kMaxPropertyNesting, fails as a throwing
// getter does, with one message naming the element and the property (data passed over).
std::string PropertyText(TElement& element, const TPropInfo& prop);
// Sets a property from text; nothing without a writer.
void SetPropertyFromText(TElement& element, const TPropInfo& prop, const std::string& text);

// Raw access; throws what the accessors throw. SetRawValue ignores kinds it does not know and
// properties without a writer; GetRawValue of a property without a reader is a zero value.
TRawValue GetRawValue(TElement& element, const TPropInfo& prop);
void SetRawValue(TElement& element, const TPropInfo& prop, const TRawValue& value);

// Object-valued properties by name (nil / false for other kinds or unknown names).
TElement* GetPropertyObject(TElement* element, std::string_view name);
bool SetPropertyObject(TElement* element, std::string_view name, TElement* value);

// Index-based access over a class's table.
int PropertyCount(const TClassInfo& c);
std::string PropertyNameAt(const TClassInfo& c, int index);  // empty outside the table
TTypeKind PropertyKindAt(const TClassInfo& c, int index);    // tkUnknown outside the table
std::string PropertyTextAt(TElement& element, int index);
void SetPropertyTextAt(TElement& element, int index, const std::string& text);

// A new element of the same class with every stored property copied raw, in table order;
// children are not copied, object references are shared.
TElement* CloneElement(TElement& source);

}  // namespace tarnik::framework
