#include "spatial/rectangle.h"

namespace tarnik::spatial {
namespace {

void DefineRectangle(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TRectangle> d(out);
  // The corners of an empty rectangle are the values a new one has.
  d.Float("MinX", &TRectangle::MinX, &TRectangle::SetMinX).DefaultFloat(kEmptyBound);
  d.Float("MinY", &TRectangle::MinY, &TRectangle::SetMinY).DefaultFloat(kEmptyBound);
  d.Float("MaxX", &TRectangle::MaxX, &TRectangle::SetMaxX).DefaultFloat(-kEmptyBound);
  d.Float("MaxY", &TRectangle::MaxY, &TRectangle::SetMaxY).DefaultFloat(-kEmptyBound);
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
