// Evaluation of a compiled expression against one context element. The element is reached only
// through the EvalContext interface, which the caller keeps alive during the call; a context
// without an element answers no value for every question about it.
#pragma once

#include <string>

#include "framework/condition/cond_parser.h"
#include "framework/condition/cond_value.h"

namespace tarnik::framework::condition {

class EvalContext {
 public:
  virtual ~EvalContext() = default;
  virtual bool HasElement() const = 0;
  // The element's class name equals `name`, without regard to case.
  virtual bool ClassIs(const std::string& name) const = 0;
  // The class or one of its ancestors is named `name`, without regard to case.
  virtual bool IsAncestor(const std::string& name) const = 0;
  virtual bool PublishesProperty(const std::string& name) const = 0;
  // The value of a property (or of a text answered for that name); no value when none.
  virtual MaybeValue ReadProperty(const std::string& name) const = 0;
};

MaybeValue Evaluate(const Expr& expr, const EvalContext& context);

// Shared by every evaluator: the three string tests of CLASS, ANCESTOR and EXISTSPROP.
MaybeValue EvaluateStringTest(ExprKind kind, const MaybeValue& operand, const EvalContext& context);

// A text read from an element as a value: empty gives none, a number (either decimal
// separator) an integer or a float, anything else a string.
MaybeValue ValueFromText(const std::string& text);

}  // namespace tarnik::framework::condition
