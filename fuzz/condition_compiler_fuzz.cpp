// Fuzz target of the condition compiler: any text either compiles or raises SyntaxExcept; a
// compiled text then evaluates, as a plain expression and as an operator tree, against an
// element with a few properties, without failing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/condition/cond_creator.h"
#include "framework/condition/cond_eval.h"
#include "framework/condition/cond_parser.h"
#include "framework/framework_classes.h"
#include "framework/tools/tool_classes.h"

namespace {

using tarnik::framework::condition::EvalContext;
using tarnik::framework::condition::MaybeValue;
using tarnik::framework::condition::ValueFromText;

class Context : public EvalContext {
 public:
  bool HasElement() const override { return true; }
  bool ClassIs(const std::string& name) const override { return name == "TPorost"; }
  bool IsAncestor(const std::string& name) const override { return name == "TElement"; }
  bool PublishesProperty(const std::string& name) const override { return name == "NAME"; }
  MaybeValue ReadProperty(const std::string& name) const override {
    if (name == "NAME") return ValueFromText("P0110.DBF");
    if (name == "DRUH") return ValueFromText("110");
    if (name == "PLOCHA") return ValueFromText("1,5");
    return std::nullopt;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarnik::framework::RegisterFrameworkClasses();
  tarnik::framework::RegisterToolClasses();
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    auto expr = tarnik::framework::condition::CompileExpression(text);
    Context context;
    tarnik::framework::condition::Evaluate(*expr, context);
    std::unique_ptr<tarnik::framework::TCondition> condition(
        tarnik::framework::CompileCondition(text));
    tarnik::framework::TOwnerEntity element;
    element.SetName("P0110.DBF");
    condition->SetContext(0, &element);
    condition->Evaluate();
    condition->SetContext(0, nullptr);
    condition->Evaluate();
  } catch (const tarnik::framework::SyntaxExcept&) {
  }
  return 0;
}
