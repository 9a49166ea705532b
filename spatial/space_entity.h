// Spatial elements: rectangle entities with an attribute holder and an angle. The holder (any
// element, usually a TSpaceEntityProps) is owned by the element and freed with it; the text
// interface falls through to it: HasProperty also asks the holder, GetPropertyText answers the
// holder's text when the element's own property reads empty, SetPropertyText writes the holder
// when the element publishes no such property. A lookup that comes back to the element it
// started from (a holder chain leading back) ends there with an empty answer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/message.h"
#include "spatial/owned_element.h"
#include "spatial/rect_entity.h"

namespace tarnik::spatial {

// The framework message by which an element announces a new element to its holders (a line
// split in two announces its new part): strings add it, areas made of lines insert it.
inline constexpr int32_t kNewPartMessage = 57;

class TSpaceEntity : public TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSpaceEntity)
  TSpaceEntity() = default;
  ~TSpaceEntity() override;

  framework::TElement* Properties() const { return holder_.Get(); }
  // Frees the previous holder (unless another holder keeps it) and takes `holder`; a
  // TSpaceEntityProps holder gets this element as its SpaceEntity. The element itself is
  // refused.
  void SetProperties(framework::TElement* holder);

  double Angle() const { return angle_; }
  void SetAngle(double v) { angle_ = v; }
  // True when ID is not -1; writing true sets ID 0, false -1.
  bool IsDone() const { return ID() != -1; }
  void SetIsDone(bool v) { SetID(v ? 0 : -1); }

  // The holder's object number: its GetSpaceID for a TSpaceEntityProps, else its integer
  // property "SPACEID"; -1 without holder. Writing sets the holder's "SPACEID".
  virtual int32_t GetSpaceID();
  virtual void SetSpaceID(int32_t id);
  // The holder's integer property "GROUP", -1 without holder.
  virtual int32_t GetGroup();
  // The reference point lies closer than |tolerance| to `point`.
  virtual bool HitTest(Point point, double tolerance);

  bool HasProperty(std::string_view name) const override;
  std::string GetPropertyText(std::string_view name) override;
  void SetPropertyText(std::string_view name, const std::string& value) override;

 protected:
  // The holder a write of an unknown property goes to (strings create one).
  virtual framework::TElement* HolderForWrite() { return Properties(); }
  // Marks the element as being destroyed, so that what it owns does not free it again.
  void BeginDestroying() { SetFlag(kDestroying, true); }

  // Runs `fn(holder)` unless there is no holder or a lookup through it is running already;
  // answers `fallback` then.
  template <class R, class Fn>
  R ThroughHolder(framework::TElement* holder, R fallback, Fn fn) const {
    if (!holder || in_holder_) return fallback;
    in_holder_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{in_holder_};
    return fn(*holder);
  }

 private:
  OwnedElement holder_;
  double angle_ = 0;
  mutable bool in_holder_ = false;
};

// A spatial element holding other spatial elements as children. The first write of a property
// it does not publish creates a TDynamicProperties holder; message kNewPartMessage adds the
// message's Data as a child.
class TSpaceEntityString : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSpaceEntityString)
  void HandleMessage(framework::TKelvaMessage& message, bool& handled) override;

 protected:
  framework::TElement* HolderForWrite() override;
};

class TSpaceRect : public TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSpaceRect)
  bool Last() const { return last_; }
  void SetLast(bool v) { last_ = v; }

 private:
  bool last_ = true;
};

class TSpaceLineBegEndCell : public TSpaceRect {
 public:
  TARNIK_ELEMENT_CLASS(TSpaceLineBegEndCell)
  int32_t Count() const { return count_; }
  void SetCount(int32_t v) { count_ = v; }

 private:
  int32_t count_ = 0;
};

}  // namespace tarnik::spatial
