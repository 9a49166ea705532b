#include "spatial/rect_entity.h"

#include "platform/text.h"
#include "spatial/coordinate.h"

namespace tarnik::spatial {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

constexpr double kAnchors[3] = {0.0, 0.5, 1.0};

// 0, 1, 2 for the anchors 0, 0.5, 1; -1 for any other value.
int AnchorIndex(double rel) {
  for (int i = 0; i < 3; ++i) {
    if (rel == kAnchors[i]) return i;
  }
  return -1;
}

std::string AnchorName(double rel, const char* low, const char* high) {
  switch (AnchorIndex(rel)) {
    case 0:
      return low;
    case 1:
      return "CENTER";
    case 2:
      return high;
    default:
      return "OTHER";
  }
}

// The anchor named (case-insensitive), -1 when the text names none.
double NamedAnchor(const std::string& text, const char* low, const char* high) {
  const std::string upper = platform::UpperAscii(text);
  if (upper == low) return 0;
  if (upper == "CENTER") return 0.5;
  if (upper == high) return 1;
  return -1;
}

void DefineRectEntity(std::vector<TPropInfo>& out) {
  using R = TRectEntity;
  TPropDefs<R> d(out);
  d.Integer("Index", &R::Index, &R::SetIndex);
  // The relative reference comes before the corners: a loader writes it while the rectangle is
  // still empty, so restoring it moves nothing.
  d.Float("RelRefX", &R::RelRefX, &R::SetRelRefX);
  d.Float("RelRefY", &R::RelRefY, &R::SetRelRefY);
  // The corners of an empty rectangle are the values a new one has.
  d.Float(
       "MinX", [](R& e) { return e.bounds().min_x; }, [](R& e, double v) { e.bounds().min_x = v; })
      .DefaultFloat(kEmptyBound);
  d.Float(
       "MinY", [](R& e) { return e.bounds().min_y; }, [](R& e, double v) { e.bounds().min_y = v; })
      .DefaultFloat(kEmptyBound);
  d.Float(
       "MaxX", [](R& e) { return e.bounds().max_x; }, [](R& e, double v) { e.bounds().max_x = v; })
      .DefaultFloat(-kEmptyBound);
  d.Float(
       "MaxY", [](R& e) { return e.bounds().max_y; }, [](R& e, double v) { e.bounds().max_y = v; })
      .DefaultFloat(-kEmptyBound);
  // Everything below is derived from the corners and the relative reference.
  d.Float("Width", &R::Width, &R::SetWidth).NotStored();
  d.Float("Height", &R::Height, &R::SetHeight).NotStored();
  d.Boolean("IsValid", &R::IsValid, nullptr);
  d.Float(
      "CenterX", [](R& e) { return Center(e.bounds()).x; }, nullptr);
  d.Float(
      "CenterY", [](R& e) { return Center(e.bounds()).y; }, nullptr);
  d.Float("X", &R::X, &R::SetX).NotStored();
  d.Float("Y", &R::Y, &R::SetY).NotStored();
  d.Float("DeltaRefX", &R::DeltaRefX, &R::SetDeltaRefX).NotStored();
  d.Float("DeltaRefY", &R::DeltaRefY, &R::SetDeltaRefY).NotStored();
  d.Float("AbsRefX", &R::X, &R::SetAbsRefX).NotStored();
  d.Float("AbsRefY", &R::Y, &R::SetAbsRefY).NotStored();
  d.String("HorizAllign", &R::HorizAllign, &R::SetHorizAllign).NotStored();
  d.String("VertAllign", &R::VertAllign, &R::SetVertAllign).NotStored();
  d.Integer("RefPosition", &R::RefPosition, &R::SetRefPositionValue).NotStored();
  d.Float("DeltaX", nullptr, [](R& e, double v) { e.MoveBy(v, 0); });
  d.Float("DeltaY", nullptr, [](R& e, double v) { e.MoveBy(0, v); });
  d.Boolean("UpdateNoReset", nullptr, &R::UpdateNoReset);
}

}  // namespace

TARNIK_DEFINE_CLASS(TRectEntity, framework::TOwnerEntity, DefineRectEntity)

void TRectEntity::SetX(double v) {
  if (IsValid()) {
    MoveBy(v - X(), 0);
  } else {
    bounds_.min_x = bounds_.max_x = v;
  }
}

void TRectEntity::SetY(double v) {
  if (IsValid()) {
    MoveBy(0, v - Y());
  } else {
    bounds_.min_y = bounds_.max_y = v;
  }
}

void TRectEntity::SetRelRefX(double v) {
  if (IsValid()) MoveBy((rel_x_ - v) * Width(), 0);
  rel_x_ = v;
}

void TRectEntity::SetRelRefY(double v) {
  if (IsValid()) MoveBy(0, (rel_y_ - v) * Height());
  rel_y_ = v;
}

void TRectEntity::SetDeltaRefX(double v) {
  rel_x_ = (v == 0 || Width() < kTinySize) ? 0 : v / Width();
}

void TRectEntity::SetDeltaRefY(double v) {
  rel_y_ = (v == 0 || Height() < kTinySize) ? 0 : v / Height();
}

void TRectEntity::SetAbsRefX(double v) {
  rel_x_ = Width() < kTinySize ? 0 : (v - bounds_.min_x) / Width();
}

void TRectEntity::SetAbsRefY(double v) {
  rel_y_ = Height() < kTinySize ? 0 : (v - bounds_.min_y) / Height();
}

std::string TRectEntity::HorizAllign() const { return AnchorName(rel_x_, "LEFT", "RIGHT"); }
std::string TRectEntity::VertAllign() const { return AnchorName(rel_y_, "DOWN", "TOP"); }

void TRectEntity::SetHorizAllign(const std::string& v) {
  if (const double anchor = NamedAnchor(v, "LEFT", "RIGHT"); anchor >= 0) rel_x_ = anchor;
}

void TRectEntity::SetVertAllign(const std::string& v) {
  if (const double anchor = NamedAnchor(v, "DOWN", "TOP"); anchor >= 0) rel_y_ = anchor;
}

int32_t TRectEntity::RefPosition() const {
  const int ix = AnchorIndex(rel_x_);
  const int iy = AnchorIndex(rel_y_);
  if (ix < 0 || iy < 0) return 0;
  return 1 + 3 * ix + iy;
}

void TRectEntity::SetRefPosition(int32_t position) {
  if (position < 1 || position > 9) return;
  rel_x_ = kAnchors[(position - 1) / 3];
  rel_y_ = kAnchors[(position - 1) % 3];
}

void TRectEntity::UpdateNoReset(bool extend) {
  if (extend) {
    ExtendByChildren();
  } else {
    ResetBounds();
  }
}

void TRectEntity::ExtendByChildren() {
  for (const framework::TElement* child : Children()) ExtendByElement(child);
}

void TRectEntity::RecomputeBounds() {
  ResetBounds();
  ExtendByChildren();
}

void TRectEntity::ExtendByElement(const framework::TElement* element) {
  ExtendByBounds(bounds_, BoundsOf(element));
}

void TRectEntity::AddWithBounds(framework::TElement* element) {
  if (!element) return;
  ExtendByElement(element);
  AddElement(element);
}

Bounds BoundsOf(const framework::TElement* element) {
  Bounds b;
  if (const T2DCoordinate* c = AsPointCoordinate(element)) {
    Extend(b, c->X(), c->Y());
  } else if (const auto* r =
                 framework::ClassCast<TRectEntity>(const_cast<framework::TElement*>(element))) {
    b = r->bounds();
  }
  return b;
}

}  // namespace tarnik::spatial
