#include "spatial/rectangle.h"

namespace tarnik::spatial {
namespace {

void DefineRectangle(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TRectangle> d(out);
  d.Float("MinX", &TRectangle::MinX, &TRectangle::SetMinX);
  d.Float("MinY", &TRectangle::MinY, &TRectangle::SetMinY);
  d.Float("MaxX", &TRectangle::MaxX, &TRectangle::SetMaxX);
  d.Float("MaxY", &TRectangle::MaxY, &TRectangle::SetMaxY);
  // Derived from the corners: published, not stored.
  d.Float("Width", &TRectangle::Width, &TRectangle::SetWidth).NotStored();
  d.Float("Height", &TRectangle::Height, &TRectangle::SetHeight).NotStored();
}

}  // namespace

TARNIK_DEFINE_CLASS(TRectangle, framework::TElement, DefineRectangle)

TRectangle* TRectangle::Clone() const {
  auto* copy = static_cast<TRectangle*>(ClassType().Create());
  copy->bounds_ = bounds_;
  return copy;
}

}  // namespace tarnik::spatial
