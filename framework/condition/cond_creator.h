// The condition compiler as a tool: Execute compiles `Command` into an operator tree, gives the
// tree one new context list and makes it the Output. The creator keeps its latest product as a
// child until the next run (a caller that keeps the tree adds it to its own entity; the tree is
// then freed by whichever holder lets go last). A syntax error raises SyntaxExcept and leaves no
// output. Single-threaded.
#pragma once

#include <string>

#include "framework/condition/cond_operators.h"

namespace tarnik::framework {

class TExpressionCreator : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TExpressionCreator)
  const std::string& Command() const { return command_; }
  void SetCommand(const std::string& c) { command_ = c; }
  // An empty Command gives no output.
  void Execute() override;

 protected:
  // The compiled Command (nil for an empty one), with its context list.
  TOperator* CompileCommand();
  // Frees the previous product and keeps `product` as the Output.
  void Deliver(TOperator* product);

 private:
  TElementRef product_;
  std::string command_;
};

// Makes a TCondition named "Condition" with the compiled Command as its operand.
class TCondCreator : public TExpressionCreator {
 public:
  TARNIK_ELEMENT_CLASS(TCondCreator)
  void Execute() override;
};

// Compiles a condition text into a new TCondition the caller owns (SyntaxExcept on errors).
TCondition* CompileCondition(const std::string& text);

}  // namespace tarnik::framework
