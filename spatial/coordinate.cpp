#include "spatial/coordinate.h"

namespace tarnik::spatial {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefineCoordinate(std::vector<TPropInfo>& out) {
  TPropDefs<TCoordinate> d(out);
  d.Byte("CS", &TCoordinate::CS, &TCoordinate::SetCS);
  // Without a point the axes are no data: they are published but never stored.
  d.Float("X", &TCoordinate::X, &TCoordinate::SetX).NotStored();
  d.Float("Y", &TCoordinate::Y, &TCoordinate::SetY).NotStored();
  d.Float("Z", &TCoordinate::Z, &TCoordinate::SetZ).NotStored();
}

void Define2DCoordinate(std::vector<TPropInfo>& out) {
  TPropDefs<TCoordinate> d(out);
  d.Float("X", &TCoordinate::X, &TCoordinate::SetX);
  d.Float("Y", &TCoordinate::Y, &TCoordinate::SetY);
}

void Define3DCoordinate(std::vector<TPropInfo>& out) {
  TPropDefs<TCoordinate> d(out);
  d.Float("Z", &TCoordinate::Z, &TCoordinate::SetZ);
}

}  // namespace

TARNIK_DEFINE_CLASS(TCoordinate, framework::TElement, DefineCoordinate)
TARNIK_DEFINE_CLASS(T2DCoordinate, TCoordinate, Define2DCoordinate)
TARNIK_DEFINE_CLASS(T3DCoordinate, T2DCoordinate, Define3DCoordinate)

TCoordinate* TCoordinate::CopyCoordinate() const {
  auto* copy = static_cast<TCoordinate*>(ClassType().Create());
  copy->SetCS(cs_);
  copy->SetX(X());
  copy->SetY(Y());
  copy->SetZ(Z());
  return copy;
}

framework::TElement* TCoordinate::CreateEnvelope() { return CopyCoordinate(); }

const T2DCoordinate* AsPointCoordinate(const framework::TElement* element) {
  return framework::ClassCast<T2DCoordinate>(const_cast<framework::TElement*>(element));
}

}  // namespace tarnik::spatial
