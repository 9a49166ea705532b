#include "framework/models/wcs.h"

#include <cmath>

#include "framework/property_text.h"

namespace tarnik::framework {
namespace {

void DefineWCS(std::vector<TPropInfo>& out) {
  TPropDefs<TWCS> d(out);
  d.Byte("Code", &TWCS::Code, nullptr);
}

bool IsNumericKind(const TPropInfo& p) { return p.kind == TTypeKind::tkFloat || p.IsOrdinal(); }

double RawToDouble(const TRawValue& v) {
  return v.kind == TTypeKind::tkFloat ? v.flt : static_cast<double>(v.ord);
}

}  // namespace

TARNIK_DEFINE_CLASS(TWCS, TElement, DefineWCS)
TARNIK_DEFINE_CLASS(TGeographic_WCS, TWCS, nullptr)
TARNIK_DEFINE_CLASS(TJTSK, TGeographic_WCS, nullptr)
TARNIK_DEFINE_CLASS(TWCSLibrary, TOwnerEntity, nullptr)

void TWCS::ToInternal(double&, double&, double&) const {}
void TWCS::FromInternal(double&, double&, double&) const {}

template <class Fn>
void TWCS::ConvertElement(TElement& coordinate, Fn convert) const {
  const TClassInfo& c = coordinate.ClassType();
  const TPropInfo* props[3] = {c.Find("X"), c.Find("Y"), c.Find("Z")};
  double values[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    if (props[i] && IsNumericKind(*props[i]) && props[i]->HasReader()) {
      values[i] = RawToDouble(GetRawValue(coordinate, *props[i]));
    } else {
      props[i] = nullptr;
    }
  }
  convert(values[0], values[1], values[2]);
  for (int i = 0; i < 3; ++i) {
    if (!props[i] || !props[i]->HasWriter()) continue;
    TRawValue v;
    v.kind = props[i]->kind;
    if (v.kind == TTypeKind::tkFloat) {
      v.flt = values[i];
    } else {
      v.ord = static_cast<int64_t>(std::llround(values[i]));
    }
    SetRawValue(coordinate, *props[i], v);
  }
}

void TWCS::ToInternal(TElement& coordinate) const {
  ConvertElement(coordinate, [this](double& x, double& y, double& z) { ToInternal(x, y, z); });
}

void TWCS::FromInternal(TElement& coordinate) const {
  ConvertElement(coordinate, [this](double& x, double& y, double& z) { FromInternal(x, y, z); });
}

TJTSK::TJTSK() : TGeographic_WCS(kCode, {"Y", "X", "Vyska"}) {}

void TJTSK::ToInternal(double& x, double& y, double& z) const {
  x = -x;
  y = -y;
  z = -z;
}

void TJTSK::FromInternal(double& x, double& y, double& z) const { ToInternal(x, y, z); }

TWCS* TWCSLibrary::FindWCS(uint8_t code) const {
  for (TElement* child : Children()) {
    if (auto* wcs = dynamic_cast<TWCS*>(child); wcs && wcs->Code() == code) return wcs;
  }
  return nullptr;
}

}  // namespace tarnik::framework
