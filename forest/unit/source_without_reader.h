// A plan source whose kind is known but which has no reader: what the unit holds before it has
// located its data or when nothing was recognised (kind 7), and what a recogniser answers for a
// form of data that cannot be loaded yet. Its compartment list and first load report "Neumím
// načíst seznam oddělení." and deliver nothing; its data are at their end at once.
#pragma once

#include <cstdint>
#include <string>

#include "forest/unit/plan_source.h"

namespace tarnik::plan {

inline constexpr const char* kCannotListCompartments = "Neumím načíst seznam oddělení.";

class SourceWithoutReader : public PlanSource {
 public:
  explicit SourceWithoutReader(uint8_t kind) : kind_(kind) {}

  uint8_t Kind() const override { return kind_; }
  std::string ReaderName() const override { return std::string(); }
  bool IsOpen() const override { return false; }
  void UnbindCodeLists(tciselnik&) override {}
  bool ListCompartments(TLesniCelek& unit, CompartmentList& out) override;
  bool ReadHeader(TLesniCelek& unit) override;
  TOddeleni* ReadCompartment(TLesniCelek&, bool) override { return nullptr; }
  bool AtEnd() override { return true; }

 private:
  uint8_t kind_;
};

}  // namespace tarnik::plan
