#include "spatial/space_elements.h"

namespace tarnik::spatial {
namespace {

void DefineTextElement(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TTextElement> d(out);
  d.String("Text", &TTextElement::Text, &TTextElement::SetText);
}

}  // namespace

TARNIK_DEFINE_CLASS(TPointElement, TSpaceEntity, nullptr)
TARNIK_DEFINE_CLASS(TPointString, TSpaceEntityString, nullptr)
TARNIK_DEFINE_CLASS(TTextElement, TSpaceEntity, DefineTextElement)
TARNIK_DEFINE_CLASS(TTextString, TSpaceEntityString, nullptr)

}  // namespace tarnik::spatial
