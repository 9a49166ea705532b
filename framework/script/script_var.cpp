#include "framework/script/script_var.h"

#include <vector>

namespace tarnik::framework {
namespace {

void DefineVar(std::vector<TPropInfo>& out) {
  TPropDefs<TVar> d(out);
  d.Object("Element", TElement::StaticClass(), &TVar::Element, &TVar::SetElement);
}

}  // namespace

TARNIK_DEFINE_CLASS(TVar, TOwnerElement, DefineVar)

}  // namespace tarnik::framework
