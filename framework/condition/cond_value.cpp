#include "framework/condition/cond_value.h"

#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::framework::condition {
namespace {

constexpr double kIntMax = 2147483647.0;
constexpr double kIntMin = -2147483648.0;

bool IsIntegral(const Value& v) {
  return v.type == ValueType::kByte || v.type == ValueType::kInteger;
}

int64_t IntegralValue(const Value& v) { return v.type == ValueType::kByte ? v.byte : v.i; }

// A float rounded or truncated to an integer result; out of the 32-bit range (or not finite)
// it stays a float holding the rounded value.
Value WholeResult(double rounded, bool byte_result) {
  if (std::isfinite(rounded) && rounded >= kIntMin && rounded <= kIntMax) {
    const auto v = static_cast<int32_t>(rounded);
    return byte_result ? Value::Byte(static_cast<uint8_t>(v)) : Value::Integer(v);
  }
  return Value::Float(rounded);
}

MaybeValue Compare(Op op, const Value& l, const Value& r) {
  const bool numeric = l.IsNumeric() && r.IsNumeric();
  if (!numeric && l.type != r.type) return std::nullopt;
  int order = 0;  // <0, 0, >0
  if (numeric) {
    const double a = l.Number(), b = r.Number();
    if (op == Op::kRovno) return Value::Boolean(a == b);
    if (op == Op::kVetsi) return Value::Boolean(a > b);
    return Value::Boolean(a < b);
  }
  switch (l.type) {
    case ValueType::kBoolean:
      if (op != Op::kRovno) return std::nullopt;
      return Value::Boolean(l.b == r.b);
    case ValueType::kChar:
      order = static_cast<int>(static_cast<uint8_t>(l.c)) - static_cast<uint8_t>(r.c);
      break;
    case ValueType::kString:
      order = l.s.compare(r.s);  // byte-wise, case-sensitive
      break;
    case ValueType::kPointer:
      order = l.p < r.p ? -1 : (l.p > r.p ? 1 : 0);
      break;
    default:
      return std::nullopt;
  }
  if (op == Op::kRovno) return Value::Boolean(order == 0);
  if (op == Op::kVetsi) return Value::Boolean(order > 0);
  return Value::Boolean(order < 0);
}

}  // namespace

Value Value::Boolean(bool v) {
  Value r;
  r.type = ValueType::kBoolean;
  r.b = v;
  return r;
}
Value Value::Char(char v) {
  Value r;
  r.type = ValueType::kChar;
  r.c = v;
  return r;
}
Value Value::Byte(uint8_t v) {
  Value r;
  r.type = ValueType::kByte;
  r.byte = v;
  return r;
}
Value Value::Float(double v) {
  Value r;
  r.type = ValueType::kFloat;
  r.f = v;
  return r;
}
Value Value::String(std::string v) {
  Value r;
  r.type = ValueType::kString;
  r.s = std::move(v);
  return r;
}
Value Value::Integer(int32_t v) {
  Value r;
  r.type = ValueType::kInteger;
  r.i = v;
  return r;
}
Value Value::Pointer(int64_t v) {
  Value r;
  r.type = ValueType::kPointer;
  r.p = v;
  return r;
}
Value Value::IntegerOrFloat(int64_t v) {
  if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()) {
    return Integer(static_cast<int32_t>(v));
  }
  return Float(static_cast<double>(v));
}

bool Value::IsNumeric() const {
  return type == ValueType::kByte || type == ValueType::kFloat || type == ValueType::kInteger;
}

double Value::Number() const {
  switch (type) {
    case ValueType::kByte:
      return byte;
    case ValueType::kFloat:
      return f;
    case ValueType::kInteger:
      return i;
    default:
      return 0;
  }
}

bool Value::AsBoolean() const {
  switch (type) {
    case ValueType::kBoolean:
      return b;
    case ValueType::kByte:
      return byte != 0;
    case ValueType::kInteger:
      return i != 0;
    case ValueType::kString: {
      if (auto number = platform::TextToFloat(s)) return *number != 0;
      const std::string upper = platform::UpperAscii(s);
      return upper == "TRUE" || upper == "ANO";
    }
    default:  // characters, floats and pointers have no boolean reading
      return false;
  }
}

std::string Value::AsString() const {
  switch (type) {
    case ValueType::kBoolean:
      return b ? "true" : "false";
    case ValueType::kChar:
      return std::string(1, c);
    case ValueType::kByte:
      return std::to_string(byte);
    case ValueType::kFloat:
      return FloatToScientific(f);
    case ValueType::kString:
      return s;
    case ValueType::kInteger:
      return std::to_string(i);
    case ValueType::kPointer:
      return std::to_string(p);
  }
  return {};
}

std::string FloatToScientific(double value) {
  if (std::isnan(value)) return " NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : " INF";
  std::string text = fmt::format("{:.14E}", std::fabs(value));  // d.ddddddddddddddE+xx
  const size_t e = text.find('E');
  const char sign = text[e + 1];
  const int exponent = std::abs(std::stoi(text.substr(e + 2)));
  return fmt::format("{}{}E{}{:04d}", value < 0 || std::signbit(value) ? "-" : " ",
                     text.substr(0, e), sign, exponent);
}

bool IsBinary(Op op) { return op >= Op::kPlus; }

MaybeValue ApplyUnary(Op op, const MaybeValue& operand) {
  if (!operand) return std::nullopt;
  const Value& v = *operand;
  switch (op) {
    case Op::kAbs:
      if (v.type == ValueType::kByte) return v;
      if (v.type == ValueType::kInteger) return Value::IntegerOrFloat(std::llabs(int64_t{v.i}));
      if (v.type == ValueType::kFloat) return Value::Float(std::fabs(v.f));
      return std::nullopt;
    case Op::kRound:
    case Op::kTrunc: {
      if (!v.IsNumeric()) return std::nullopt;
      if (IsIntegral(v)) return v;
      const double whole = op == Op::kRound ? std::nearbyint(v.f) : std::trunc(v.f);
      return WholeResult(whole, false);
    }
    case Op::kCos:
    case Op::kSin:
    case Op::kArcTan:
    case Op::kExp:
    case Op::kFrac:
    case Op::kSqr:
    case Op::kLn:
    case Op::kSqrt: {
      if (!v.IsNumeric()) return std::nullopt;
      const double x = v.Number();
      switch (op) {
        case Op::kCos:
          return Value::Float(std::cos(x));
        case Op::kSin:
          return Value::Float(std::sin(x));
        case Op::kArcTan:
          return Value::Float(std::atan(x));
        case Op::kExp:
          return Value::Float(std::exp(x));
        case Op::kFrac:
          return Value::Float(x - std::trunc(x));
        case Op::kSqr:
          return Value::Float(x * x);
        case Op::kLn:
          if (!(x > 0)) return std::nullopt;
          return Value::Float(std::log(x));
        default:
          if (!(x >= 0)) return std::nullopt;
          return Value::Float(std::sqrt(x));
      }
    }
    case Op::kToBoolean:
      if (v.type == ValueType::kBoolean || IsIntegral(v)) return Value::Boolean(v.AsBoolean());
      return std::nullopt;
    case Op::kToChar:
      if (v.type == ValueType::kChar) return v;
      if (v.type == ValueType::kByte) return Value::Char(static_cast<char>(v.byte));
      return std::nullopt;
    case Op::kToByte:
      switch (v.type) {
        case ValueType::kBoolean:
          return Value::Byte(v.b ? 1 : 0);
        case ValueType::kChar:
          return Value::Byte(static_cast<uint8_t>(v.c));
        case ValueType::kByte:
          return v;
        case ValueType::kInteger:
          return Value::Byte(static_cast<uint8_t>(static_cast<uint32_t>(v.i) & 0xFF));
        default:
          return std::nullopt;
      }
    case Op::kToInteger:
      switch (v.type) {
        case ValueType::kChar:
          return Value::Integer(static_cast<uint8_t>(v.c));
        case ValueType::kByte:
          return Value::Integer(v.byte);
        case ValueType::kInteger:
          return v;
        case ValueType::kFloat: {  // truncated; 0 when it does not fit
          const double t = std::trunc(v.f);
          if (!std::isfinite(t) || t < kIntMin || t > kIntMax) return Value::Integer(0);
          return Value::Integer(static_cast<int32_t>(t));
        }
        case ValueType::kString:
          return Value::Integer(platform::TextToInt(v.s).value_or(0));
        default:
          return std::nullopt;
      }
    case Op::kToFloat:
      if (!v.IsNumeric()) return std::nullopt;
      return Value::Float(v.Number());
    case Op::kToString:
      if (v.type == ValueType::kPointer) return std::nullopt;
      return Value::String(v.AsString());
    case Op::kUnMinus:
      if (IsIntegral(v)) return Value::IntegerOrFloat(-IntegralValue(v));
      if (v.type == ValueType::kFloat) return Value::Float(-v.f);
      return std::nullopt;
    case Op::kNot:
      if (v.type != ValueType::kBoolean) return std::nullopt;
      return Value::Boolean(!v.b);
    default:
      return std::nullopt;
  }
}

MaybeValue ApplyBinary(Op op, const MaybeValue& left, const MaybeValue& right) {
  if (!left || !right) return std::nullopt;
  const Value& l = *left;
  const Value& r = *right;
  switch (op) {
    case Op::kPlus: {
      if (IsIntegral(l) && IsIntegral(r)) {
        return Value::IntegerOrFloat(IntegralValue(l) + IntegralValue(r));
      }
      if (l.IsNumeric() && r.IsNumeric()) return Value::Float(l.Number() + r.Number());
      const auto is_text = [](const Value& v) {
        return v.type == ValueType::kChar || v.type == ValueType::kString;
      };
      if (is_text(l) && is_text(r)) return Value::String(l.AsString() + r.AsString());
      return std::nullopt;
    }
    case Op::kMinus:
      if (IsIntegral(l) && IsIntegral(r)) {
        return Value::IntegerOrFloat(IntegralValue(l) - IntegralValue(r));
      }
      if (l.IsNumeric() && r.IsNumeric()) return Value::Float(l.Number() - r.Number());
      return std::nullopt;
    case Op::kKrat:
      if (IsIntegral(l) && IsIntegral(r)) {
        return Value::IntegerOrFloat(IntegralValue(l) * IntegralValue(r));
      }
      if (l.IsNumeric() && r.IsNumeric()) return Value::Float(l.Number() * r.Number());
      return std::nullopt;
    case Op::kDeleno:
      if (!l.IsNumeric() || !r.IsNumeric() || r.Number() == 0) return std::nullopt;
      return Value::Float(l.Number() / r.Number());
    case Op::kMod:
    case Op::kDiv: {
      if (!IsIntegral(l) || !IsIntegral(r)) return std::nullopt;
      const int64_t a = IntegralValue(l), b = IntegralValue(r);
      if (b == 0) return std::nullopt;
      return Value::IntegerOrFloat(op == Op::kDiv ? a / b : a % b);
    }
    case Op::kVetsi:
    case Op::kMensi:
    case Op::kRovno:
      return Compare(op, l, r);
    default:
      return std::nullopt;
  }
}

MaybeValue ApplyLogicLeft(Op op, const MaybeValue& left, bool* left_decides) {
  *left_decides = true;
  if (!left || left->type != ValueType::kBoolean) return std::nullopt;
  if (op == Op::kAnd && !left->b) return Value::Boolean(false);
  if (op == Op::kOr && left->b) return Value::Boolean(true);
  *left_decides = false;
  return std::nullopt;
}

MaybeValue ApplyLogicRight(const MaybeValue& right) {
  if (!right) return std::nullopt;
  return Value::Boolean(right->AsBoolean());
}

}  // namespace tarnik::framework::condition
