// The operator tree of a compiled expression. Every node is a tool (TOperator is a
// TTechnology); a node owns its operand nodes as children (setting an operand frees the previous
// one) and keeps the value of its last evaluation (Value(); Execute evaluates). All nodes of one
// tree share one context list; entry 0 is the element the expression is evaluated against,
// held by reference (it reads nil once the element is gone). Single-threaded.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/condition/cond_parser.h"
#include "framework/condition/cond_value.h"
#include "framework/tools/technology.h"

namespace tarnik::framework {

using TContextList = std::vector<TElementRef>;
// Highest context index a node accepts.
inline constexpr int kMaxContextIndex = 15;

class TOperator : public TTechnology {
 public:
  TARNIK_ELEMENT_CLASS(TOperator)

  virtual void SetOperand(TOperator* /*op*/) {}
  virtual TOperator* GetOperand() const { return nullptr; }
  virtual void SetSecondOperand(TOperator* /*op*/) {}
  virtual TOperator* GetSecondOperand() const { return nullptr; }
  virtual void SetOperandValue(condition::MaybeValue /*v*/) {}
  virtual const condition::MaybeValue& GetOperandValue() const { return kNone; }
  virtual void SetSecondValue(condition::MaybeValue /*v*/) {}
  virtual const condition::MaybeValue& GetSecondValue() const { return kNone; }
  virtual void SetContextIndex(int32_t /*index*/) {}
  virtual int32_t GetContextIndex() const { return 0; }
  virtual void ReleaseOperandValues() {}
  virtual void SetContextList(std::shared_ptr<TContextList> /*list*/) {}
  virtual std::shared_ptr<TContextList> GetContextList() const { return nullptr; }
  virtual void SetContext(int /*index*/, TElement* /*element*/) {}
  virtual TElement* GetContext(int /*index*/) const { return nullptr; }
  virtual const condition::MaybeValue& EvaluateOperand() { return kNone; }
  virtual const condition::MaybeValue& EvaluateSecondOperand() { return kNone; }
  virtual void ReleaseResult() { value_.reset(); }

  // Evaluates the node against the current context; the value stays in Value().
  void Execute() override;
  const condition::MaybeValue& Value() const { return value_; }

 protected:
  virtual condition::MaybeValue Compute() { return std::nullopt; }
  static const condition::MaybeValue kNone;

 private:
  condition::MaybeValue value_;
};

class TNoPtrOperator : public TOperator {
 public:
  TARNIK_ELEMENT_CLASS(TNoPtrOperator)
  void SetContextIndex(int32_t index) override;
  int32_t GetContextIndex() const override { return context_index_; }
  void SetContextList(std::shared_ptr<TContextList> list) override { context_ = std::move(list); }
  std::shared_ptr<TContextList> GetContextList() const override { return context_; }
  void SetContext(int index, TElement* element) override;
  TElement* GetContext(int index) const override;

 protected:
  // The element at this node's context index.
  TElement* ContextElement() const { return GetContext(context_index_); }

 private:
  std::shared_ptr<TContextList> context_;
  int32_t context_index_ = 0;
};

class TOnePtrOperator : public TNoPtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TOnePtrOperator)
  void SetOperand(TOperator* op) override;
  TOperator* GetOperand() const override { return operand_.As<TOperator>(); }
  void SetOperandValue(condition::MaybeValue v) override { operand_value_ = std::move(v); }
  const condition::MaybeValue& GetOperandValue() const override { return operand_value_; }
  void ReleaseOperandValues() override { operand_value_.reset(); }
  void SetContextList(std::shared_ptr<TContextList> list) override;
  const condition::MaybeValue& EvaluateOperand() override;

 protected:
  // Replaces the node in `slot`, freeing the previous one from this node.
  void ReplaceOperand(TElementRef& slot, TOperator* op);

 private:
  TElementRef operand_;
  condition::MaybeValue operand_value_;
};

class TTwoPtrOperator : public TOnePtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TTwoPtrOperator)
  void SetSecondOperand(TOperator* op) override;
  TOperator* GetSecondOperand() const override { return second_.As<TOperator>(); }
  void SetSecondValue(condition::MaybeValue v) override { second_value_ = std::move(v); }
  const condition::MaybeValue& GetSecondValue() const override { return second_value_; }
  void ReleaseOperandValues() override;
  void SetContextList(std::shared_ptr<TContextList> list) override;
  const condition::MaybeValue& EvaluateSecondOperand() override;

 protected:
  condition::MaybeValue Compute() override;
  // The operator of the node; binary nodes apply it to both operand values.
  virtual condition::Op Operator() const { return condition::Op::kPlus; }

 private:
  TElementRef second_;
  condition::MaybeValue second_value_;
};

class TConstOperator : public TNoPtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TConstOperator)
  void SetConstant(condition::Value v) { constant_ = std::move(v); }
  const condition::Value& Constant() const { return constant_; }

 protected:
  condition::MaybeValue Compute() override { return constant_; }

 private:
  condition::Value constant_;
};

// CLASS, ANCESTOR, EXISTSPROP: the operand is a constant string.
class TClassIsOperator : public TOnePtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TClassIsOperator)

 protected:
  condition::MaybeValue Compute() override;
  virtual condition::ExprKind Test() const { return condition::ExprKind::kClassIs; }
};

class TIsAncestorOperator : public TClassIsOperator {
 public:
  TARNIK_ELEMENT_CLASS(TIsAncestorOperator)

 protected:
  condition::ExprKind Test() const override { return condition::ExprKind::kIsAncestor; }
};

class TPropExistsOperator : public TClassIsOperator {
 public:
  TARNIK_ELEMENT_CLASS(TPropExistsOperator)

 protected:
  condition::ExprKind Test() const override { return condition::ExprKind::kPropExists; }
};

// Reads a property of the context element; the operand is a TPropExistsOperator on a
// constant holding the (upper-cased) name.
class TReadPropOperator : public TOnePtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TReadPropOperator)
  void SetPropertyName(const std::string& name);
  std::string PropertyName() const;

 protected:
  condition::MaybeValue Compute() override;
};

// One-operand functions and operators.
class TUnaryOperator : public TOnePtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TUnaryOperator)

 protected:
  condition::MaybeValue Compute() override;
  virtual condition::Op Operator() const { return condition::Op::kAbs; }
};

#define TARNIK_OPERATOR_CLASS(Class, Base, OpCode)                            \
  class Class : public Base {                                                 \
   public:                                                                    \
    TARNIK_ELEMENT_CLASS(Class)                                               \
                                                                              \
   protected:                                                                 \
    condition::Op Operator() const override { return condition::Op::OpCode; } \
  };

TARNIK_OPERATOR_CLASS(TAbsValOperator, TUnaryOperator, kAbs)
TARNIK_OPERATOR_CLASS(TRoundOperator, TUnaryOperator, kRound)
TARNIK_OPERATOR_CLASS(TTruncOperator, TUnaryOperator, kTrunc)
TARNIK_OPERATOR_CLASS(TCosOperator, TUnaryOperator, kCos)
TARNIK_OPERATOR_CLASS(TSinOperator, TUnaryOperator, kSin)
TARNIK_OPERATOR_CLASS(TArcTanOperator, TUnaryOperator, kArcTan)
TARNIK_OPERATOR_CLASS(TExpOperator, TUnaryOperator, kExp)
TARNIK_OPERATOR_CLASS(TFracOperator, TUnaryOperator, kFrac)
TARNIK_OPERATOR_CLASS(TLnOperator, TUnaryOperator, kLn)
TARNIK_OPERATOR_CLASS(TSqrOperator, TUnaryOperator, kSqr)
TARNIK_OPERATOR_CLASS(TSqrtOperator, TUnaryOperator, kSqrt)
TARNIK_OPERATOR_CLASS(TNaBooleanOperator, TUnaryOperator, kToBoolean)
TARNIK_OPERATOR_CLASS(TNaCharOperator, TUnaryOperator, kToChar)
TARNIK_OPERATOR_CLASS(TNaByteOperator, TUnaryOperator, kToByte)
TARNIK_OPERATOR_CLASS(TNaFloatOperator, TUnaryOperator, kToFloat)
TARNIK_OPERATOR_CLASS(TNaStringOperator, TUnaryOperator, kToString)
TARNIK_OPERATOR_CLASS(TNaIntegerOperator, TUnaryOperator, kToInteger)
TARNIK_OPERATOR_CLASS(TUnMinusOperator, TUnaryOperator, kUnMinus)
TARNIK_OPERATOR_CLASS(TNotOperator, TUnaryOperator, kNot)

TARNIK_OPERATOR_CLASS(TPlusOperator, TTwoPtrOperator, kPlus)
TARNIK_OPERATOR_CLASS(TMinusOperator, TTwoPtrOperator, kMinus)
TARNIK_OPERATOR_CLASS(TKratOperator, TTwoPtrOperator, kKrat)
TARNIK_OPERATOR_CLASS(TDelenoOperator, TTwoPtrOperator, kDeleno)
TARNIK_OPERATOR_CLASS(TModOperator, TTwoPtrOperator, kMod)
TARNIK_OPERATOR_CLASS(TDivOperator, TTwoPtrOperator, kDiv)
// AND and OR evaluate their right operand only when the left one does not decide.
TARNIK_OPERATOR_CLASS(TAndOperator, TTwoPtrOperator, kAnd)
TARNIK_OPERATOR_CLASS(TOrOperator, TTwoPtrOperator, kOr)

class TCompareOperator : public TTwoPtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TCompareOperator)

 protected:
  condition::Op Operator() const override { return condition::Op::kRovno; }
};

TARNIK_OPERATOR_CLASS(TVetsiOperator, TCompareOperator, kVetsi)
TARNIK_OPERATOR_CLASS(TMensiOperator, TCompareOperator, kMensi)
TARNIK_OPERATOR_CLASS(TRovnoOperator, TCompareOperator, kRovno)

#undef TARNIK_OPERATOR_CLASS

// A condition: true only when its expression evaluates to a _Boolean true.
class TCondition : public TOnePtrOperator {
 public:
  TARNIK_ELEMENT_CLASS(TCondition)
  // Evaluates against the element in context entry 0; no operand gives false.
  bool Evaluate();
  // Evaluates; the answer is Result() and, as a new TBooleanElement (a child of the condition
  // until the next run), the Output.
  void Execute() override;
  bool Result() const { return result_; }

 private:
  bool result_ = false;
  TElementRef answer_;
};

// A new operator tree for a compiled expression (not yet given a context list).
TOperator* BuildOperatorTree(const condition::Expr& expr);

void RegisterOperatorClasses();

}  // namespace tarnik::framework
