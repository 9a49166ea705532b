#include "spatial/drawing_classes.h"

namespace tarnik::spatial {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

template <class C, class V>
auto Get(V C::*field) {
  return [field](C& c) { return c.*field; };
}
template <class C, class V>
auto Put(V C::*field) {
  return [field](C& c, const V& v) { c.*field = v; };
}

void DefineDrawRectangle(std::vector<TPropInfo>& out) {
  using D = TDrawRectangle;
  TPropDefs<D> d(out);
  d.Integer("PenColor", Get(&D::pen_color), Put(&D::pen_color));
  d.Enum<int32_t>(
      "PenStyle", "TPenStyle",
      {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"},
      Get(&D::pen_style), Put(&D::pen_style));
  d.Integer("PenWidth", Get(&D::pen_width), Put(&D::pen_width)).Default(1);
  d.Integer("BrushColor", Get(&D::brush_color), Put(&D::brush_color)).Default(0xFFFFFF);
  d.Enum<int32_t>("BrushStyle", "TBrushStyle",
                  {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                   "bsCross", "bsDiagCross"},
                  Get(&D::brush_style), Put(&D::brush_style));
}

void DefineText(std::vector<TPropInfo>& out) {
  using T = TText;
  TPropDefs<T> d(out);
  d.String("Text", Get(&T::text), Put(&T::text));
  d.Integer("Orientation", Get(&T::orientation), Put(&T::orientation));
  d.Integer("Color", Get(&T::color), Put(&T::color));
  d.String("FontName", Get(&T::font_name), Put(&T::font_name));
  // fsBold 1, fsItalic 2, fsUnderline 4, fsStrikeOut 8.
  d.Set("FontStyle", "TFontStyles", Get(&T::font_style), Put(&T::font_style));
  d.Integer("Charset", Get(&T::charset), Put(&T::charset)).Default(1);
}

}  // namespace

TARNIK_DEFINE_CLASS(TSelectedElement, TRectEntity, nullptr)
TARNIK_DEFINE_CLASS(TDrawRectangle, TRectEntity, DefineDrawRectangle)
TARNIK_DEFINE_CLASS(TText, TRectEntity, DefineText)

}  // namespace tarnik::spatial
