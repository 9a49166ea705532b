// The compiler of condition texts: turns a text into an expression tree (Expr), or throws
// SyntaxExcept with a Czech message and a 1-based character position. The tree is owned by the
// caller (unique_ptr); it keeps no reference to the text. Nesting is limited to kMaxCondDepth.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "framework/condition/cond_value.h"

namespace tarnik::framework {

// A syntax error of a condition: the message and the 1-based character position.
class SyntaxExcept : public std::runtime_error {
 public:
  SyntaxExcept(const std::string& message, int position)
      : std::runtime_error(message), position_(position) {}
  int Position() const { return position_; }

 private:
  int position_;
};

namespace condition {

enum class ExprKind : uint8_t {
  kConst,       // a literal
  kRead,        // a property of the context element
  kClassIs,     // CLASS(s)
  kIsAncestor,  // ANCESTOR(s)
  kPropExists,  // EXISTSPROP(s)
  kUnary,       // op on `left`
  kBinary,      // op on `left` and `right`
};

struct Expr {
  ExprKind kind = ExprKind::kConst;
  Op op = Op::kPlus;
  Value value;       // kConst
  std::string name;  // kRead (upper-cased), the string of kClassIs/kIsAncestor/kPropExists
  std::unique_ptr<Expr> left;
  std::unique_ptr<Expr> right;
};

// Deepest nesting of operators, parentheses and functions a condition may have.
inline constexpr int kMaxCondDepth = 200;

std::unique_ptr<Expr> CompileExpression(std::string_view text);

// A prefix rendering for diagnostics and tests: (+ 1 (* 2 3)), 'abc', DRUH, CLASS(TPorost).
std::string DumpExpr(const Expr& expr);

// The keyword that stands for an operator ("+", "AND", "ROUND", ...).
const char* OpKeyword(Op op);

}  // namespace condition
}  // namespace tarnik::framework
