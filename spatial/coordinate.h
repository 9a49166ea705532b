// Coordinates: a code of the coordinate system and a point. TCoordinate itself has no point
// (its X, Y, Z read -1 and ignore writes); T2DCoordinate holds X and Y, T3DCoordinate adds Z.
// Plain elements without owner bookkeeping: the entity that holds a coordinate frees it.
#pragma once

#include <cstdint>

#include "framework/element.h"
#include "spatial/geometry.h"

namespace tarnik::spatial {

class TCoordinate : public framework::TElement {
 public:
  TARNIK_ELEMENT_CLASS(TCoordinate)
  uint8_t CS() const { return cs_; }
  void SetCS(uint8_t cs) { cs_ = cs; }
  virtual double X() const { return -1; }
  virtual double Y() const { return -1; }
  virtual double Z() const { return -1; }
  virtual void SetX(double) {}
  virtual void SetY(double) {}
  virtual void SetZ(double) {}

  // A new coordinate of the same class with the same CS, X, Y and Z (the caller owns it).
  virtual TCoordinate* CopyCoordinate() const;
  framework::TElement* CreateEnvelope() override;

 private:
  uint8_t cs_ = 0;
};

class T2DCoordinate : public TCoordinate {
 public:
  TARNIK_ELEMENT_CLASS(T2DCoordinate)
  T2DCoordinate() = default;
  T2DCoordinate(double x, double y) : x_(x), y_(y) {}
  double X() const override { return x_; }
  double Y() const override { return y_; }
  void SetX(double x) override { x_ = x; }
  void SetY(double y) override { y_ = y; }
  Point AsPoint() const { return {x_, y_}; }

 private:
  double x_ = 0;
  double y_ = 0;
};

class T3DCoordinate : public T2DCoordinate {
 public:
  TARNIK_ELEMENT_CLASS(T3DCoordinate)
  T3DCoordinate() = default;
  T3DCoordinate(double x, double y, double z) : T2DCoordinate(x, y), z_(z) {}
  double Z() const override { return z_; }
  void SetZ(double z) override { z_ = z; }

 private:
  double z_ = 0;
};

// The element as a coordinate with a point (two- or three-dimensional), else nil.
const T2DCoordinate* AsPointCoordinate(const framework::TElement* element);

}  // namespace tarnik::spatial
