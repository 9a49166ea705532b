#include "framework/condition/cond_creator.h"

#include <memory>

namespace tarnik::framework {
namespace {

void DefineExpressionCreator(std::vector<TPropInfo>& out) {
  TPropDefs<TExpressionCreator> d(out);
  d.String("Command", &TExpressionCreator::Command, &TExpressionCreator::SetCommand);
}

TCondition* NewCondition(TOperator* operand) {
  auto* condition = new TCondition();
  condition->SetName("Condition");
  condition->SetContextList(std::make_shared<TContextList>());
  if (operand) condition->SetOperand(operand);
  return condition;
}

}  // namespace

TARNIK_DEFINE_CLASS(TExpressionCreator, TTool, DefineExpressionCreator)
TARNIK_DEFINE_CLASS(TCondCreator, TExpressionCreator, nullptr)

TOperator* TExpressionCreator::CompileCommand() {
  if (command_.empty()) return nullptr;
  std::unique_ptr<condition::Expr> expr = condition::CompileExpression(command_);
  TOperator* tree = BuildOperatorTree(*expr);
  if (tree) tree->SetContextList(std::make_shared<TContextList>());
  return tree;
}

void TExpressionCreator::Deliver(TOperator* product) {
  if (TElement* previous = product_.Get(); previous && IndexOf(previous) >= 0) {
    FreeElement(previous);
  }
  product_ = product;
  if (product) AddElement(product);
  SetOutput(product);
}

void TExpressionCreator::Execute() {
  TTool::Execute();
  Deliver(nullptr);
  Deliver(CompileCommand());
}

void TCondCreator::Execute() {
  TTool::Execute();
  Deliver(nullptr);
  Deliver(NewCondition(CompileCommand()));
}

TCondition* CompileCondition(const std::string& text) {
  std::unique_ptr<condition::Expr> expr = condition::CompileExpression(text);
  return NewCondition(BuildOperatorTree(*expr));
}

}  // namespace tarnik::framework
