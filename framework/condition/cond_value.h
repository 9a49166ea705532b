// Values of condition expressions and the operations on them. A value is one of the typed kinds
// of the framework's typed value elements; an operation that does not apply answers no value
// (std::nullopt). Pure functions: no state, no framework objects.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarnik::framework::condition {

// Same order as the framework's TType.
enum class ValueType : uint8_t { kBoolean, kChar, kByte, kFloat, kString, kInteger, kPointer };

struct Value {
  ValueType type = ValueType::kBoolean;
  bool b = false;
  char c = 0;
  uint8_t byte = 0;
  double f = 0;
  std::string s;
  int32_t i = 0;
  int64_t p = 0;

  static Value Boolean(bool v);
  static Value Char(char v);
  static Value Byte(uint8_t v);
  static Value Float(double v);
  static Value String(std::string v);
  static Value Integer(int32_t v);
  static Value Pointer(int64_t v);
  // An integer result that does not fit 32 bits becomes a float.
  static Value IntegerOrFloat(int64_t v);

  bool IsNumeric() const;
  // Numeric value as a double (only meaningful when IsNumeric).
  double Number() const;

  // The readings of the typed value elements.
  bool AsBoolean() const;
  std::string AsString() const;
};

using MaybeValue = std::optional<Value>;

enum class Op : uint8_t {
  // unary
  kAbs,
  kRound,
  kTrunc,
  kCos,
  kSin,
  kArcTan,
  kExp,
  kFrac,
  kLn,
  kSqr,
  kSqrt,
  kToBoolean,
  kToChar,
  kToByte,
  kToFloat,
  kToString,
  kToInteger,
  kUnMinus,
  kNot,
  // binary
  kPlus,
  kMinus,
  kKrat,
  kDeleno,
  kMod,
  kDiv,
  kAnd,
  kOr,
  kVetsi,
  kMensi,
  kRovno,
};

bool IsBinary(Op op);
// Unary operators and functions.
MaybeValue ApplyUnary(Op op, const MaybeValue& operand);
// Binary operators except AND and OR, which evaluate their right operand lazily.
MaybeValue ApplyBinary(Op op, const MaybeValue& left, const MaybeValue& right);
// AND/OR: whether the right operand decides, and the result when it does not.
// `left_decides` is set when the right operand must not be evaluated.
MaybeValue ApplyLogicLeft(Op op, const MaybeValue& left, bool* left_decides);
MaybeValue ApplyLogicRight(const MaybeValue& right);

// The text form of a float in a typed float element: " 1.50000000000000E+0000".
std::string FloatToScientific(double value);

}  // namespace tarnik::framework::condition
