// Coordinate systems: a code, three axis names and the conversions between the system's values
// and the internal drawing plane, on a triple of doubles or on a coordinate element in place
// (through its published "X", "Y", "Z" without text conversion). Systems are plain elements
// held by a TWCSLibrary, which owns them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/element.h"
#include "framework/entity.h"

namespace tarnik::framework {

class TWCS : public TElement {
 public:
  TARNIK_ELEMENT_CLASS(TWCS)
  TWCS() = default;

  uint8_t Code() const { return code_; }
  const std::array<std::string, 3>& AxisNames() const { return axis_names_; }
  const std::string& AxisName(int axis) const { return axis_names_.at(static_cast<size_t>(axis)); }

  // System values → internal plane, and back. The base system leaves the values as they are.
  virtual void ToInternal(double& x, double& y, double& z) const;
  virtual void FromInternal(double& x, double& y, double& z) const;
  // The same on an element's "X", "Y", "Z" (ordinal or float properties; a missing or
  // read-only axis is left alone). Raises what the element's accessors raise.
  void ToInternal(TElement& coordinate) const;
  void FromInternal(TElement& coordinate) const;

 protected:
  TWCS(uint8_t code, std::array<std::string, 3> axis_names)
      : code_(code), axis_names_(std::move(axis_names)) {}

 private:
  template <class Fn>
  void ConvertElement(TElement& coordinate, Fn convert) const;

  uint8_t code_ = 0;
  std::array<std::string, 3> axis_names_{"X", "Y", "Z"};
};

class TGeographic_WCS : public TWCS {
 public:
  TARNIK_ELEMENT_CLASS(TGeographic_WCS)
  TGeographic_WCS() = default;

 protected:
  using TWCS::TWCS;
};

// S-JTSK: values grow towards the west and the south; the internal plane grows towards the east
// and the north, so both directions negate all three values.
class TJTSK : public TGeographic_WCS {
 public:
  TARNIK_ELEMENT_CLASS(TJTSK)
  static constexpr uint8_t kCode = 1;
  TJTSK();
  void ToInternal(double& x, double& y, double& z) const override;
  void FromInternal(double& x, double& y, double& z) const override;
  using TWCS::FromInternal;
  using TWCS::ToInternal;
};

class TWCSLibrary : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TWCSLibrary)
  // The first system of that code, nil when none.
  TWCS* FindWCS(uint8_t code) const;
};

}  // namespace tarnik::framework
