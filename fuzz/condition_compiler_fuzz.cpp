// Fuzz target of the condition compiler: any text either compiles or raises SyntaxExcept; a
// compiled condition then evaluates without failing against an element with a few properties.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/condition/cond_eval.h"
#include "framework/condition/cond_parser.h"

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
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    auto expr = tarnik::framework::condition::CompileExpression(text);
    Context context;
    tarnik::framework::condition::Evaluate(*expr, context);
  } catch (const tarnik::framework::SyntaxExcept&) {
  }
  return 0;
}
