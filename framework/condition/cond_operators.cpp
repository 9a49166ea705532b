#include "framework/condition/cond_operators.h"

#include "framework/class_register.h"
#include "framework/condition/element_context.h"
#include "framework/values/typed_values.h"

namespace tarnik::framework {

using condition::ExprKind;
using condition::MaybeValue;
using condition::Op;

const MaybeValue TOperator::kNone;

TARNIK_DEFINE_CLASS(TOperator, TTechnology, nullptr)
TARNIK_DEFINE_CLASS(TNoPtrOperator, TOperator, nullptr)
TARNIK_DEFINE_CLASS(TOnePtrOperator, TNoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TTwoPtrOperator, TOnePtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TConstOperator, TNoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TClassIsOperator, TOnePtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TIsAncestorOperator, TClassIsOperator, nullptr)
TARNIK_DEFINE_CLASS(TPropExistsOperator, TClassIsOperator, nullptr)
TARNIK_DEFINE_CLASS(TReadPropOperator, TOnePtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TUnaryOperator, TOnePtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TAbsValOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TRoundOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TTruncOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TCosOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TSinOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TArcTanOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TExpOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TFracOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TLnOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TSqrOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TSqrtOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNaBooleanOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNaCharOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNaByteOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNaFloatOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNaStringOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNaIntegerOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TUnMinusOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TNotOperator, TUnaryOperator, nullptr)
TARNIK_DEFINE_CLASS(TPlusOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TMinusOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TKratOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TDelenoOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TModOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TDivOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TAndOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TOrOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TCompareOperator, TTwoPtrOperator, nullptr)
TARNIK_DEFINE_CLASS(TVetsiOperator, TCompareOperator, nullptr)
TARNIK_DEFINE_CLASS(TMensiOperator, TCompareOperator, nullptr)
TARNIK_DEFINE_CLASS(TRovnoOperator, TCompareOperator, nullptr)
TARNIK_DEFINE_CLASS(TCondition, TOnePtrOperator, nullptr)

void TOperator::Execute() {
  TTool::Execute();
  value_ = Compute();
}

void TNoPtrOperator::SetContextIndex(int32_t index) {
  context_index_ = index < 0 || index > kMaxContextIndex ? 0 : index;
}

void TNoPtrOperator::SetContext(int index, TElement* element) {
  if (index < 0 || index > kMaxContextIndex) return;
  if (!context_) context_ = std::make_shared<TContextList>();
  if (context_->size() <= static_cast<size_t>(index)) context_->resize(index + 1);
  (*context_)[static_cast<size_t>(index)] = element;
}

TElement* TNoPtrOperator::GetContext(int index) const {
  if (!context_ || index < 0 || static_cast<size_t>(index) >= context_->size()) return nullptr;
  return (*context_)[static_cast<size_t>(index)].Get();
}

void TOnePtrOperator::ReplaceOperand(TElementRef& slot, TOperator* op) {
  // A node cannot be its own operand.
  if (op == this) return;
  TElement* present = slot.Get();
  if (present == op) return;
  if (present && IndexOf(present) >= 0) FreeElement(present);
  slot = op;
  if (op) {
    AddElement(op);
    if (GetContextList()) op->SetContextList(GetContextList());
  }
}

void TOnePtrOperator::SetOperand(TOperator* op) { ReplaceOperand(operand_, op); }

void TOnePtrOperator::SetContextList(std::shared_ptr<TContextList> list) {
  TNoPtrOperator::SetContextList(list);
  if (TOperator* op = GetOperand()) op->SetContextList(list);
}

const MaybeValue& TOnePtrOperator::EvaluateOperand() {
  TOperator* op = GetOperand();
  if (!op) {
    operand_value_.reset();
  } else {
    op->Execute();
    operand_value_ = op->Value();
  }
  return operand_value_;
}

void TTwoPtrOperator::SetSecondOperand(TOperator* op) { ReplaceOperand(second_, op); }

void TTwoPtrOperator::ReleaseOperandValues() {
  TOnePtrOperator::ReleaseOperandValues();
  second_value_.reset();
}

void TTwoPtrOperator::SetContextList(std::shared_ptr<TContextList> list) {
  TOnePtrOperator::SetContextList(list);
  if (TOperator* op = GetSecondOperand()) op->SetContextList(list);
}

const MaybeValue& TTwoPtrOperator::EvaluateSecondOperand() {
  TOperator* op = GetSecondOperand();
  if (!op) {
    second_value_.reset();
  } else {
    op->Execute();
    second_value_ = op->Value();
  }
  return second_value_;
}

MaybeValue TTwoPtrOperator::Compute() {
  const Op op = Operator();
  const MaybeValue& left = EvaluateOperand();
  if (op == Op::kAnd || op == Op::kOr) {
    bool left_decides = false;
    MaybeValue result = condition::ApplyLogicLeft(op, left, &left_decides);
    if (left_decides) return result;
    return condition::ApplyLogicRight(EvaluateSecondOperand());
  }
  return condition::ApplyBinary(op, left, EvaluateSecondOperand());
}

MaybeValue TClassIsOperator::Compute() {
  condition::ElementContext context(ContextElement());
  return condition::EvaluateStringTest(Test(), EvaluateOperand(), context);
}

void TReadPropOperator::SetPropertyName(const std::string& name) {
  auto* constant = new TConstOperator();
  constant->SetConstant(condition::Value::String(name));
  auto* exists = new TPropExistsOperator();
  exists->SetOperand(constant);
  SetOperand(exists);
}

std::string TReadPropOperator::PropertyName() const {
  TOperator* exists = GetOperand();
  auto* constant = exists ? dynamic_cast<TConstOperator*>(exists->GetOperand()) : nullptr;
  return constant ? constant->Constant().s : std::string();
}

MaybeValue TReadPropOperator::Compute() {
  TElement* element = ContextElement();
  if (!element) return std::nullopt;
  return condition::ElementContext(element).ReadProperty(PropertyName());
}

MaybeValue TUnaryOperator::Compute() {
  return condition::ApplyUnary(Operator(), EvaluateOperand());
}

bool TCondition::Evaluate() {
  if (!GetOperand()) return false;
  const MaybeValue& value = EvaluateOperand();
  return value && value->type == condition::ValueType::kBoolean && value->b;
}

void TCondition::Execute() {
  TTool::Execute();
  result_ = Evaluate();
  // The answer as a value element, kept as a child until the next run.
  if (TElement* previous = answer_.Get(); previous && IndexOf(previous) >= 0) {
    FreeElement(previous);
  }
  auto* answer = new TBooleanElement(result_);
  answer_ = answer;
  AddElement(answer);
  SetOutput(answer);
}

namespace {

TOperator* NewUnary(Op op) {
  switch (op) {
    case Op::kAbs:
      return new TAbsValOperator();
    case Op::kRound:
      return new TRoundOperator();
    case Op::kTrunc:
      return new TTruncOperator();
    case Op::kCos:
      return new TCosOperator();
    case Op::kSin:
      return new TSinOperator();
    case Op::kArcTan:
      return new TArcTanOperator();
    case Op::kExp:
      return new TExpOperator();
    case Op::kFrac:
      return new TFracOperator();
    case Op::kLn:
      return new TLnOperator();
    case Op::kSqr:
      return new TSqrOperator();
    case Op::kSqrt:
      return new TSqrtOperator();
    case Op::kToBoolean:
      return new TNaBooleanOperator();
    case Op::kToChar:
      return new TNaCharOperator();
    case Op::kToByte:
      return new TNaByteOperator();
    case Op::kToFloat:
      return new TNaFloatOperator();
    case Op::kToString:
      return new TNaStringOperator();
    case Op::kToInteger:
      return new TNaIntegerOperator();
    case Op::kUnMinus:
      return new TUnMinusOperator();
    case Op::kNot:
      return new TNotOperator();
    default:
      return nullptr;
  }
}

TOperator* NewBinary(Op op) {
  switch (op) {
    case Op::kPlus:
      return new TPlusOperator();
    case Op::kMinus:
      return new TMinusOperator();
    case Op::kKrat:
      return new TKratOperator();
    case Op::kDeleno:
      return new TDelenoOperator();
    case Op::kMod:
      return new TModOperator();
    case Op::kDiv:
      return new TDivOperator();
    case Op::kAnd:
      return new TAndOperator();
    case Op::kOr:
      return new TOrOperator();
    case Op::kVetsi:
      return new TVetsiOperator();
    case Op::kMensi:
      return new TMensiOperator();
    case Op::kRovno:
      return new TRovnoOperator();
    default:
      return nullptr;
  }
}

TOperator* StringConstant(const std::string& s) {
  auto* constant = new TConstOperator();
  constant->SetConstant(condition::Value::String(s));
  return constant;
}

}  // namespace

TOperator* BuildOperatorTree(const condition::Expr& expr) {
  switch (expr.kind) {
    case ExprKind::kConst: {
      auto* node = new TConstOperator();
      node->SetConstant(expr.value);
      return node;
    }
    case ExprKind::kRead: {
      auto* node = new TReadPropOperator();
      node->SetPropertyName(expr.name);
      return node;
    }
    case ExprKind::kClassIs:
    case ExprKind::kIsAncestor:
    case ExprKind::kPropExists: {
      TOperator* node;
      if (expr.kind == ExprKind::kClassIs) {
        node = new TClassIsOperator();
      } else if (expr.kind == ExprKind::kIsAncestor) {
        node = new TIsAncestorOperator();
      } else {
        node = new TPropExistsOperator();
      }
      node->SetOperand(StringConstant(expr.name));
      return node;
    }
    case ExprKind::kUnary: {
      TOperator* node = NewUnary(expr.op);
      if (node && expr.left) node->SetOperand(BuildOperatorTree(*expr.left));
      return node;
    }
    case ExprKind::kBinary: {
      TOperator* node = NewBinary(expr.op);
      if (!node) return nullptr;
      if (expr.left) node->SetOperand(BuildOperatorTree(*expr.left));
      if (expr.right) node->SetSecondOperand(BuildOperatorTree(*expr.right));
      return node;
    }
  }
  return nullptr;
}

void RegisterOperatorClasses() {
  RegisterElementClass<TOperator>();
  RegisterElementClass<TNoPtrOperator>();
  RegisterElementClass<TOnePtrOperator>();
  RegisterElementClass<TTwoPtrOperator>();
  RegisterElementClass<TConstOperator>();
  RegisterElementClass<TClassIsOperator>();
  RegisterElementClass<TIsAncestorOperator>();
  RegisterElementClass<TPropExistsOperator>();
  RegisterElementClass<TReadPropOperator>();
  RegisterElementClass<TAbsValOperator>();
  RegisterElementClass<TRoundOperator>();
  RegisterElementClass<TTruncOperator>();
  RegisterElementClass<TCosOperator>();
  RegisterElementClass<TSinOperator>();
  RegisterElementClass<TArcTanOperator>();
  RegisterElementClass<TExpOperator>();
  RegisterElementClass<TFracOperator>();
  RegisterElementClass<TLnOperator>();
  RegisterElementClass<TSqrOperator>();
  RegisterElementClass<TSqrtOperator>();
  RegisterElementClass<TNaBooleanOperator>();
  RegisterElementClass<TNaCharOperator>();
  RegisterElementClass<TNaByteOperator>();
  RegisterElementClass<TNaFloatOperator>();
  RegisterElementClass<TNaStringOperator>();
  RegisterElementClass<TNaIntegerOperator>();
  RegisterElementClass<TUnMinusOperator>();
  RegisterElementClass<TNotOperator>();
  RegisterElementClass<TPlusOperator>();
  RegisterElementClass<TMinusOperator>();
  RegisterElementClass<TKratOperator>();
  RegisterElementClass<TDelenoOperator>();
  RegisterElementClass<TModOperator>();
  RegisterElementClass<TDivOperator>();
  RegisterElementClass<TAndOperator>();
  RegisterElementClass<TOrOperator>();
  RegisterElementClass<TCompareOperator>();
  RegisterElementClass<TVetsiOperator>();
  RegisterElementClass<TMensiOperator>();
  RegisterElementClass<TRovnoOperator>();
  RegisterElementClass<TCondition>();
}

}  // namespace tarnik::framework
