#include "framework/condition/cond_eval.h"

#include <cmath>

#include "framework/int_text.h"

namespace tarnik::framework::condition {

MaybeValue EvaluateStringTest(ExprKind kind, const MaybeValue& operand,
                              const EvalContext& context) {
  if (!operand || operand->type != ValueType::kString || !context.HasElement()) {
    return std::nullopt;
  }
  switch (kind) {
    case ExprKind::kClassIs:
      return Value::Boolean(context.ClassIs(operand->s));
    case ExprKind::kIsAncestor:
      return Value::Boolean(context.IsAncestor(operand->s));
    case ExprKind::kPropExists:
      return Value::Boolean(!operand->s.empty() && context.PublishesProperty(operand->s));
    default:
      return std::nullopt;
  }
}

MaybeValue ValueFromText(const std::string& text) {
  if (text.empty()) return std::nullopt;
  if (std::optional<double> number = ReadDecimalText(text)) {
    const double v = *number;
    if (std::isfinite(v) && v == std::trunc(v) && v >= -2147483648.0 && v <= 2147483647.0) {
      return Value::Integer(static_cast<int32_t>(v));
    }
    return Value::Float(v);
  }
  return Value::String(text);
}

MaybeValue Evaluate(const Expr& expr, const EvalContext& context) {
  switch (expr.kind) {
    case ExprKind::kConst:
      return expr.value;
    case ExprKind::kRead:
      if (!context.HasElement()) return std::nullopt;
      return context.ReadProperty(expr.name);
    case ExprKind::kClassIs:
    case ExprKind::kIsAncestor:
    case ExprKind::kPropExists:
      return EvaluateStringTest(expr.kind, Value::String(expr.name), context);
    case ExprKind::kUnary:
      return ApplyUnary(expr.op, Evaluate(*expr.left, context));
    case ExprKind::kBinary: {
      MaybeValue left = Evaluate(*expr.left, context);
      if (expr.op == Op::kAnd || expr.op == Op::kOr) {
        bool left_decides = false;
        MaybeValue result = ApplyLogicLeft(expr.op, left, &left_decides);
        if (left_decides) return result;
        return ApplyLogicRight(Evaluate(*expr.right, context));
      }
      return ApplyBinary(expr.op, left, Evaluate(*expr.right, context));
    }
  }
  return std::nullopt;
}

}  // namespace tarnik::framework::condition
